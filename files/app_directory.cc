#include "files/app_directory.h"

#include <cstddef>

namespace quorvane {

std::u16string DirectoryPart(std::u16string_view path) {
    const std::size_t slash = path.rfind(u'/');
    return slash == std::u16string_view::npos ? std::u16string()
                                              : std::u16string(path.substr(0, slash + 1));
}

}  // namespace quorvane
