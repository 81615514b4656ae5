// Builds the real main window, imports a sample address list through the frame logic (with a
// scripted file chooser), resolves it, and saves the window as a PNG.
//
// quorvane-screenshot [--frame] [--scene copy|drop|message] OUT.png [DATABASE]
// --frame grabs the window's area from the screen, frame and title bar included (needs a real X
// server with a window manager, see make-qt-screenshot.sh); otherwise the window itself is grabbed.
// --scene copy selects rows after the run and presses Ctrl+C (the clipboard goes to stdout);
// drop imports the list by dropping its file on the window instead of through the chooser;
// message shows the message box of Start on an empty list, and grabs that box.
// DATABASE defaults to ip2region.db beside this program; when that is missing, a small database
// is generated with the writer library.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "batch/database_path.h"
#include "files/app_directory.h"
#include "tests/support/scratch_dir.h"
#include "tools/dbwriter/db_writer.h"
#include "ui/main_frame.h"
#include "ui/qt/qt_locale.h"
#include "ui/qt/qt_main_window.h"
#include "ui/qt/qt_result_list_model.h"
#include "ui/qt/qt_result_list_view.h"
#include "ui/qt/qt_translations.h"
#include "ui/resources/resource_ids.h"

namespace {

// IPv4 and IPv6 rows mixed, as a server's log holds them; one IPv6 address written out in full
// is wider than its column.
const char* const kSampleAddresses[] = {
    "1.0.1.17",
    "1.1.1.1",
    "8.8.8.8",
    "114.114.114.114",
    "223.5.5.5",
    "180.76.76.76",
    "2409:8000::1",
    "116.0.18.9",
    "240e:4c:4008::1",
    "112.0.77.3",
    "2001:4860:4860::8888",
    "1.0.5.20",
    "::ffff:8.8.4.4",
    "2a00:1450:4001:0830:0000:0000:0000:200e",
    "1.0.9.4",
    "192.168.1.1",
    "10.20.30.40",
    "172.16.8.1",
    "127.0.0.1",
    "100.64.12.5",
    "169.254.3.3",
    "224.0.0.251",
    "255.255.255.255",
    "23.45.67.89",
    "5.6.7.8",
    "128.10.20.30",
    "61.135.169.121",
    "119.29.29.29",
    "240.1.2.3",
    "0.0.0.0",
};

// A stand-in database when the build tree has none: a few ranges in the shipped text format.
bool MakeFallbackDatabase(const std::string& path) {
    std::vector<quorvane::dbwriter::Range> ranges;
    auto add = [&](std::uint32_t a, std::uint32_t b, const char* text) {
        ranges.push_back({a, b, text});
    };
    add(0x01000000u, 0x010000FFu, "澳大利亚|0|昆士兰州|布里斯班|0");
    add(0x01000100u, 0x010003FFu, "中国|0|福建省|福州|电信");
    add(0x01000400u, 0x010007FFu, "澳大利亚|0|维多利亚州|墨尔本|0");
    add(0x01000800u, 0x010100FFu, "中国|0|广东省|广州|电信");
    add(0x01010100u, 0x010101FFu, "澳大利亚|0|新南威尔士州|悉尼|Cloudflare");
    add(0x01010200u, 0x0101FFFFu, "中国|0|福建省|厦门|电信");
    add(0x08080800u, 0x080808FFu, "美国|0|加利福尼亚州|山景城|Google");
    add(0x0A000000u, 0x0AFFFFFFu, "0|0|0|0|局域网");
    add(0x0B000000u, 0x245FFFFFu, "美国|0|0|0|0");
    add(0x24600000u, 0x2460FFFFu, "中国|0|广东省|深圳|电信");
    add(0x70000000u, 0x7000FFFFu, "中国|0|广东省|广州|移动");
    add(0x72727200u, 0x727272FFu, "中国|0|江苏省|南京|电信");
    add(0x74000000u, 0x7400FFFFu, "中国|0|北京市|北京|联通");
    add(0x7F000000u, 0x7FFFFFFFu, "0|0|0|0|本机地址");
    add(0xB44C4C00u, 0xB44C4CFFu, "中国|0|北京市|北京|百度云");
    add(0xC0A80000u, 0xC0A8FFFFu, "0|0|0|0|局域网");
    add(0xCA608000u, 0xCA609FFFu, "中国|0|广东省|广州|电信");
    add(0xD2000000u, 0xD200FFFFu, "中国|0|香港|香港|0");
    add(0xDF050500u, 0xDF0505FFu, "中国|0|浙江省|杭州|阿里云");
    std::string error;
    quorvane::dbwriter::BuildOptions options;
    options.fillText = "0|0|0|0|0";
    if (!quorvane::dbwriter::WriteDatabase(ranges, options, path, error)) {
        std::fprintf(stderr, "cannot build a database: %s\n", error.c_str());
        return false;
    }
    return true;
}

class ScriptedWindow : public quorvane::CQtMainWindow {
  public:
    ScriptedWindow(QString helpPage, std::u16string listPath)
        : CQtMainWindow(std::move(helpPage)), m_listPath(std::move(listPath)) {}

