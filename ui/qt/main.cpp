// The desktop tool: one window over the frame logic. It reads no command line options and no
// environment of its own.
#include <QApplication>
#include <clocale>

#include "batch/database_path.h"
#include "files/app_directory.h"
#include "ui/main_frame.h"
#include "ui/qt/qt_app_icon.h"
#include "ui/qt/qt_main_window.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Address lists in the narrow character set are read through the user's locale.
    std::setlocale(LC_ALL, "");
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setOrganizationName(QStringLiteral("Velbrin"));
    QApplication::setWindowIcon(quorvane::AppIcon());
    quorvane::InstallChineseTranslations(app);

    const std::u16string helpPage = quorvane::GetAppDirectory() + u"help/index.html";
    quorvane::CQtMainWindow window(quorvane::ToQString(helpPage));
    {
        quorvane::CMainFrame frame(window, quorvane::DefaultDatabasePath(), helpPage);
        window.AttachFrame(&frame);
        QObject::connect(&window, &quorvane::CQtMainWindow::windowDestroyed, &app,
                         &QCoreApplication::quit, Qt::QueuedConnection);
        frame.OnCreate();
        window.PlaceAndShow();
        QApplication::exec();
        // The frame waits for a run still going as it is destroyed; the window must no longer
        // send it anything by then.
        window.AttachFrame(nullptr);
    }
    return 0;
}
