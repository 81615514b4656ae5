// A database built into a temporary file for the time of a test or benchmark, so that no binary
// fixture has to be committed.
#ifndef QUORVANE_TESTS_SUPPORT_TEMP_DATABASE_H_
#define QUORVANE_TESTS_SUPPORT_TEMP_DATABASE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "tools/dbwriter/db_writer.h"
#include "tools/dbwriter/region6_writer.h"

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

// Writes a region6.db of ranges (blocks of 8 ranges: test files are small) to path. Throws
// std::runtime_error, which fails the test, when the writer refuses the ranges or the write fails.
void WriteRegion6File(const std::filesystem::path& path,
                      const std::vector<dbwriter::Range6>& ranges);

// A small IPv6 file's ranges for the run tests: 2001:db8::/32 "文档|0|0|0|示例", 240e::/20
// "中国|0|广东省|深圳市|电信", and ::ffff:0:0/96 "映射|0|0|0|0", which a run never shows (an
// IPv4-mapped row answers from the IPv4 file); every other address holds no data.
std::vector<dbwriter::Range6> SampleRanges6();

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_SUPPORT_TEMP_DATABASE_H_
