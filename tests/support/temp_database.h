// A database built into a temporary file for the time of a test or benchmark, so that no binary
// fixture has to be committed.
#ifndef QUORVANE_TESTS_SUPPORT_TEMP_DATABASE_H_
#define QUORVANE_TESTS_SUPPORT_TEMP_DATABASE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "tools/dbwriter/db_writer.h"

namespace quorvane::test {

using dbwriter::BuildOptions;
using dbwriter::Range;

// A database file, ip2region.db in a scratch folder of its own, removed when the object dies.
// Tests hand Path() to the code under test.
class TempDatabase {
  public:
    // Builds ranges with options and writes the image. On failure Ok() is false, Path() empty and
    // Error() says why.
    explicit TempDatabase(const std::vector<Range>& ranges, const BuildOptions& options = {});

    // Writes image byte for byte: hand-made or deliberately broken files.
    static TempDatabase FromImage(const std::vector<std::uint8_t>& image);

    // A moved-from database has no file: Ok() is false.
    TempDatabase(TempDatabase&& other) noexcept;
    TempDatabase& operator=(TempDatabase&& other) noexcept;
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    // Replaces the file's bytes in place: a handle already open on it sees the new ones. Throws
    // std::runtime_error when the write fails.
    // REQUIRES: Ok().
    void Rewrite(const std::vector<std::uint8_t>& image) const;

    bool Ok() const { return !m_path.empty(); }
    const std::string& Path() const { return m_path; }
    const std::string& Error() const { return m_error; }

  private:
    TempDatabase() = default;
    void WriteImage(const std::vector<std::uint8_t>& image);

    ScratchDir m_dir{"quorvane-db"};
    std::string m_path;  // empty until the image is written
    std::string m_error;
};

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_SUPPORT_TEMP_DATABASE_H_
