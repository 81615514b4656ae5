// The desktop tool: one window over the frame logic. It reads no environment of its own; its
// command line is --help or one address list to import at start.
#include <QApplication>
#include <QTimer>
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
    u"用法: quorvane [文件]\n"
    u"\n"
    u"打开 Quorvane 窗口: 导入IP地址列表, 解析, 导出结果. 给出文件时, 启动后即导入它\n"
    u"(与 文件 → 导入 相同). 无需窗口时请用 quorvane-batch.\n";

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
    // Qt has taken its own options (-platform, -style, ...) out of the arguments; what is left
    // may name one file, nothing else.
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() > 1 || (!args.isEmpty() && args[0].startsWith(QLatin1Char('-')))) {
        const QString what = args.size() > 1 ? QString::fromUtf16(u"多余的参数: ") + args[1]
                                             : QString::fromUtf16(u"未知选项: ") + args[0];
        Print(stderr,
              QStringLiteral("quorvane: ") + what + QLatin1Char('\n') + QString::fromUtf16(kUsage));
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
        QObject::connect(&window, &quorvane::CQtMainWindow::WindowDestroyed, &app,
                         &QCoreApplication::quit, Qt::QueuedConnection);
        frame.OnCreate();
        window.PlaceAndShow();
        if (!args.isEmpty()) {
            // Once the loop runs, so that the window is there to own any message.
            QTimer::singleShot(0, &window, [&frame, file = quorvane::FromQString(args[0])] {
                frame.OnOpenFile(file);
            });
        }
        QApplication::exec();
        // The frame waits for a run still going as it is destroyed; the window must no longer
        // send it anything by then.
        window.AttachFrame(nullptr);
    }
    return 0;
}