    std::optional<std::u16string> ChooseFileToOpen() override { return m_listPath; }
    quorvane::MessageAnswer ShowMessage(std::u16string_view text,
                                        quorvane::MessageButtons buttons) override {
        std::fprintf(stderr, "message: %s\n",
                     QString::fromStdU16String(std::u16string(text)).toUtf8().constData());
        return buttons == quorvane::MessageButtons::kOk ? quorvane::MessageAnswer::kOk
                                                        : quorvane::MessageAnswer::kYes;
    }

  private:
    std::u16string m_listPath;
};

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    quorvane::CToolLocale locale;
    QApplication app(argc, argv);
    locale.ApplicationCreated();
    quorvane::InstallChineseTranslations(app);
    constexpr char kUsage[] =
        "usage: quorvane-screenshot [--frame] [--scene copy|drop|message] OUT.png [DATABASE]\n";
    const bool withFrame = argc > 1 && std::strcmp(argv[1], "--frame") == 0;
    if (withFrame) {
        --argc;
        ++argv;
    }
    std::string scene;
    if (argc > 2 && std::strcmp(argv[1], "--scene") == 0) {
        scene = argv[2];
        argc -= 2;
        argv += 2;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    // An option it does not know is not a file name to write to.
    if (argc < 2 || argc > 3 || argv[1][0] == '-' || (argc == 3 && argv[2][0] == '-')) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const quorvane::test::ScratchDir work("quorvane-screenshot");
    std::u16string db = argc == 3 ? QString::fromLocal8Bit(argv[2]).toStdU16String()
                                  : quorvane::DefaultDatabasePath();
    if (!quorvane::DatabaseFileExists(db)) {
        const QString made = QString::fromStdU16String(work.Wide("ip2region.db"));
        if (!MakeFallbackDatabase(made.toStdString())) {
            return 1;
        }
        db = made.toStdU16String();
        std::fprintf(stderr, "using a generated sample database\n");
    }
    const QString list = QString::fromStdU16String(work.Wide("addresses.txt"));
    {
        std::ofstream out(list.toStdString(), std::ios::binary);
        for (const char* address : kSampleAddresses) {
            out << address << "\r\n";
        }
    }

    const std::u16string help = quorvane::GetAppDirectory() + u"help/index.html";
    ScriptedWindow window(QString::fromStdU16String(help), list.toStdU16String());
    bool ok = true;
    {
        quorvane::CMainFrame frame(window, db, help);
        window.AttachFrame(&frame);
        frame.OnCreate();
        window.PlaceAndShow();
        WaitFor([&] { return window.isVisible(); }, 5000);
        QRect outer = window.frameGeometry();
        QImage image;
        if (scene == "message") {
            // The real box, grabbed from inside its own loop and then closed.
            QTimer::singleShot(1500, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    const QRect area = box->frameGeometry();
                    std::fprintf(stderr, "box: outer %dx%d\n", area.width(), area.height());
                    image = box->screen()
                                ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                                .toImage();
                    box->accept();
                }
            });
            window.CQtMainWindow::ShowMessage(u"请导入IP地址!", quorvane::MessageButtons::kOk);
        } else if (scene == "drop") {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(list)});
            QWidget* target = window.List()->viewport();
            const QPoint at = target->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
            ok = WaitFor([&] { return frame.GetRowCount() != 0; }, 5000);
        } else {
            frame.OnCommand(ID_CMD_IMPORT);
        }
        if (scene != "message" && scene != "drop") {
            frame.OnCommand(ID_CMD_START);
            ok = WaitFor([&] { return !frame.Table().IsRunActive(); }, 60000);
        }
        if (scene == "copy") {
            window.activateWindow();
            window.List()->setFocus();
            window.List()->selectRow(2);
            QKeyEvent shiftDown(QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier);
            for (int i = 0; i < 3; ++i) {
                QApplication::sendEvent(window.List(), &shiftDown);
            }
            QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
            QApplication::sendEvent(window.List(), &copy);
            std::fputs(QApplication::clipboard()->text().toUtf8().constData(), stdout);
        }
        WaitFor([] { return false; }, 300);  // let the final repaint and menu states settle
        std::fprintf(stderr, "window: outer %dx%d at %d,%d, client %dx%d\n",
                     window.frameGeometry().width(), window.frameGeometry().height(),
                     window.frameGeometry().x(), window.frameGeometry().y(), window.width(),
                     window.height());
        outer = window.frameGeometry();
        if (scene != "message") {
            image = withFrame
                        ? window.screen()
                              ->grabWindow(0, outer.x(), outer.y(), outer.width(), outer.height())
                              .toImage()
                        : window.grab().toImage();
        }
        if (!ok || !image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
            std::fprintf(stderr, "cannot finish the run or save %s\n", argv[1]);
            ok = false;
        }
        window.AttachFrame(nullptr);
    }
    return ok ? 0 : 1;
}
