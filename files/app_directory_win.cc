#include <windows.h>

#include <cstddef>
#include <string>

#include "files/text_file.h"

namespace quorvane {

std::u16string DirectoryPart(std::u16string_view path) {
    // Windows takes both separators, and a path may mix them.
    const std::size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string_view::npos ? std::u16string()
                                              : std::u16string(path.substr(0, slash + 1));
}

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
    return DirectoryPart(
        std::u16string_view(reinterpret_cast<const char16_t*>(path.data()), path.size()));
}

}  // namespace quorvane
