#include "ui/win32/win32_help_viewer.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>

#include "files/conversions.h"
#include "ui/win32/win32_text.h"
#include "ui/window_texts.h"

namespace quorvane {

namespace {

constexpr wchar_t kClassName[] = L"QUORVANE_HELP";

bool IsBlockTag(std::string_view name) {
    for (std::string_view block : {"p", "br", "div", "h1", "h2", "h3", "h4", "h5", "h6", "li", "tr",
                                   "ul", "ol", "table", "section", "pre", "dt", "dd", "title"}) {
        if (name == block) {
            return true;
        }
    }
    return false;
}

// Appends the character reference at html[i] ('&') and returns the index after it.
std::size_t AppendReference(std::string_view html, std::size_t i, std::string& out) {
    const std::size_t end = html.find(';', i);
    if (end == std::string_view::npos || end - i > 10) {
        out.push_back('&');
        return i + 1;
    }
    const std::string_view name = html.substr(i + 1, end - i - 1);
    unsigned long code = 0;
    if (name == "amp") {
        code = '&';
    } else if (name == "lt") {
        code = '<';
    } else if (name == "gt") {
        code = '>';
    } else if (name == "quot") {
        code = '"';
    } else if (name == "apos") {
        code = '\'';
    } else if (name == "nbsp") {
        code = ' ';
    } else if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        code = std::strtoul(std::string(name.substr(hex ? 2 : 1)).c_str(), nullptr, hex ? 16 : 10);
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        out.append(html.substr(i, end - i + 1));
        return end + 1;
    }
    // As UTF-8, like the text around it.
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
    return end + 1;
}

void EndLine(std::string& out) {
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    if (!out.empty() && !(out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0)) {
        out += "\r\n";
    }
}

}  // namespace

std::u16string HtmlToPlainText(std::string_view html) {
    std::string out;
    std::string skipUntil;  // the closing tag that ends a part left out
    for (std::size_t i = 0; i < html.size();) {
        const char c = html[i];
        if (c == '<') {
            const std::size_t end = html.find('>', i);
            if (end == std::string_view::npos) {
                break;
            }
            std::string_view tag = html.substr(i + 1, end - i - 1);
            i = end + 1;
            const bool closing = !tag.empty() && tag[0] == '/';
            std::string name;
            for (std::size_t k = closing ? 1 : 0;
                 k < tag.size() && std::isalnum(static_cast<unsigned char>(tag[k])); ++k) {
                name.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(tag[k]))));
            }
            if (!skipUntil.empty()) {
                if (closing && name == skipUntil) {
                    skipUntil.clear();
                }
                continue;
            }
            if (!closing && (name == "head" || name == "style" || name == "script")) {
                skipUntil = name;
            } else if (IsBlockTag(name)) {
                EndLine(out);
                if (!closing && name == "li") {
                    out += "\xE2\x80\xA2 ";  // a bullet
                }
            }
            continue;
        }
        if (!skipUntil.empty()) {
            ++i;
            continue;
        }
        if (c == '&') {
            i = AppendReference(html, i, out);
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!out.empty() && out.back() != ' ' && out.back() != '\n') {
                out.push_back(' ');
            }
        } else {
            out.push_back(c);
        }
        ++i;
    }
    EndLine(out);
    while (out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0) {
        out.resize(out.size() - 2);
    }
    return Utf8ToWide(out);
}

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
    if (m_hwnd == nullptr) {
        m_hwnd = CreateWindowExW(0, kClassName, AsWide(texts::kHelpViewerTitle),
                                 WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, owner,
                                 nullptr, GetModuleHandleW(nullptr), this);
        if (m_hwnd == nullptr) {
            return;
        }
        m_text = CreateWindowExW(
            WS_EX_CLIENTEDGE, L"EDIT", nullptr,
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
            0, 0, m_hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(m_text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     TRUE);
        RECT client;
        GetClientRect(m_hwnd, &client);
        MoveWindow(m_text, 0, 0, client.right, client.bottom, FALSE);
    }
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::u16string text = HtmlToPlainText(html);
    SetWindowTextW(m_text, reinterpret_cast<const wchar_t*>(text.c_str()));
    ShowWindow(m_hwnd, SW_SHOWNORMAL);
    SetForegroundWindow(m_hwnd);
}

}  // namespace quorvane
