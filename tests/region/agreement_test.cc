// The three strategies against each other and against a plain search over the ranges, on a
// database as large as the format allows: 1,024 header entries, every stretch 682 entries.
#include <quorvane/region.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "tests/region/test_db.h"
#include "tests/support/temp_database.h"
#include "tools/dbwriter/db_writer.h"

namespace quorvane::test {
namespace {

#ifdef QUORVANE_SANITIZED
constexpr std::size_t kRangeCount = 20'000;
constexpr std::size_t kRandomLookups = 60'000;
#else
constexpr std::size_t kRangeCount = 1023 * 681 + 1;
constexpr std::size_t kRandomLookups = 1'000'000;
#endif

// Ranges spread over the whole address space with gaps between them, some a single address,
// with a few thousand distinct texts shared between them.
std::vector<dbwriter::Range> MakeRanges(std::mt19937& rng) {
    std::vector<std::string> texts;
    for (int i = 0; i < 3000; ++i) {
        texts.push_back("country" + std::to_string(i % 50) + "|0|province" +
                        std::to_string(i % 300) + "|city" + std::to_string(i) + "|isp" +
                        std::to_string(i % 7));
    }
    const std::uint64_t slot = (std::uint64_t{1} << 32) / kRangeCount;
    std::vector<dbwriter::Range> ranges;
    ranges.reserve(kRangeCount);
    for (std::size_t i = 0; i < kRangeCount; ++i) {
        const std::uint64_t base = i * slot;
        const std::uint64_t start = base + rng() % (slot / 4);
        const std::uint64_t length = (i % 5 == 0) ? 0 : rng() % (slot / 2);
        ranges.push_back({static_cast<std::uint32_t>(start),
                          static_cast<std::uint32_t>(start + length), texts[rng() % texts.size()]});
    }
    // The very ends of the address space belong to ranges too.
    ranges.front().start = 0;
    ranges.back().end = 0xFFFFFFFFu;
    return ranges;
}

// The answer by a plain search over the ranges themselves.
const dbwriter::Range* Covering(const std::vector<dbwriter::Range>& ranges, std::uint32_t address) {
    auto it =
        std::upper_bound(ranges.begin(), ranges.end(), address,
                         [](std::uint32_t a, const dbwriter::Range& r) { return a < r.start; });
    if (it == ranges.begin() || address > std::prev(it)->end) {
        return nullptr;
    }
    return &*std::prev(it);
}

TEST(AgreementTest, StrategiesAgreeWithEachOtherAndWithThePlainSearch) {
    std::mt19937 rng(20261207);
    const auto ranges = MakeRanges(rng);
    std::vector<std::uint8_t> image;
    std::string error;
    ASSERT_TRUE(dbwriter::BuildDatabase(ranges, {}, image, error)) << error;
    const TempDatabase file = TempDatabase::FromImage(image);

    std::vector<std::uint32_t> addresses;
    addresses.reserve(kRandomLookups + 4 * (ranges.size() / 17) + 4);
    for (std::size_t i = 0; i < kRandomLookups; ++i) {
        addresses.push_back(static_cast<std::uint32_t>(rng()));
    }
    for (std::size_t i = 0; i < ranges.size(); i += 17) {
        addresses.push_back(ranges[i].start);
        addresses.push_back(ranges[i].end);
        addresses.push_back(ranges[i].end + 1);
        addresses.push_back(ranges[i].start - 1);
    }

    OpenHandle memory(file.Path());
    OpenHandle binary(file.Path());
    OpenHandle btree(file.Path());
    ASSERT_TRUE(memory.Opened() && binary.Opened() && btree.Opened());
    std::size_t found = 0;
    std::size_t disagreements = 0;
    for (std::uint32_t address : addresses) {
        const Found fromMemory = Search(ip2region_memory_search, memory.Get(), address);
        const Found fromBinary = Search(ip2region_binary_search, binary.Get(), address);
        const Found fromBtree = Search(ip2region_btree_search, btree.Get(), address);
        const dbwriter::Range* expected = Covering(ranges, address);
        const bool ok = fromMemory == fromBinary && fromMemory == fromBtree &&
                        fromMemory.code == (expected != nullptr ? 1 : 0) &&
                        (expected == nullptr || fromMemory.text == expected->text);
        if (!ok && ++disagreements <= 10) {
            ADD_FAILURE() << "address " << address << ": memory " << fromMemory.code << " '"
                          << fromMemory.text << "', binary " << fromBinary.code << " '"
                          << fromBinary.text << "', btree " << fromBtree.code << " '"
                          << fromBtree.text << "', expected "
                          << (expected ? expected->text : std::string("a miss"));
        }
        found += fromMemory.code;
    }
    EXPECT_EQ(disagreements, 0u);
    EXPECT_EQ(btree.Get()->header_count, static_cast<std::int32_t>(std::min<std::size_t>(
                                             1024, (ranges.size() + 680) / 681 + 1)));
    // Both hits and misses were exercised.
    EXPECT_GT(found, addresses.size() / 5);
    EXPECT_LT(found, addresses.size() - addresses.size() / 5);
}

// The memory search answers whole 65,536-address slices from a table built at load: slices one
// range covers exactly or overhangs, slices where a range starts on or after the first address,
// empty slices, and both ends of the address space, each probed at its edges.
TEST(AgreementTest, MemorySearchAgreesAroundSliceEdges) {
    const std::vector<dbwriter::Range> ranges = {
        {0x00000000, 0x0000FFFF, "a|0|exact|slice|0"},
        {0x00010000, 0x0002FFFF, "b|0|two|slices|0"},
        {0x00031000, 0x0003FFFF, "c|0|starts|inside|0"},
        {0x00040000, 0x00040000, "d|0|one|address|0"},
        {0x00040001, 0x0005FFFF, "e|0|overhangs|next|0"},
        {0x00060000, 0x0006FFFE, "f|0|one|short|0"},
        {0x00080005, 0x000A0004, "g|0|middle|to|middle"},
        {0xFFFF0000, 0xFFFFFFFF, "h|0|last|slice|0"},
    };
    std::vector<std::uint8_t> image;
    std::string error;
    ASSERT_TRUE(dbwriter::BuildDatabase(ranges, {}, image, error)) << error;
    const TempDatabase file = TempDatabase::FromImage(image);
    OpenHandle memory(file.Path());
    OpenHandle binary(file.Path());
    ASSERT_TRUE(memory.Opened() && binary.Opened());

    std::vector<std::uint32_t> addresses = {0x12345678, 0x7FFF0000, 0xFFFEFFFF};
    for (std::uint32_t slice = 0; slice < 12; ++slice) {
        for (std::uint32_t offset : {0u, 1u, 0x8000u, 0xFFFEu, 0xFFFFu}) {
            addresses.push_back((slice << 16) + offset);
        }
    }
    for (const dbwriter::Range& range : ranges) {
        for (std::uint32_t address : {range.start - 1, range.start, range.end, range.end + 1}) {
            addresses.push_back(address);
        }
    }
    for (std::uint32_t address : addresses) {
        const Found fromMemory = Search(ip2region_memory_search, memory.Get(), address);
        const dbwriter::Range* expected = Covering(ranges, address);
        EXPECT_EQ(fromMemory, Search(ip2region_binary_search, binary.Get(), address)) << address;
        EXPECT_EQ(fromMemory.code, expected != nullptr ? 1 : 0) << address;
        if (expected != nullptr) {
            EXPECT_EQ(fromMemory.text, expected->text) << address;
        }
    }
}

}  // namespace
}  // namespace quorvane::test
