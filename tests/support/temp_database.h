// A database built into a temporary file for the time of a test or benchmark, so that no binary
// fixture has to be committed.
#ifndef QUORVANE_TESTS_SUPPORT_TEMP_DATABASE_H_
#define QUORVANE_TESTS_SUPPORT_TEMP_DATABASE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "tools/dbwriter/db_writer.h"

namespace quorvane::test {

using dbwriter::BuildOptions;
using dbwriter::Range;

// A database file in the temporary folder ($TMPDIR, else /tmp; %TEMP% on Windows), removed when the
// object dies. Tests hand path() to the code under test.
class TempDatabase {
  public:
    // Builds ranges with options and writes the image. On failure ok() is false, path() empty and
    // error() says why.
    explicit TempDatabase(const std::vector<Range>& ranges, const BuildOptions& options = {});

    // Writes image byte for byte: hand-made or deliberately broken files.
    static TempDatabase FromImage(const std::vector<std::uint8_t>& image);

    ~TempDatabase();
    TempDatabase(TempDatabase&& other) noexcept;
    TempDatabase& operator=(TempDatabase&& other) noexcept;
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

  private:
    TempDatabase() = default;
    void WriteImage(const std::vector<std::uint8_t>& image);
    void Remove();

    std::string path_;
    std::string error_;
};

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_SUPPORT_TEMP_DATABASE_H_
