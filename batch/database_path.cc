#include "batch/database_path.h"

#include <sys/stat.h>

#include "files/app_directory.h"
#include "files/conversions.h"

namespace quorvane {

std::u16string DefaultDatabasePath() {
    return GetAppDirectory() + u"ip2region.db";
}

bool DatabaseFileExists(std::u16string_view path) {
    const std::string narrow = WideToUtf8(path);
    if (narrow.empty()) {
        return false;
    }
    struct stat info;
    return ::stat(narrow.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace quorvane
