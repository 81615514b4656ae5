#include <windows.h>

#include <cstddef>
#include <string>

#include "files/app_directory.h"

namespace quorvane {

std::u16string GetAppDirectory() {
    // The module path may exceed MAX_PATH; a full buffer means it was cut, so it grows.
    std::wstring path(MAX_PATH + 1, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) {
            return {};
        }
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        if (path.size() >= 32768) {
            return {};
        }
        path.resize(path.size() * 2);
    }
    // Windows takes both separators, and a path may mix them.
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) {
        return {};
    }
    return std::u16string(reinterpret_cast<const char16_t*>(path.data()), slash + 1);
}

}  // namespace quorvane
