// The coarsening that builds the database, as one best partition rather than a sequence of
// pairwise merges: every range costs a price, a single pass finds the split that keeps most (as
// KeptInRange weighs it) minus the price of its ranges, and the price is searched until the
// ranges fit the budget. The pass looks at every field at once, so it can spend a range where
// province, city and provider together gain most, which a cheapest-merge-first order cannot see.
#ifndef QUORVANE_TOOLS_DBPIPELINE_PRICED_PARTITION_H_
#define QUORVANE_TOOLS_DBPIPELINE_PRICED_PARTITION_H_

#include <cstdint>
#include <vector>

#include "tools/dbpipeline/coarsen.h"

namespace quorvane::dbpipeline {

// Splits fine into at most options.maxRanges ranges under the rules of coarsen.h (two known
// countries never share a range, special ranges stay alone, pinned values survive, a range's
// city comes from a segment of its province). A range takes the country and province of one of
// its segments, and the city of that province and the provider most of its addresses hold; the
// boundaries are then refined as RefineBoundaries does. The pass follows only the likeliest open
// ranges at each segment, so the result is near, not at, the best. Deterministic.
// REQUIRES: fine sorted and not overlapping (as JoinIdentical leaves it).
// Returns false when no price brings the ranges within the budget; coarse is then the fewest.
bool PartitionByPrice(const std::vector<Segment>& fine, const CoarsenOptions& options,
                      std::vector<Segment>& coarse);

// What fine keeps inside coarse, weighted per field as options says, minus the cost of
// countries given to unknown space: the quantity PartitionByPrice tries to make largest.
// REQUIRES: every fine segment lies inside one coarse segment; both sorted.
std::int64_t WeightedKept(const std::vector<Segment>& fine, const std::vector<Segment>& coarse,
                          const CoarsenOptions& options);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_PRICED_PARTITION_H_
