#include <stdio.h>
#include <sys/stat.h>

#include <cstdint>
#include <string>

#include "batch/database_open.h"
#include "region/region_file.h"

namespace quorvane {

int OpenDatabase(region_handle& handle, std::u16string_view path) {
    const std::wstring name(reinterpret_cast<const wchar_t*>(path.data()), path.size());
    FILE* file = name.empty() || name.find(L'\0') != std::wstring::npos
                     ? nullptr
                     : _wfopen(name.c_str(), L"rb");
    // Only a regular file the format can address: a device has no size to make an image of.
    struct _stat64 info;
    if (file != nullptr &&
        (_fstat64(_fileno(file), &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG ||
         static_cast<std::uint64_t>(info.st_size) > (std::uint64_t{1} << 32))) {
        fclose(file);
        file = nullptr;
    }
    return quorvane_region_create_from_file(&handle, file);
}

}  // namespace quorvane
