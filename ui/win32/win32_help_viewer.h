// The tool's own help viewer for a system without a handler for local pages: a plain window
// showing the help page's text, no browser needed.
#ifndef QUORVANE_UI_WIN32_WIN32_HELP_VIEWER_H_
#define QUORVANE_UI_WIN32_WIN32_HELP_VIEWER_H_

#include <windows.h>

#include <string>
#include <string_view>

namespace quorvane {

// The readable text of an HTML page (UTF-8): head, styles and scripts left out, each block element
// on a line of its own, list items marked, character references decoded, runs of blanks made
// one; lines end in CR LF, as the edit control wants.
std::u16string HtmlToPlainText(std::string_view html);

class CWin32HelpViewer {
  public:
    CWin32HelpViewer() = default;
    // Destroys the viewer's window if it is open.
    ~CWin32HelpViewer();
    CWin32HelpViewer(const CWin32HelpViewer&) = delete;
    CWin32HelpViewer& operator=(const CWin32HelpViewer&) = delete;

    // Shows the page at path (a local file) in the viewer's window, owned by owner, making the
    // window first and bringing it to the front. A page that cannot be read shows as empty.
    void ShowPage(HWND owner, std::u16string_view path);

    HWND Handle() const { return m_hwnd; }
    HWND Text() const { return m_text; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    HWND m_text = nullptr;
};

}  // namespace quorvane

#endif  // QUORVANE_UI_WIN32_WIN32_HELP_VIEWER_H_
