// Which pieces of the sources the coarsening must keep exactly.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tools/dbpipeline/sweep.h"

namespace quorvane::dbpipeline {
namespace {

constexpr std::uint32_t Ip(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    return a << 24 | b << 16 | c << 8 | d;
}

const Segment& PieceAt(const std::vector<Segment>& pieces, std::uint32_t address) {
    for (const Segment& s : pieces) {
        if (s.start <= address && address <= s.end) {
            return s;
        }
    }
    ADD_FAILURE() << "no piece holds " << address;
    static const Segment kNone;
    return kNone;
}

TEST(SweepSources, PinsLargeCarrierBlocksAndResolversButLeavesSmallBlocksToTheWeighing) {
    StringPool pool;
    const std::uint32_t china = pool.Intern("中国");
    SourcePlaces places;
    places.places = {Place{china, pool.Intern("广东省"), pool.Intern("广州市"), true}};
    const std::uint32_t small = Ip(36, 0, 0, 0);
    const std::uint32_t large = Ip(36, 0, 4, 0);
    const std::uint32_t resolver = Ip(114, 114, 114, 114);
    places.blocks = {{small, small + 255, 0},
                     {large, large + 1023, 0},
                     {Ip(114, 114, 114, 0), Ip(114, 114, 114, 255), 0}};
    places.blockPlace = {0, 0, 0};
    const std::vector<AsnRange> asn = {{Ip(36, 0, 0, 0), Ip(36, 255, 255, 255), "China Mobile"},
                                       {Ip(114, 114, 114, 0), Ip(114, 114, 114, 255), "NSD"}};

    const std::vector<Segment> pieces = SweepSources(places, asn, china, pool);

    EXPECT_EQ(PieceAt(pieces, large).pinned, kAllFieldsPinned);
    EXPECT_EQ(PieceAt(pieces, resolver).pinned, kAllFieldsPinned);
    const Segment& left = PieceAt(pieces, small);
    EXPECT_EQ(left.pinned, 0);
    // Unpinned, it still carries the carrier's name for the weighing to keep.
    EXPECT_EQ(pool.Get(left.value[kProvider]), "移动");
}

}  // namespace
}  // namespace quorvane::dbpipeline
