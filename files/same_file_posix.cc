#include <sys/stat.h>

#include "files/conversions.h"
#include "files/same_file.h"

namespace quorvane {

bool IsSameFile(std::u16string_view first, std::u16string_view second) {
    struct stat a;
    struct stat b;
    return ::stat(WideToUtf8(first).c_str(), &a) == 0 &&
           ::stat(WideToUtf8(second).c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

}  // namespace quorvane
