// A named pipe in the file system, for tests of what the tool does when handed one.
#ifndef QUORVANE_TESTS_SUPPORT_NAMED_PIPE_H_
#define QUORVANE_TESTS_SUPPORT_NAMED_PIPE_H_

#include <filesystem>

namespace quorvane::test {

// Makes a FIFO at path. False where the system has none in its file system (Windows), and on
// failure; a test then leaves that case out.
bool MakeNamedPipe(const std::filesystem::path& path);

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_SUPPORT_NAMED_PIPE_H_
