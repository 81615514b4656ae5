// What the frame logic needs of a window, and nothing more. Each frontend (Qt, Win32) implements
// it; tests implement it with a scripted fake.
#ifndef QUORVANE_UI_WINDOW_PORT_H_
#define QUORVANE_UI_WINDOW_PORT_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

enum class MessageButtons { kOk, kYesNo };  // Yes is the default button of kYesNo
enum class MessageAnswer { kOk, kYes, kNo };
enum class MenuState { kEnabled, kGrayed };

class IWindowPort {
  public:
    virtual ~IWindowPort() = default;

    // A modal message box owned by the window, caption "提示信息", no icon.
    virtual MessageAnswer ShowMessage(std::u16string_view text, MessageButtons buttons) = 0;

    // The Open or Save chooser with the one filter "文本文档(*.txt)". Save appends "txt" to a bare
    // name and asks before replacing a file. Nothing when the user cancels.
    virtual std::optional<std::u16string> ChooseFileToOpen() = 0;
    virtual std::optional<std::u16string> ChooseFileToSave() = 0;

    virtual void SetMenuState(int commandId, MenuState state) = 0;

    // A periodic timer bound to the window; each expiry calls CMainFrame::OnTimer(timerId) on
    // the window's thread.
    virtual void StartTimer(int timerId, int periodMs) = 0;
    virtual void KillTimer(int timerId) = 0;

    // The result list's item count, and a repaint now (the list asks for the visible cells).
    virtual void SetListItemCount(std::size_t count) = 0;
    virtual void RepaintListNow() = 0;

    // The rows selected in the list, ascending; and every row selected.
    virtual std::vector<std::size_t> GetSelectedRows() = 0;
    virtual void SelectAllRows() = 0;
    // Replaces the system clipboard's content with text.
    virtual void SetClipboardText(std::u16string_view text) = 0;

    // Queues fn to run on the window's thread soon and returns at once; safe from any thread.
    // The run's finished notification comes this way, so the window's thread never waits for a
    // waiter that waits for it. Calls still queued when the window is gone may be dropped.
    virtual void PostToWindowThread(std::function<void()> fn) = 0;

    // The one line of the status bar under the list: replaces what it showed.
    virtual void SetStatusText(std::u16string_view text) = 0;

    // Hands a local file or address to the system's handler. Returns false when the system has
    // no handler for it or the handler could not be started; true says only that it was handed
    // over, not that a page appeared.
    virtual bool OpenWithSystem(std::u16string_view pathOrUrl) = 0;

    // Shows the local HTML page at path in the tool's own simple viewer, which needs no browser.
    // Returns when the page is shown (the viewer need not be modal).
    virtual void ShowHelpPage(std::u16string_view path) = 0;

    // The modal About dialog.
    virtual void ShowAboutDialog() = 0;

    // Destroys the window at once (the application then ends).
    virtual void DestroyWindow() = 0;
};

}  // namespace quorvane

#endif  // QUORVANE_UI_WINDOW_PORT_H_
