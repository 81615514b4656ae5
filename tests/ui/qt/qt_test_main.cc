// GoogleTest over a QApplication: widgets need one, and it must outlive every test.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/qt_locale.h"

int main(int argc, char** argv) {
    // CTest sets the offscreen platform; test discovery and hand runs get it here.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The tool's locales, as the tool sets them.
    quorvane::CToolLocale locale;
    QApplication app(argc, argv);
    locale.ApplicationCreated();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
