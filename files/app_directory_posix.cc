#include "files/app_directory.h"

#include <unistd.h>

#include <cstddef>
#include <string>

#include "files/conversions.h"

namespace quorvane {

std::u16string GetAppDirectory() {
    std::string target(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", target.data(), target.size());
        if (n < 0) {
            return {};
        }
        if (static_cast<std::size_t>(n) < target.size()) {
            target.resize(static_cast<std::size_t>(n));
            break;
        }
        if (target.size() >= (1U << 20)) {
            return {};
        }
        target.resize(target.size() * 2);
    }
    return DirectoryPart(Utf8ToWide(target));
}

}  // namespace quorvane
