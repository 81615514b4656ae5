// The tool's own help viewer for a system without a handler for local pages: a window centred
// over the main one showing the help page formatted (rich text), no browser needed.
#ifndef QUORVANE_UI_WIN32_WIN32_HELP_VIEWER_H_
#define QUORVANE_UI_WIN32_WIN32_HELP_VIEWER_H_

#include <windows.h>

#include <string>
#include <string_view>

namespace quorvane {

class CWin32HelpViewer {
  public:
    CWin32HelpViewer() = default;
    // Destroys the viewer's window if it is open.
    ~CWin32HelpViewer();
    CWin32HelpViewer(const CWin32HelpViewer&) = delete;
    CWin32HelpViewer& operator=(const CWin32HelpViewer&) = delete;

    // Shows the page at path (a local file) in the viewer's window, owned by owner, making the
    // window first (centred over owner) and bringing it to the front. A page that cannot be read
    // shows as empty.
    void ShowPage(HWND owner, std::u16string_view path);

    HWND Handle() const { return m_hwnd; }
    HWND Text() const { return m_text; }

  private:
    // The viewer's size at 96 DPI.
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    bool Create(HWND owner);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    HWND m_text = nullptr;
};

}  // namespace quorvane

#endif  // QUORVANE_UI_WIN32_WIN32_HELP_VIEWER_H_
