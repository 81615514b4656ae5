// Builds region6.db files (IPv6 ranges and their region texts; layout in region/region6_format.h).
#ifndef QUORVANE_TOOLS_DBWRITER_REGION6_WRITER_H_
#define QUORVANE_TOOLS_DBWRITER_REGION6_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

#include "region6_format.h"
#include "region6_search.h"

namespace quorvane::dbwriter {

// One closed range [start, end] of IPv6 addresses and its region text (UTF-8, at most 251 bytes,
// no NUL).
struct Range6 {
    Region6Address start{};
    Region6Address end{};
    std::string text;
};

// Lays out a region6.db image from ranges sorted by start and not overlapping; addresses outside
// every range hold no data. Neighbouring ranges with the same text (the one's end right before the
// other's start) become one range; each distinct text is stored once, numbered in the order of
// its first appearance. Deterministic: the same ranges give the same bytes. The image passes
// Region6Open. Rejects (false, error "range N: ...", N counted from 1) unsorted or overlapping
// ranges, start > end and texts that cannot be stored. blockBits sets how many ranges (2^blockBits)
// each first-level table entry stands for; small blocks are for tests, whose files are small.
// REQUIRES: blockBits <= kRegion6MaxBlockBits.
bool BuildRegion6(const std::vector<Range6>& ranges, std::vector<std::uint8_t>& image,
                  std::string& error, std::uint32_t blockBits = format6::kRegion6BlockBits);

}  // namespace quorvane::dbwriter

#endif  // QUORVANE_TOOLS_DBWRITER_REGION6_WRITER_H_
