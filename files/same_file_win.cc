#include <windows.h>

#include <string>

#include "files/same_file.h"

namespace quorvane {

namespace {

// The volume and the file's index on it; false when the file cannot be opened.
bool Identify(std::u16string_view path, BY_HANDLE_FILE_INFORMATION& info) {
    const std::wstring name(path.begin(), path.end());
    // No access asked for: the attributes of a file another program holds can still be read.
    HANDLE handle =
        CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool known = GetFileInformationByHandle(handle, &info) != 0;
    CloseHandle(handle);
    return known;
}

}  // namespace

bool IsSameFile(std::u16string_view first, std::u16string_view second) {
    BY_HANDLE_FILE_INFORMATION a;
    BY_HANDLE_FILE_INFORMATION b;
    return Identify(first, a) && Identify(second, b) &&
           a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace quorvane
