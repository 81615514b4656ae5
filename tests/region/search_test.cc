// The three search strategies over small hand-laid files: boundaries, special records, lazy
// loads, mixing strategies on one handle, and the handle's life cycle.
#include <quorvane/region.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "tests/region/test_db.h"
#include "tests/support/temp_database.h"

namespace quorvane::test {
namespace {

// Ranges with gaps between them (misses), one range of a single address, one that ends at the
// top of the address space. Spacing 2 gives several header stretches whose ends share entries.
std::vector<TestRange> GappedRanges() {
    return {
        {0x00000000u, 0x000000FFu, "zero|0|0|0|0"}, {0x01000000u, 0x01FFFFFFu, "one|0|p1|c1|isp1"},
        {0x02000000u, 0x02000000u, "single"},       {0x02000001u, 0x0AFFFFFFu, "wide"},
        {0x0C000000u, 0x0C0000FFu, "after gap"},    {0x80000000u, 0xBFFFFFFFu, "upper"},
        {0xC0000000u, 0xFFFFFFFEu, "top"},          {0xFFFFFFFFu, 0xFFFFFFFFu, "last"}};
}

class StrategyTest : public ::testing::TestWithParam<Strategy> {};

TEST_P(StrategyTest, FindsEveryRangeAtBothEndsAndMissesTheGaps) {
    const auto ranges = GappedRanges();
    for (std::size_t spacing : {1u, 2u, 3u, 100u}) {
        const TempDatabase file = TempDatabase::FromImage(BuildImage(ranges, spacing));
        OpenHandle handle(file.Path());
        ASSERT_TRUE(handle.Opened());
        for (std::size_t i = 0; i < ranges.size(); ++i) {
            const Found expected{1, static_cast<std::uint32_t>(i + 1), ranges[i].text};
            EXPECT_EQ(Search(GetParam().search, handle.Get(), ranges[i].start), expected)
                << "start of range " << i << ", spacing " << spacing;
            EXPECT_EQ(Search(GetParam().search, handle.Get(), ranges[i].end), expected)
                << "end of range " << i << ", spacing " << spacing;
        }
        for (std::uint32_t gap :
             {0x00000100u, 0x00FFFFFFu, 0x0B000000u, 0x0C000100u, 0x7FFFFFFFu}) {
            EXPECT_EQ(Search(GetParam().search, handle.Get(), gap).code, 0)
                << "gap " << gap << ", spacing " << spacing;
        }
    }
}

TEST_P(StrategyTest, StringTwinSearchesTheConvertedAddress) {
    const TempDatabase file = TempDatabase::FromImage(BuildImage(GappedRanges(), 2));
    OpenHandle handle(file.Path());
    region_result result{};
    ASSERT_EQ(GetParam().searchString(handle.Get(), " 12 .0.0.25\r", &result), 1);
    EXPECT_STREQ(result.region_text, "after gap");
    EXPECT_EQ(result.record_number, 5u);
    EXPECT_EQ(GetParam().searchString(handle.Get(), "11.0.0.0", &result), 0);
}

TEST_P(StrategyTest, MissAndFailureLeaveTheResultUntouched) {
    const TempDatabase file = TempDatabase::FromImage(BuildImage(GappedRanges(), 2));
    region_result result;
    std::memset(&result, 0x5A, sizeof result);
    region_result before = result;
    {
        OpenHandle handle(file.Path());
        EXPECT_EQ(GetParam().search(handle.Get(), 0x0B000000u, &result), 0);
    }
    OpenHandle missing("/nonexistent/quorvane/ip2region.db");
    EXPECT_FALSE(missing.Opened());
    EXPECT_EQ(GetParam().search(missing.Get(), 0x01000000u, &result), 0);
    EXPECT_EQ(std::memcmp(&result, &before, sizeof result), 0);
}

TEST_P(StrategyTest, RecordOfLengthFourIsFoundWithEmptyText) {
    const TempDatabase file =
        TempDatabase::FromImage(BuildImage({{0, 99, ""}, {100, 0xFFFFFFFFu, "rest"}}, 1));
    OpenHandle handle(file.Path());
    region_result result;
    std::memset(&result, 'x', sizeof result);
    ASSERT_EQ(GetParam().search(handle.Get(), 50, &result), 1);
    EXPECT_EQ(result.record_number, 1u);
    EXPECT_EQ(result.region_text[0], '\0');
}

TEST_P(StrategyTest, LongestTextIsCopiedWhole) {
    const std::string longest(251, 'z');
    const TempDatabase file = TempDatabase::FromImage(BuildImage({{0, 0xFFFFFFFFu, longest}}, 1));
    OpenHandle handle(file.Path());
    EXPECT_EQ(Search(GetParam().search, handle.Get(), 1234).text, longest);
}

TEST_P(StrategyTest, ZeroDataPointerIsNotFound) {
    auto image = BuildImage({{0, 99, "a"}, {100, 199, "b"}, {200, 0xFFFFFFFFu, "c"}}, 1);
    PutU32(image, IndexEntryOffset(image, 1) + 8, 0);
    const TempDatabase file = TempDatabase::FromImage(image);
    OpenHandle handle(file.Path());
    EXPECT_EQ(Search(GetParam().search, handle.Get(), 100).code, 0);
    EXPECT_EQ(Search(GetParam().search, handle.Get(), 199).code, 0);
    EXPECT_EQ(Search(GetParam().search, handle.Get(), 200).text, "c");
}

TEST_P(StrategyTest, OneEntryIndex) {
    const auto image = BuildImage({{0x0A000000u, 0x0AFFFFFFu, "ten"}}, 1);
    ASSERT_EQ(FirstIndexOffset(image), LastIndexOffset(image));
    const TempDatabase file = TempDatabase::FromImage(image);
    OpenHandle handle(file.Path());
    EXPECT_EQ(Search(GetParam().search, handle.Get(), 0x0A000000u).text, "ten");
    EXPECT_EQ(Search(GetParam().search, handle.Get(), 0x0AFFFFFFu).text, "ten");
    EXPECT_EQ(Search(GetParam().search, handle.Get(), 0x09FFFFFFu).code, 0);
    EXPECT_EQ(Search(GetParam().search, handle.Get(), 0x0B000000u).code, 0);
}

TEST_P(StrategyTest, DestroyedHandleFindsNothing) {
    const TempDatabase file = TempDatabase::FromImage(BuildImage(GappedRanges(), 2));
    region_handle handle;
    ASSERT_EQ(ip2region_create(&handle, file.Path().c_str()), 1);
    EXPECT_EQ(Search(GetParam().search, &handle, 0x01000000u).code, 1);
    EXPECT_EQ(ip2region_destroy(&handle), 1);
    EXPECT_EQ(Search(GetParam().search, &handle, 0x01000000u).code, 0);
    EXPECT_EQ(ip2region_destroy(&handle), 1);
}

INSTANTIATE_TEST_SUITE_P(AllStrategies, StrategyTest, ::testing::ValuesIn(AllStrategies()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LifecycleTest, CreateOpensWithoutReadingAndDestroyEmptiesTheHandle) {
    const TempDatabase file = TempDatabase::FromImage(BuildImage(GappedRanges(), 2));
    region_handle handle;
    std::memset(&handle, 0x77, sizeof handle);
    ASSERT_EQ(ip2region_create(&handle, file.Path().c_str()), 1);
    EXPECT_NE(handle.header_start_ips, nullptr);
    EXPECT_NE(handle.header_index_offsets, nullptr);
    EXPECT_NE(handle.file, nullptr);
    EXPECT_EQ(handle.file_image, nullptr);
    EXPECT_EQ(handle.header_count, 0);
    EXPECT_EQ(handle.reserved, 0u);
    EXPECT_EQ(handle.index_count, 0);
    EXPECT_EQ(handle.first_index_offset, 0u);

    EXPECT_EQ(ip2region_destroy(&handle), 1);
    EXPECT_EQ(handle.header_start_ips, nullptr);
    EXPECT_EQ(handle.header_index_offsets, nullptr);
    EXPECT_EQ(handle.file, nullptr);
    EXPECT_EQ(handle.file_image, nullptr);
    EXPECT_EQ(ip2region_destroy(&handle), 1);
}

TEST(LifecycleTest, CreateOnMissingFileHoldsNothing) {
    region_handle handle;
    std::memset(&handle, 0x77, sizeof handle);
    EXPECT_EQ(ip2region_create(&handle, "/nonexistent/quorvane/ip2region.db"), 0);
    EXPECT_EQ(handle.header_start_ips, nullptr);
    EXPECT_EQ(handle.header_index_offsets, nullptr);
    EXPECT_EQ(handle.file, nullptr);
    EXPECT_EQ(ip2region_destroy(&handle), 1);
    EXPECT_EQ(ip2region_create(&handle, nullptr), 0);
    EXPECT_EQ(ip2region_destroy(&handle), 1);
}

// Memory search first: the disk binary search then relies on the bounds the image gave.
TEST(MixedStrategiesTest, MemoryThenDisk) {
    const auto ranges = GappedRanges();
    const auto image = BuildImage(ranges, 2);
    const TempDatabase file = TempDatabase::FromImage(image);
    OpenHandle handle(file.Path());
    ASSERT_EQ(Search(ip2region_memory_search, handle.Get(), 0x80000000u).text, "upper");
    EXPECT_NE(handle.Get()->file_image, nullptr);
    EXPECT_EQ(handle.Get()->first_index_offset, FirstIndexOffset(image));
    EXPECT_EQ(handle.Get()->last_index_offset, LastIndexOffset(image));
    EXPECT_EQ(handle.Get()->index_count, static_cast<std::int32_t>(ranges.size()));
    for (int round = 0; round < 2; ++round) {
        for (std::size_t i = 0; i < ranges.size(); ++i) {
            for (const auto& strategy : AllStrategies()) {
                EXPECT_EQ(Search(strategy.search, handle.Get(), ranges[i].end).text, ranges[i].text)
                    << strategy.name << " range " << i;
            }
        }
    }
    EXPECT_EQ(handle.Get()->header_count, 5);
}

// Disk searches first: the memory search still loads its image and the same bounds.
TEST(MixedStrategiesTest, DiskThenMemory) {
    const auto ranges = GappedRanges();
    const auto image = BuildImage(ranges, 3);
    const TempDatabase file = TempDatabase::FromImage(image);
    OpenHandle handle(file.Path());
    ASSERT_EQ(Search(ip2region_btree_search, handle.Get(), 0x02000000u).text, "single");
    ASSERT_EQ(Search(ip2region_binary_search, handle.Get(), 0x02000000u).text, "single");
    EXPECT_EQ(handle.Get()->file_image, nullptr);
    EXPECT_EQ(handle.Get()->index_count, static_cast<std::int32_t>(ranges.size()));
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        EXPECT_EQ(Search(ip2region_memory_search, handle.Get(), ranges[i].start).text,
                  ranges[i].text);
        EXPECT_EQ(Search(ip2region_binary_search, handle.Get(), ranges[i].end).text,
                  ranges[i].text);
        EXPECT_EQ(Search(ip2region_btree_search, handle.Get(), ranges[i].start).text,
                  ranges[i].text);
    }
    EXPECT_NE(handle.Get()->file_image, nullptr);
    EXPECT_EQ(handle.Get()->first_index_offset, FirstIndexOffset(image));
    EXPECT_EQ(handle.Get()->last_index_offset, LastIndexOffset(image));
}

// Loads that find nothing usable keep nothing, so the next search reads the file again.
TEST(LazyLoadTest, HeaderWithoutEntriesIsReadAgain) {
    const auto good = BuildImage(GappedRanges(), 2);
    auto empty = good;
    PutU32(empty, HeaderEntryOffset(0) + 4, 0);
    const TempDatabase file = TempDatabase::FromImage(empty);
    OpenHandle handle(file.Path());
    EXPECT_EQ(Search(ip2region_btree_search, handle.Get(), 0x01000000u).code, 0);
    EXPECT_EQ(handle.Get()->header_count, 0);
    // The other strategies do not use the header index.
    EXPECT_EQ(Search(ip2region_memory_search, handle.Get(), 0x01000000u).code, 1);
    EXPECT_EQ(Search(ip2region_binary_search, handle.Get(), 0x01000000u).code, 1);
    file.Rewrite(good);
    EXPECT_EQ(Search(ip2region_btree_search, handle.Get(), 0x01000000u).text, "one|0|p1|c1|isp1");
}

// The short file is a prefix of the good one, so whatever the stream buffered stays true.
TEST(LazyLoadTest, FailedImageLoadIsRetried) {
    const auto good = BuildImage(GappedRanges(), 2);
    const TempDatabase file =
        TempDatabase::FromImage(std::vector<std::uint8_t>(good.begin(), good.begin() + 3));
    OpenHandle handle(file.Path());
    EXPECT_EQ(Search(ip2region_memory_search, handle.Get(), 0x01000000u).code, 0);
    EXPECT_EQ(handle.Get()->file_image, nullptr);
    EXPECT_EQ(handle.Get()->index_count, 0);
    file.Rewrite(good);
    EXPECT_EQ(Search(ip2region_memory_search, handle.Get(), 0x01000000u).text, "one|0|p1|c1|isp1");
}

TEST(LazyLoadTest, FailedBoundsReadIsRetried) {
    const auto good = BuildImage(GappedRanges(), 2);
    const TempDatabase file =
        TempDatabase::FromImage(std::vector<std::uint8_t>(good.begin(), good.begin() + 3));
    OpenHandle handle(file.Path());
    EXPECT_EQ(Search(ip2region_binary_search, handle.Get(), 0x01000000u).code, 0);
    EXPECT_EQ(handle.Get()->index_count, 0);
    file.Rewrite(good);
    EXPECT_EQ(Search(ip2region_binary_search, handle.Get(), 0x01000000u).text, "one|0|p1|c1|isp1");
}

// Each worker of a run owns a handle on the same file: handles must share no state.
TEST(SeparateHandlesTest, OneFileSearchedFromSeveralThreads) {
    const auto ranges = GappedRanges();
    const TempDatabase file = TempDatabase::FromImage(BuildImage(ranges, 2));
    std::vector<int> mismatches(3, 0);
    std::vector<std::thread> workers;
    for (int w = 0; w < 3; ++w) {
        workers.emplace_back([&, w] {
            OpenHandle handle(file.Path());
            for (int round = 0; round < 50; ++round) {
                for (std::size_t i = 0; i < ranges.size(); ++i) {
                    // Every worker starts with a different strategy.
                    for (std::size_t s = 0; s < 3; ++s) {
                        const auto& strategy = AllStrategies()[(s + w) % 3];
                        mismatches[w] +=
                            Search(strategy.search, handle.Get(), ranges[i].end).text !=
                            ranges[i].text;
                    }
                }
            }
        });
    }
    for (auto& worker : workers) {
        worker.join();
    }
    EXPECT_EQ(mismatches, std::vector<int>(3, 0));
}

}  // namespace
}  // namespace quorvane::test
