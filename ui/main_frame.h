// The main window's logic, free of any toolkit: the address table, the run state, the worker
// group and every command handler. It reaches the screen only through IWindowPort.
#ifndef QUORVANE_UI_MAIN_FRAME_H_
#define QUORVANE_UI_MAIN_FRAME_H_

#include <chrono>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "batch/address_table.h"
#include "batch/thread_group.h"
#include "ui/window_port.h"

namespace quorvane {

class CMainFrame {
  public:
    // dbPath: the database the runs use (the frontend passes DefaultDatabasePath()), with
    // region6.db beside it for IPv6 rows; helpPath: the local help page that Help opens;
    // startThread: how the runs' threads are made (empty: plain threads).
    // REQUIRES: window stays usable until OnClose has destroyed it or this frame is destroyed.
    CMainFrame(IWindowPort& window, std::u16string dbPath, std::u16string helpPath,
               CThreadGroup::ThreadStarter startThread = {});
    // Stops a run still going and waits for its workers and every waiter before any member is
    // destroyed. Makes no call into the window: it may be gone already.
    ~CMainFrame();
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // The window exists: Stop is grayed and About enabled.
    void OnCreate();

    // Dispatch by command identifier (ID_CMD_*), compared on its low 16 bits only. Returns false
    // for an identifier it does not handle (the frontend then does its default processing).
    bool OnCommand(int commandId);

    // A timer expiry: IDT_REFRESH repaints the list and shows the run's progress in the status
    // bar; any other identifier does nothing.
    void OnTimer(int timerId);

    // Close button, Alt+F4 and Exit: stops a run, waits for it (without deadlock against the
    // finished notification), then destroys the window.
    void OnClose();

    // The text of a visible cell; empty for a row or column out of range.
    std::u16string OnGetDispInfo(std::size_t row, int column) const;

    // Type-to-find in the list, as in the system's own lists: the first row from start on,
    // wrapping past the last row to the first, whose address begins with prefix (letters in
    // either case); nothing when no row does or prefix is empty. A start past the end starts at
    // row 0.
    std::optional<std::size_t> FindRowByAddress(std::u16string_view prefix,
                                                std::size_t start) const;

    std::size_t GetRowCount() const;
    const CAddressTable& Table() const;

    // The command handlers that OnCommand dispatches to; all run on the window's thread.

    // File -> Import: refused during a run; otherwise the Open chooser, the question whether to
    // clear rows already present, then the file's lines appended as rows and the row count shown
    // in the status bar. A file that cannot be read is reported and leaves the table exactly as
    // it was.
    void OnImport();
    // A file dropped on the window or named on the command line: Import without the chooser
    // (refused during a run, the same question, the same rules).
    void OnOpenFile(std::u16string_view path);
    // File -> Export: refused during a run and for an empty table; otherwise the Save chooser and
    // every row written, with a message telling whether the file was written completely.
    void OnExport();
    // File -> Exit: the same as OnClose.
    void OnExit();
    // Operation -> Start: the database is tested first, then the table; then a run on the worker
    // group. Does nothing while a run of this frame is alive.
    void OnStart();
    // Operation -> Stop: asks the run to stop; the finished notification follows when its workers
    // have ended. Does nothing unless a run is going and no stop was asked yet.
    void OnStop();
    // Help -> Help: hands the local help page to the system, or shows it in the tool's own
    // viewer when the system cannot open it.
    void OnHelpPage();
    // Help -> About (command 104): the modal About dialog.
    void OnAbout();
    // Ctrl+C in the list: the selected rows onto the clipboard as the lines Export writes for
    // them; nothing changes when no row is selected. Also during a run (the results so far).
    void OnCopy();
    // Ctrl+A in the list: every row selected.
    void OnSelectAll();

    // True from a successful Start until the run's finished notification has run: import and
    // export are refused and Start does nothing meanwhile.
    bool IsRunAlive() const { return m_runAlive; }

  private:
    // The run's end, on the window's thread, as one step: run over, final repaint, timer killed,
    // Start enabled, Stop grayed, the run's summary in the status bar. Does nothing once the run
    // has ended.
    void FinishRun();
    // On the window's thread: stops a live run, waits for its workers and every waiter, and ends
    // it here.
    void StopAndAwaitRun();
    // The one rule for the Start and Stop items: while a run is alive Start is grayed and Stop
    // enabled until a stop is asked; otherwise Start is enabled and Stop grayed.
    void ShowRunMenus();
    // Waiter's thread: hands FinishRun to the window's thread, unless the window is gone.
    void PostFinishRun();
    // Window's thread: no post into the window from now on.
    void ClosePosts();
    void ShowMessage(std::u16string_view text);
    // Import's steps after the file has been named.
    void ImportFile(std::u16string_view path);

    IWindowPort& m_window;
    const std::u16string m_dbPath;
    const std::u16string m_db6Path;  // region6.db beside m_dbPath
    const std::u16string m_helpPath;
    CAddressTable m_table;
    // Posts into the window happen under m_postLock while m_postsOpen, so that once ClosePosts
    // has returned no waiter is inside the window's interface and the window may go.
    std::mutex m_postLock;
    bool m_postsOpen = true;
    // What a post holds of this frame: weakly, so that a post run after the frame has gone does
    // nothing. Posts run and the frame is destroyed on the same thread.
    const std::shared_ptr<CMainFrame*> m_postTarget = std::make_shared<CMainFrame*>(this);
    // Window's-thread state; only FinishRun (run on this thread) ends a run.
    bool m_runAlive = false;
    bool m_stopAsked = false;
    bool m_refreshTimerOn = false;  // a timer message that arrives after KillTimer is ignored
    // What the Start and Stop items show; both enabled in the menu template.
    MenuState m_startShown = MenuState::kEnabled;
    MenuState m_stopShown = MenuState::kEnabled;
    bool m_windowGone = false;  // after DestroyWindow, or in the destructor
    std::chrono::steady_clock::time_point m_runStart;
    // Why the run's IPv6 rows go unresolved (the engine's status opening region6.db), or
    // QUORVANE_DB_OK when they are resolved or the list holds none.
    int m_ipv6Status = 0;
    // Last, so that it is destroyed first: its destructor waits for every waiter, which may still
    // be using the members above.
    CThreadGroup m_workers;
};

}  // namespace quorvane

#endif  // QUORVANE_UI_MAIN_FRAME_H_
