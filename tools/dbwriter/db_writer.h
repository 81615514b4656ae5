// Builds ip2region.db files: the command quorvane-dbmake, the database pipeline and the tests
// (which make their databases at test time) all use this library.
#ifndef QUORVANE_TOOLS_DBWRITER_DB_WRITER_H_
#define QUORVANE_TOOLS_DBWRITER_DB_WRITER_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "region/region_format.h"

namespace quorvane::dbwriter {

// The layout limits the writer keeps to, typed as the writer uses them; the values live in
// region/region_format.h.
inline constexpr std::uint32_t kHeaderOffset = format::kHeaderOffset;
inline constexpr std::uint32_t kHeaderBlockSize = format::kHeaderBlockSize;
inline constexpr std::uint32_t kHeaderEntrySize = format::kHeaderEntrySize;
inline constexpr std::uint32_t kMaxHeaderEntries = format::kMaxHeaderEntries;
inline constexpr std::uint32_t kIndexEntrySize = format::kIndexEntrySize;
inline constexpr std::uint32_t kMaxHeaderSpacing = format::kMaxHeaderSpacing;
inline constexpr std::size_t kMaxRanges = format::kMaxRanges;
inline constexpr std::uint32_t kMaxDataOffset = format::kMaxDataOffset;
inline constexpr std::uint32_t kMinRecordLength = format::kMinRecordLength;
inline constexpr std::uint32_t kMaxRecordLength = format::kMaxRecordLength;
inline constexpr std::size_t kMaxTextBytes = format::kMaxTextBytes;
inline constexpr std::uint32_t kFixedBlocksEnd = format::kFixedBlocksEnd;

// One closed range [start, end] and its region text (UTF-8, at most 251 bytes).
struct Range {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::string text;

    friend bool operator==(const Range&, const Range&) = default;
};

struct BuildOptions {
    // When set, every gap between ranges (and before the first / after the last) is covered by
    // a range with this text; otherwise gaps are simply not found.
    std::optional<std::string> fillText;
};

// Reads lines "start,end,region text" (start and end dotted or decimal; the text is the rest of
// the line and may hold commas; a CR before the LF is dropped; empty lines are skipped).
// Each range is checked as it is read (numbers, start <= end, order against the previous range,
// text length and encoding), so that a fault is reported with the line that holds it.
// On error returns false and sets error to "line N: what is wrong".
bool ParseRanges(std::istream& in, std::vector<Range>& ranges, std::string& error);

// Lays out a database image: bounds block, header index, deduplicated data records (before the
// index, so their offsets stay below 16 MiB), then the index. Deterministic: the same ranges give
// the same bytes. Rejects (false, error set; for a range error "range N: ...", N counted from 1)
// unsorted or overlapping ranges, start > end, texts over 251 bytes or not valid UTF-8, and input
// that cannot fit the format. An input without ranges is rejected unless fillText is set, in
// which case the file holds the one range 0..4294967295.
// Each distinct text is stored once; its record_number is its ordinal (from 1) in the order of
// first appearance among the ranges after filling.
bool BuildDatabase(const std::vector<Range>& ranges, const BuildOptions& options,
                   std::vector<std::uint8_t>& image, std::string& error);

// BuildDatabase, then writes the image to path. False with error set on any failure.
bool WriteDatabase(const std::vector<Range>& ranges, const BuildOptions& options,
                   const std::string& path, std::string& error);

// Writes image to path through a temporary file beside it that is renamed over path, so that a
// failed write never leaves a truncated database behind. False with error set on any failure.
bool WriteImage(const std::vector<std::uint8_t>& image, const std::string& path,
                std::string& error);

// Parses an address written dotted (four decimal parts 0..255) or as one decimal number up to
// 4294967295. Surrounding spaces and tabs are ignored; anything else fails.
std::optional<std::uint32_t> ParseAddress(std::string_view text);

// The address dotted ("1.2.3.4"), as ParseAddress reads it back.
std::string Dotted(std::uint32_t address);

// Checks a region text for storage: empty when it can be stored, else what is wrong with it.
// Texts with a NUL byte are refused: readers hand the text on zero-terminated and would cut it.
std::string CheckRegionText(std::string_view text);

}  // namespace quorvane::dbwriter

#endif  // QUORVANE_TOOLS_DBWRITER_DB_WRITER_H_
