#include "ui/win32/win32_help_viewer.h"

#include <richedit.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>

#include "ui/win32/win32_help_page_rtf.h"
#include "ui/win32/win32_text.h"
#include "ui/win32/win32_window_geometry.h"
#include "ui/window_texts.h"

namespace quorvane {

namespace {

constexpr wchar_t kClassName[] = L"QUORVANE_HELP";

}  // namespace

CWin32HelpViewer::~CWin32HelpViewer() {
    if (m_hwnd != nullptr) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
}

LRESULT CALLBACK CWin32HelpViewer::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    auto* self = reinterpret_cast<CWin32HelpViewer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
            break;
        case WM_SIZE:
            if (self != nullptr && self->m_text != nullptr) {
                MoveWindow(self->m_text, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            }
            return 0;
        case WM_NCDESTROY:
            if (self != nullptr) {
                self->m_hwnd = nullptr;
                self->m_text = nullptr;
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void CWin32HelpViewer::ShowPage(HWND owner, std::u16string_view path) {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &CWin32HelpViewer::WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClassName;
        RegisterClassExW(&wc);
    });
    if (m_hwnd == nullptr && !Create(owner)) {
        return;
    }
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string rtf = HtmlToRtf(html);
    SETTEXTEX how = {ST_DEFAULT, CP_ACP};
    SendMessageW(m_text, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                 reinterpret_cast<LPARAM>(rtf.c_str()));
    ShowWindow(m_hwnd, SW_SHOWNORMAL);
    SetForegroundWindow(m_hwnd);
}

bool CWin32HelpViewer::Create(HWND owner) {
    // The rich edit control lives in its own library; loaded once, never unloaded.
    static const HMODULE kRichEdit = LoadLibraryW(L"msftedit.dll");
    if (kRichEdit == nullptr) {
        return false;
    }
    const int dpi = WindowDpi(owner != nullptr ? owner : GetDesktopWindow());
    m_hwnd =
        CreateWindowExW(0, kClassName, AsWide(texts::kHelpViewerTitle), WS_OVERLAPPEDWINDOW,
                        CW_USEDEFAULT, CW_USEDEFAULT, ScaleToDpi(kWidth, dpi),
                        ScaleToDpi(kHeight, dpi), owner, nullptr, GetModuleHandleW(nullptr), this);
    if (m_hwnd == nullptr) {
        return false;
    }
    m_text = CreateWindowExW(
        0, MSFTEDIT_CLASS, nullptr,
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0,
        0, m_hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    // Margins as a page has them, on the rich edit's own background.
    SendMessageW(m_text, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(ScaleToDpi(12, dpi), ScaleToDpi(12, dpi)));
    RECT client;
    GetClientRect(m_hwnd, &client);
    MoveWindow(m_text, 0, 0, client.right, client.bottom, FALSE);
    // Over the main window, as the Qt viewer and every dialog of the tool open.
    CenterWindowOverOwner(m_hwnd);
    return true;
}

}  // namespace quorvane
