// Where the running program lives: the tool and the batch command look for their database and
// help page beside their own executable.
#ifndef QUORVANE_FILES_APP_DIRECTORY_H_
#define QUORVANE_FILES_APP_DIRECTORY_H_

#include <string>
#include <string_view>

namespace quorvane {

// The part of path up to and including its last '/'; the empty string when it has none.
std::u16string DirectoryPart(std::u16string_view path);

// The directory of the running executable with its trailing separator ("/opt/quorvane/"), taken
// from /proc/self/exe (on Windows from GetModuleFileNameW, whatever its length, up to its last
// '\' or '/'); the empty string when it cannot be found.
std::u16string GetAppDirectory();

}  // namespace quorvane

#endif  // QUORVANE_FILES_APP_DIRECTORY_H_
