#include <unistd.h>

#include <cstddef>
#include <string>

#include "files/conversions.h"
#include "files/text_file.h"

namespace quorvane {

std::u16string DirectoryPart(std::u16string_view path) {
    const std::size_t slash = path.rfind(u'/');
    return slash == std::u16string_view::npos ? std::u16string()
                                              : std::u16string(path.substr(0, slash + 1));
}

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
