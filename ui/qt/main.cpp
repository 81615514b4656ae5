// The desktop tool: one window over the frame logic. It reads no environment of its own and no
// command line options but --help.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "batch/database_path.h"
#include "files/app_directory.h"
#include "files/removal_on_signal.h"
#include "ui/main_frame.h"
#include "ui/qt/qt_app_icon.h"
#include "ui/qt/qt_locale.h"
#include "ui/qt/qt_main_window.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_translations.h"

namespace {

constexpr char16_t kUsage[] =
    u"用法: quorvane\n"
    u"\n"
    u"打开 Quorvane 窗口: 导入IP地址列表, 解析, 导出结果. 没有自己的命令行选项;\n"
    u"无需窗口时请用 quorvane-batch.\n";

bool IsHelp(const char* arg) {
    return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0;
}

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

}  // namespace

int main(int argc, char** argv) {
    // Chinese for everything Qt formats; address lists in the narrow character set are still read
    // through the user's locale.
    quorvane::CToolLocale locale;
    // Answered before any display is needed.
    if (argc == 2 && IsHelp(argv[1])) {
        Print(stdout, QString::fromUtf16(kUsage));
        return 0;
    }
    QApplication app(argc, argv);
    locale.ApplicationCreated();
    // Qt has taken its own options (-platform, -style, ...) out of argv; anything left is unknown.
    if (argc > 1) {
        Print(stderr, QStringLiteral("quorvane: ") + QString::fromUtf16(u"未知选项: ") +
                          QString::fromLocal8Bit(argv[1]) + QLatin1Char('\n') +
                          QString::fromUtf16(kUsage));
        return 2;
    }
    // A kill during an export leaves the previous file and no temporary one beside it.
    quorvane::RemovePendingFileOnSignal();
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
