#include <windows.h>

#include "batch/database_path.h"

namespace quorvane {

std::u16string Database6PathBeside(std::u16string_view dbPath) {
    const std::size_t slash = dbPath.find_last_of(u"\\/:");
    return std::u16string(dbPath.substr(0, slash == std::u16string_view::npos ? 0 : slash + 1)) +
           u"region6.db";
}

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
