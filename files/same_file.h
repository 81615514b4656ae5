// Whether two names reach one file: links, hard links and different spellings of a path
// included.
#ifndef QUORVANE_FILES_SAME_FILE_H_
#define QUORVANE_FILES_SAME_FILE_H_

#include <string_view>

namespace quorvane {

// True when both paths (UTF-16) name existing files and these are one file of one volume; false
// when they differ or either cannot be examined.
bool IsSameFile(std::u16string_view first, std::u16string_view second);

}  // namespace quorvane

#endif  // QUORVANE_FILES_SAME_FILE_H_
