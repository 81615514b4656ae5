#include "batch/database_open.h"

#include <string>

#include "files/conversions.h"

namespace quorvane {

int OpenDatabase(region_handle& handle, std::u16string_view path) {
    // Paths reach the system as UTF-8, as the text file and the existence check pass them, so
    // the file that Start found is the file that is opened.
    const std::string narrow = WideToUtf8(path);
    return ip2region_create(&handle, narrow.c_str());
}

}  // namespace quorvane
