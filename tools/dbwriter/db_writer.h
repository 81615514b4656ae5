// Builds ip2region.db files: the command quorvane-dbmake, the database pipeline and the tests
// (which make their databases at test time) all use this library.
#ifndef QUORVANE_TOOLS_DBWRITER_DB_WRITER_H_
#define QUORVANE_TOOLS_DBWRITER_DB_WRITER_H_

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace quorvane::dbwriter {

// One closed range [start, end] and its region text (UTF-8, at most 251 bytes).
struct Range {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::string text;
};

struct BuildOptions {
    // When set, every gap between ranges (and before the first / after the last) is covered by
    // a range with this text; otherwise gaps are simply not found.
    std::optional<std::string> fillText;
};

// Reads lines "start,end,region text" (start and end dotted or decimal; the text is the rest of
// the line and may hold commas; a CR before the LF is dropped; empty lines are skipped).
// On error returns false and sets error to "line N: what is wrong".
bool ParseRanges(std::istream& in, std::vector<Range>& ranges, std::string& error);

// Lays out a database image: bounds block, header index, deduplicated data records (before the
// index, so their offsets stay below 16 MiB), then the index. Deterministic: the same ranges give
// the same bytes. Rejects (false, error set; for a range error "range N: ...", N counted from 1)
// unsorted or overlapping ranges, start > end, texts over 251 bytes or not valid UTF-8, and input
// that cannot fit the format.
bool BuildDatabase(const std::vector<Range>& ranges, const BuildOptions& options,
                   std::vector<std::uint8_t>& image, std::string& error);

// BuildDatabase, then writes the image to path. False with error set on any failure.
bool WriteDatabase(const std::vector<Range>& ranges, const BuildOptions& options,
                   const std::string& path, std::string& error);

}  // namespace quorvane::dbwriter

#endif  // QUORVANE_TOOLS_DBWRITER_DB_WRITER_H_
