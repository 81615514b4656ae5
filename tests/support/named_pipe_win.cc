#include "tests/support/named_pipe.h"

namespace quorvane::test {

// Windows names its pipes under \\.\pipe\, never in a folder.
bool MakeNamedPipe(const std::filesystem::path&) {
    return false;
}

}  // namespace quorvane::test
