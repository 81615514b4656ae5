#include <windows.h>

#include "batch/database_path.h"

namespace quorvane {

bool DatabaseFileExists(std::u16string_view path) {
    // The wide name reaches the file whatever the ANSI code page lacks.
    const std::wstring name(reinterpret_cast<const wchar_t*>(path.data()), path.size());
    if (name.empty() || name.find(L'\0') != std::wstring::npos) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace quorvane
