// Scratch folders, small generated databases and file helpers for the frame's tests.
#ifndef QUORVANE_TESTS_UI_TEST_FILES_H_
#define QUORVANE_TESTS_UI_TEST_FILES_H_

#include <filesystem>
#include <string>
#include <vector>

#include "tools/dbwriter/db_writer.h"

namespace quorvane::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::filesystem::path Path(const std::string& name) const { return m_dir / name; }
    // The same path as the UTF-16 text the window hands over.
    std::u16string Wide(const std::string& name) const;

  private:
    std::filesystem::path m_dir;
};

std::u16string Widen(const std::string& ascii);
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// Three known ranges over a filler: 1.0.0.0/8, 8.8.8.0/24 and 10.0.0.0/8 (see the .cc for the
// texts), every other address "0|0|0|0|0".
std::vector<dbwriter::Range> SampleRanges();
// Every range gets the text, a gap-free database with one answer for every address.
std::vector<dbwriter::Range> OneTextRanges(const std::string& text);
// Writes a database; fails the test on error.
void MakeDatabase(const std::filesystem::path& path, const std::vector<dbwriter::Range>& ranges);

}  // namespace quorvane::testing

#endif  // QUORVANE_TESTS_UI_TEST_FILES_H_
