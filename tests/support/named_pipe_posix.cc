#include <sys/stat.h>

#include "tests/support/named_pipe.h"

namespace quorvane::test {

bool MakeNamedPipe(const std::filesystem::path& path) {
    return ::mkfifo(path.c_str(), 0600) == 0;
}

}  // namespace quorvane::test
