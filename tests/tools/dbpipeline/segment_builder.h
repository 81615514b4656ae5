// Building pipeline segments in tests: values are small ids for country, province, city and
// provider (0 = no value).
#ifndef QUORVANE_TESTS_TOOLS_DBPIPELINE_SEGMENT_BUILDER_H_
#define QUORVANE_TESTS_TOOLS_DBPIPELINE_SEGMENT_BUILDER_H_

#include <cstdint>

#include "tools/dbpipeline/coarsen.h"

namespace quorvane::dbpipeline {

inline Segment Seg(std::uint32_t start, std::uint32_t end, std::uint32_t country,
                   std::uint32_t province, std::uint32_t city, std::uint32_t provider) {
    Segment s;
    s.start = start;
    s.end = end;
    s.value = {country, province, city, provider};
    return s;
}

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TESTS_TOOLS_DBPIPELINE_SEGMENT_BUILDER_H_
