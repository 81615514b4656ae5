// A main window whose choosers and message boxes are scripted, wired to a real CMainFrame.
#ifndef QUORVANE_TESTS_UI_QT_QT_TEST_SUPPORT_H_
#define QUORVANE_TESTS_UI_QT_QT_TEST_SUPPORT_H_

#include <QApplication>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "ui/main_frame.h"
#include "ui/qt/qt_main_window.h"

namespace quorvane::test {

// name inside dir (dir itself when name is empty) as the QString Qt's widgets take and give.
inline QString QtPath(const ScratchDir& dir, std::string_view name = {}) {
    return QString::fromStdU16String(name.empty() ? dir.Dir().u16string() : dir.Wide(name));
}

// Stands in for the system's handler of local files: QDesktopServices hands it every file URL
// while it is registered with setUrlHandler("file", ...).
class UrlCatcher : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> urls;

  public slots:
    void Catch(const QUrl& url) { urls.push_back(url); }
};

class ScriptedWindow : public CQtMainWindow {
  public:
    using CQtMainWindow::CQtMainWindow;

    std::optional<std::u16string> openPath;
    std::optional<std::u16string> savePath;
    MessageAnswer answer = MessageAnswer::kYes;
    std::vector<std::u16string> messages;

    MessageAnswer ShowMessage(std::u16string_view text, MessageButtons buttons) override {
        messages.emplace_back(text);
        return buttons == MessageButtons::kOk ? MessageAnswer::kOk : answer;
    }
    std::optional<std::u16string> ChooseFileToOpen() override { return openPath; }
    std::optional<std::u16string> ChooseFileToSave() override { return savePath; }
};

// The window and its frame, torn down in the order the tool uses: detach, frame, window.
struct FrontendHarness {
    explicit FrontendHarness(std::u16string dbPath = u"/nonexistent/ip2region.db",
                             std::u16string helpPath = u"/nonexistent/help/index.html")
        : window(QString::fromStdU16String(helpPath)),
          frame(std::make_unique<CMainFrame>(window, std::move(dbPath), std::move(helpPath))) {
        window.AttachFrame(frame.get());
        frame->OnCreate();
    }
    ~FrontendHarness() {
        window.AttachFrame(nullptr);
        frame.reset();
    }

    ScriptedWindow window;
    std::unique_ptr<CMainFrame> frame;
};

// Runs handle on the next modal widget of type T that opens (while the caller's own modal loop
// runs), so that a test can answer a dialog the code under test shows and waits for. Gives up
// after about ten seconds of polling; the test then hangs in its dialog and CTest reports it.
template <typename T>
void AnswerNextModal(std::function<void(T&)> handle, int triesLeft = 1000) {
    QTimer::singleShot(triesLeft == 1000 ? 0 : 10, [handle, triesLeft] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            handle(*dialog);
        } else if (triesLeft > 0) {
            AnswerNextModal<T>(handle, triesLeft - 1);
        }
    });
}

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_UI_QT_QT_TEST_SUPPORT_H_
