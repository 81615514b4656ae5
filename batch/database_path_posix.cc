#include <sys/stat.h>

#include "batch/database_path.h"
#include "files/conversions.h"

namespace quorvane {

std::u16string Database6PathBeside(std::u16string_view dbPath) {
    const std::size_t slash = dbPath.rfind(u'/');
    return std::u16string(dbPath.substr(0, slash == std::u16string_view::npos ? 0 : slash + 1)) +
           u"region6.db";
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
