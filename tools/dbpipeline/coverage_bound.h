// How good coarsening could be at best: the exact best result over all fields at once is out of
// reach, so this bounds one field at a time, as if every range were spent on that field alone.
// A coverage figure close to its bound shows the shortfall lies in the data and the range budget,
// not in the merging order.
#ifndef QUORVANE_TOOLS_DBPIPELINE_COVERAGE_BOUND_H_
#define QUORVANE_TOOLS_DBPIPELINE_COVERAGE_BOUND_H_

#include <cstddef>
#include <vector>

#include "tools/dbpipeline/coarsen.h"

namespace quorvane::dbpipeline {

// Returns a percentage that Coverage::Percent(field) cannot exceed for any coarsening of fine
// into at most maxRanges ranges that obeys the rules of coarsen.h: two different known
// countries never share a range and a special range stays alone. Pinned values and the other
// fields are ignored, which only loosens the bound. The value is a Lagrangian dual bound,
// minimised over the price of one range, so it is sound but need not be reached.
// REQUIRES: fine sorted and not overlapping (as JoinIdentical leaves it); 0 <= field < 4.
double CoverageUpperBound(const std::vector<Segment>& fine, int field, std::size_t maxRanges);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_COVERAGE_BOUND_H_
