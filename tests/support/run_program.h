// Runs a built program as a user would, without a shell in between.
#ifndef QUORVANE_TESTS_SUPPORT_RUN_PROGRAM_H_
#define QUORVANE_TESTS_SUPPORT_RUN_PROGRAM_H_

#include <filesystem>
#include <string>
#include <vector>

namespace quorvane::test {

// Runs program with args (ASCII or UTF-8 text), input from nothing and output and errors into
// the files named, and waits for it. Returns its exit code, or -1 when it could not be started
// or did not exit normally.
int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
               const std::filesystem::path& output, const std::filesystem::path& errors);

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_SUPPORT_RUN_PROGRAM_H_
