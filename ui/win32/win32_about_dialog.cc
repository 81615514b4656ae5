#include "ui/win32/win32_about_dialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include "ui/resources/resource_ids.h"
#include "ui/win32/win32_text.h"
#include "ui/win32/win32_window_geometry.h"

namespace quorvane {

namespace {

struct LinkSection {
    int controlId;
    const char16_t* section;
};

// The tool uses no network: each link names a section of the help page shipped with it.
constexpr LinkSection kLinks[] = {
    {IDC_LINK_HOME, u"home"},
    {IDC_LINK_DONATE, u"support"},
    {IDC_LINK_AUTHOR, u"author"},
};

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            CenterWindowOverOwner(dialog);
            return FALSE;  // the dialog manager is not asked to set the focus
        case WM_COMMAND:
            // Esc (IDCANCEL) is left to the default processing, which keeps the dialog open.
            if (LOWORD(wParam) == IDOK) {
                EndDialog(dialog, 0);
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code != NM_CLICK && header->code != NM_RETURN) {
                return FALSE;
            }
            const auto* helpPage =
                reinterpret_cast<const std::u16string*>(GetWindowLongPtrW(dialog, DWLP_USER));
            for (const LinkSection& link : kLinks) {
                if (static_cast<int>(header->idFrom) == link.controlId && helpPage != nullptr &&
                    !helpPage->empty()) {
                    const std::wstring url = ToWide(HelpSectionUrl(*helpPage, link.section));
                    // Failure (no handler for local pages) stays silent.
                    ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
                    return TRUE;
                }
            }
            return FALSE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR RunAboutDialog(HWND owner, const std::u16string& helpPage) {
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT_DIALOG), owner, AboutProc,
                    reinterpret_cast<LPARAM>(&helpPage));
    return 0;
}

std::u16string HelpSectionUrl(std::u16string_view helpPage, std::u16string_view section) {
    // A folder may hold any character a URL gives a meaning to ('#' starts the fragment, '%' an
    // escape, a space ends the address for some handlers): ASCII other than letters, digits and
    // the few marks a path needs is escaped. Other characters stay, as browsers take them.
    constexpr std::u16string_view kKept = u"-._~/:!$&'()*+,;=@";
    constexpr char16_t kHex[] = u"0123456789ABCDEF";
    std::u16string url = u"file:///";
    for (char16_t c : helpPage) {
        if (c == u'\\') {
            c = u'/';
        }
        const bool alphanumeric =
            (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        if (c >= 0x80 || alphanumeric || kKept.find(c) != std::u16string_view::npos) {
            url.push_back(c);
        } else {
            url += {u'%', kHex[c >> 4], kHex[c & 0xF]};
        }
    }
    url += u'#';
    url += section;
    return url;
}

}  // namespace quorvane
