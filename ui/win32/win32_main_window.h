// The Win32 main window: menu bar, virtual result list, status bar, timers and dialogs. It decides
// nothing itself: menu commands, timer expiries, close requests and cell requests go to the
// attached CMainFrame, which answers through the IWindowPort side of this class.
#ifndef QUORVANE_UI_WIN32_WIN32_MAIN_WINDOW_H_
#define QUORVANE_UI_WIN32_WIN32_MAIN_WINDOW_H_

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "ui/win32/win32_help_viewer.h"
#include "ui/window_port.h"

namespace quorvane {

class CMainFrame;

class CWin32MainWindow : public IWindowPort {
  public:
    // The outer size of the window, frame and caption included, at 96 DPI; scaled to the
    // window's DPI.
    static constexpr int kOuterWidth = 750;
    static constexpr int kOuterHeight = 450;
    static constexpr wchar_t kClassName[] = L"QUORVANE_CLASS";

    // helpPage: the local help page the About dialog's links point into.
    explicit CWin32MainWindow(std::u16string helpPage);
    // Destroys the window if it still exists.
    ~CWin32MainWindow() override;
    CWin32MainWindow(const CWin32MainWindow&) = delete;
    CWin32MainWindow& operator=(const CWin32MainWindow&) = delete;

    // Connects the window to its frame logic, or disconnects it (nullptr) before the frame is
    // destroyed; without a frame the list answers nothing and close requests are granted at once.
    // REQUIRES: frame, when set, outlives the attachment.
    void AttachFrame(CMainFrame* frame);

    // Registers the window class once per process and creates the window (menu, icon, list; the
    // frame's OnCreate runs inside). Returns false when either fails.
    bool Create();

    // Centres the window on its monitor's work area, shows it as showCommand asks and paints it.
    void PlaceAndShow(int showCommand);

    HWND Handle() const { return m_hwnd; }
    HWND List() const { return m_list; }
    HWND StatusBar() const { return m_status; }
    const CWin32HelpViewer& HelpViewer() const { return m_helpViewer; }
    HMENU Menu() const { return m_menu; }

    // IWindowPort.
    MessageAnswer ShowMessage(std::u16string_view text, MessageButtons buttons) override;
    std::optional<std::u16string> ChooseFileToOpen() override;
    std::optional<std::u16string> ChooseFileToSave() override;
    void SetMenuState(int commandId, MenuState state) override;
    void StartTimer(int timerId, int periodMs) override;
    void KillTimer(int timerId) override;
    void SetListItemCount(std::size_t count) override;
    void RepaintListNow() override;
    std::vector<std::size_t> GetSelectedRows() override;
    void SelectAllRows() override;
    void SetClipboardText(std::u16string_view text) override;
    void PostToWindowThread(std::function<void()> fn) override;
    void SetStatusText(std::u16string_view text) override;
    bool OpenWithSystem(std::u16string_view pathOrUrl) override;
    void ShowHelpPage(std::u16string_view path) override;
    void ShowAboutDialog() override;
    void DestroyWindow() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCreate();
    void OnSize();
    void OnDpiChanged(int dpi, const RECT& suggested);
    LRESULT OnNotify(const NMHDR& header, LPARAM lParam);
    // The tooltip of an address cell: its whole text, when the column shows only part of it.
    void OnInfoTip(NMLVGETINFOTIPW& tip) const;
    // Ctrl+C and Ctrl+A in the list become the frame's commands.
    void OnListKey(WORD key);
    // A file dropped on the window is imported (the first one, when several are).
    void OnDropFiles(HDROP drop);
    // The row the list's type-to-find goes to, or -1.
    LRESULT OnFindItem(const NMLVFINDITEMW& find) const;
    void CreateList();
    void RunPostedCalls();

    const std::u16string m_helpPage;
    CMainFrame* m_frame = nullptr;
    HWND m_hwnd = nullptr;
    HWND m_list = nullptr;
    HWND m_status = nullptr;
    HMENU m_menu = nullptr;
    int m_dpi = 96;  // the DPI the window's sizes are scaled to
    CWin32HelpViewer m_helpViewer;
    std::wstring m_cellText;  // the last cell handed to the list; it copies it at once
    // Calls queued by PostToWindowThread from any thread; m_postTarget is the window while it
    // exists, so that posts stop when it is gone.
    std::mutex m_callsMutex;
    std::deque<std::function<void()>> m_calls;
    std::atomic<HWND> m_postTarget{nullptr};
};

}  // namespace quorvane

#endif  // QUORVANE_UI_WIN32_WIN32_MAIN_WINDOW_H_
