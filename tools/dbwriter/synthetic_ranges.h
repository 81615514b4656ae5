// Made-up but realistic-looking ranges for tests, benchmarks and quorvane-dbsynth, generated at
// run time so that no binary fixture has to be committed.
#ifndef QUORVANE_TOOLS_DBWRITER_SYNTHETIC_RANGES_H_
#define QUORVANE_TOOLS_DBWRITER_SYNTHETIC_RANGES_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/dbwriter/db_writer.h"

namespace quorvane::dbwriter {

// Returns count ranges that together cover 0..4294967295 without gaps or overlaps, sorted, with
// widths spread over several orders of magnitude (from single addresses to millions). Each text
// has five '|' fields, "country|0|province|city|provider", with "0" for an empty field, drawn
// from a small vocabulary of mostly Chinese names, so that many ranges share a text. The same
// count and seed always give the same ranges, on every platform.
// With count = 650,000 the built file's header index is near its limit (956 entries).
// REQUIRES: count <= 4294967296.
std::vector<Range> MakeSyntheticRanges(std::size_t count, std::uint32_t seed);

}  // namespace quorvane::dbwriter

#endif  // QUORVANE_TOOLS_DBWRITER_SYNTHETIC_RANGES_H_
