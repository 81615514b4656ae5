#include <sys/stat.h>

#include "batch/database_path.h"
#include "files/conversions.h"

namespace quorvane {

bool DatabaseFileExists(std::u16string_view path) {
    const std::string narrow = WideToUtf8(path);
    if (narrow.empty()) {
        return false;
    }
    struct stat info;
    return ::stat(narrow.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace quorvane
