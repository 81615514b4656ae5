#include "ui/win32/win32_file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "ui/win32/win32_text.h"
#include "ui/window_texts.h"

namespace quorvane {

namespace {

// Long paths are allowed: a chooser that fails on a path of 261 characters would look to the user
// like a cancel.
constexpr DWORD kPathCapacity = 32768;

}  // namespace

std::optional<std::u16string> RunFileDialog(HWND owner, bool save) {
    // "label\0pattern\0\0"
    std::wstring filter = ToWide(texts::kTextFileFilter);
    filter.push_back(L'\0');
    filter += ToWide(texts::kTextFilePattern);
    filter.push_back(L'\0');

    std::vector<wchar_t> path(kPathCapacity, L'\0');
    std::vector<wchar_t> title(256, L'\0');
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.hInstance = GetModuleHandleW(nullptr);
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = kPathCapacity;
    ofn.lpstrFileTitle = title.data();
    ofn.nMaxFileTitle = static_cast<DWORD>(title.size());
    // No hook: one that handles nothing would only keep the system from its current chooser.
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING;
    ofn.lpstrDefExt = save ? L"txt" : nullptr;
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen || path[0] == L'\0') {
        return std::nullopt;
    }
    return FromWide(path.data());
}

}  // namespace quorvane
