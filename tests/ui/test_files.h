// Small generated databases for the frame's tests; scratch folders and file helpers come from
// the shared test support.
#ifndef QUORVANE_TESTS_UI_TEST_FILES_H_
#define QUORVANE_TESTS_UI_TEST_FILES_H_

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "tools/dbwriter/db_writer.h"

namespace quorvane::test {

// Three known ranges over a filler: 1.0.0.0/8, 8.8.8.0/24 and 10.0.0.0/8 (see the .cc for the
// texts), every other address "0|0|0|0|0".
std::vector<dbwriter::Range> SampleRanges();
// Every range gets the text, a gap-free database with one answer for every address.
std::vector<dbwriter::Range> OneTextRanges(const std::string& text);
// Writes a database; fails the test on error.
void MakeDatabase(const std::filesystem::path& path, const std::vector<dbwriter::Range>& ranges);

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_UI_TEST_FILES_H_
