// Laying the sources over each other: the address space cut into pieces on which the city
// source, the AS table and the special-purpose ranges are each constant.
#ifndef QUORVANE_TOOLS_DBPIPELINE_SWEEP_H_
#define QUORVANE_TOOLS_DBPIPELINE_SWEEP_H_

#include <array>
#include <cstdint>
#include <vector>

#include "tools/dbpipeline/coarsen.h"
#include "tools/dbpipeline/source_places.h"
#include "tools/dbpipeline/sources.h"
#include "tools/dbpipeline/string_pool.h"

namespace quorvane::dbpipeline {

// Returns the pieces, in address order, covering every address once. A piece takes its place
// from the city source and its provider from the AS table (the carriers' names inside mainland
// China, see KnownProviderName); a special-purpose range takes only its label, as provider, and
// is marked special. Pieces of China's carriers of at least 1,024 addresses and the ranges holding
// well-known public resolvers are pinned whole.
// REQUIRES: places and asn sorted and not overlapping (as DecodePlaces and ReadAsnCsv leave
// them); china == pool.Intern("中国").
std::vector<Segment> SweepSources(const SourcePlaces& places, const std::vector<AsnRange>& asn,
                                  std::uint32_t china, StringPool& pool);

// A closed range of IPv6 addresses and its four values, as Segment.
struct Segment6 {
    Address6 start = 0;
    Address6 end = 0;
    std::array<std::uint32_t, kFieldCount> value{};
};

// SweepSources for IPv6, without pinning (the IPv6 file keeps every piece): the pieces that some
// source covers, in address order; addresses no source covers are left out.
// REQUIRES: places and asn sorted and not overlapping.
std::vector<Segment6> SweepSources6(const SourcePlaces6& places, const std::vector<AsnRange6>& asn,
                                    StringPool& pool);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_SWEEP_H_
