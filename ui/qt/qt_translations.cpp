#include "ui/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
#include <memory>

namespace quorvane {

bool InstallChineseTranslations(QCoreApplication& app) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool any = false;
    for (const char* name : {"qtbase_zh_CN", "qt_zh_CN"}) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QString::fromLatin1(name), folder)) {
            // Owned by the application: a translator must outlive every text it translates.
            translator->setParent(&app);
            QCoreApplication::installTranslator(translator.release());
            any = true;
            break;
        }
    }
    return any;
}

}  // namespace quorvane
