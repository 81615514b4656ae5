// Which pieces of the sources the coarsening must keep exactly.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
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

Address6 Net6(std::uint64_t high, std::uint64_t low = 0) {
    return (Address6{high} << 64) | low;
}

// IPv6: no pins, no pieces where no source has data, special space labelled whatever the sources
// say, China's carriers by their Chinese names inside the mainland only.
TEST(SweepSources6, KeepsEveryPieceWithDataAndLabelsSpecialSpace) {
    StringPool pool;
    const std::uint32_t china = pool.Intern("中国");
    SourcePlaces6 places;
    places.places = {
        Place{china, pool.Intern("广东省"), pool.Intern("广州市"), true},
        Place{pool.Intern("德国"), pool.Intern("Hesse"), pool.Intern("Frankfurt"), false}};
    places.blocks = {{Net6(0x2409800000000000), Net6(0x24098000FFFFFFFF, ~0ull), 0},
                     {Net6(0x2A00000000000000), Net6(0x2A00000000000000, 0xFF), 1},
                     {Net6(0xFE80000000000000), Net6(0xFE80000000000000, 0xFF), 1}};
    places.blockPlace = {0, 1, 1};
    const std::vector<AsnRange6> asn = {
        {Net6(0x2409800000000000), Net6(0x240980000000FFFF, ~0ull), "China Mobile"},
        {Net6(0x2A00000000000000, 0x80), Net6(0x2A00000000000000, 0x1FF), "Deutsche Telekom, AG"}};

    const std::vector<Segment6> pieces = SweepSources6(places, asn, pool);

    const auto at = [&](Address6 address) -> const Segment6* {
        for (const Segment6& s : pieces) {
            if (s.start <= address && address <= s.end) {
                return &s;
            }
        }
        return nullptr;
    };
    const auto provider = [&](Address6 address) {
        return at(address) == nullptr ? std::string("(none)")
                                      : pool.Get(at(address)->value[kProvider]);
    };
    EXPECT_EQ(provider(0), "本网络地址");
    EXPECT_EQ(provider(1), "本机地址");
    EXPECT_EQ(provider(2), "(none)");
    EXPECT_EQ(provider(Net6(0x20010DB800000000, 5)), "文档示例地址");
    EXPECT_EQ(provider(Net6(0x2409800000000000, 9)), "移动");
    EXPECT_EQ(pool.Get(at(Net6(0x2409800000000000, 9))->value[kCity]), "广州市");
    EXPECT_TRUE(at(Net6(0x2409800000000000))->end == Net6(0x240980000000FFFF, ~0ull));
    EXPECT_EQ(provider(Net6(0x2409800000010000)), "") << "the rest of the city block: no AS row";
    EXPECT_EQ(pool.Get(at(Net6(0x2409800000010000))->value[kCity]), "广州市");
    EXPECT_EQ(provider(Net6(0x2409800100000000)), "(none)") << "no source: no piece";
    // An organisation without a known name keeps its own, without the comma; the AS row runs past
    // the block.
    EXPECT_EQ(provider(Net6(0x2A00000000000000, 0x7F)), "");
    EXPECT_EQ(provider(Net6(0x2A00000000000000, 0x80)), "Deutsche Telekom AG");
    EXPECT_EQ(pool.Get(at(Net6(0x2A00000000000000, 0x80))->value[kCity]), "Frankfurt");
    EXPECT_EQ(at(Net6(0x2A00000000000000, 0x1FF))->value[kCity], 0u);
    // Link-local whatever the city source says.
    EXPECT_EQ(provider(Net6(0xFE80000000000000, 1)), "链路本地地址");
    EXPECT_EQ(at(Net6(0xFE80000000000000, 1))->value[kCountry], 0u);
    EXPECT_EQ(provider(~Address6{0}), "组播地址");
}

TEST(ReadAsnCsv6, ReadsAddressesUpToTheLastAndRefusesLarger) {
    std::vector<AsnRange6> ranges;
    std::string error;
    std::istringstream good(
        "42540488161975842760550356425300246528,42540488241204005274814694018844196863,6939,"
        "\"Hurricane Electric, LLC\"\n"
        "340282366920938463463374607431768211455,340282366920938463463374607431768211455,1,last\n");
    ASSERT_TRUE(ReadAsnCsv6(good, ranges, error)) << error;
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_TRUE(ranges[0].start == Net6(0x2001000000000000));
    EXPECT_EQ(ranges[0].organisation, "Hurricane Electric, LLC");
    EXPECT_TRUE(ranges[1].end == ~Address6{0});
    std::istringstream tooLarge("0,340282366920938463463374607431768211456,1,over\n");
    EXPECT_FALSE(ReadAsnCsv6(tooLarge, ranges, error));
    EXPECT_EQ(error.rfind("line 1:", 0), 0u) << error;
}

}  // namespace
}  // namespace quorvane::dbpipeline
