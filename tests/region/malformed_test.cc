// Files that break the format's rules: every strategy must stay inside the file, the image and
// its own buffers, and report the search as failed. Run under ASan to catch stray reads.
#include <quorvane/region.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/region/test_db.h"
#include "tests/support/named_pipe.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/temp_database.h"

namespace quorvane::test {
namespace {

std::vector<TestRange> ThreeRanges() {
    return {{0, 0x0FFFFFFFu, "low"},
            {0x10000000u, 0x7FFFFFFFu, "mid"},
            {0x80000000u, 0xFFFFFFFFu, "high"}};
}

// Every strategy, on a fresh handle each, for every address given.
void ExpectAllFail(const std::vector<std::uint8_t>& image,
                   const std::vector<std::uint32_t>& addresses,
                   const std::vector<Strategy>& strategies = AllStrategies()) {
    const TempDatabase file = TempDatabase::FromImage(image);
    for (const auto& strategy : strategies) {
        OpenHandle handle(file.Path());
        ASSERT_TRUE(handle.Opened());
        for (std::uint32_t address : addresses) {
            EXPECT_EQ(Search(strategy.search, handle.Get(), address).code, 0)
                << strategy.name << " at " << address;
        }
    }
}

std::vector<Strategy> Only(std::initializer_list<const char*> names) {
    std::vector<Strategy> chosen;
    for (const auto& strategy : AllStrategies()) {
        for (const char* name : names) {
            if (std::string(name) == strategy.name) {
                chosen.push_back(strategy);
            }
        }
    }
    return chosen;
}

TEST(MalformedTest, RecordLengthBelowFour) {
    for (std::uint32_t length = 0; length < 4; ++length) {
        auto image = BuildImage(ThreeRanges(), 1);
        const std::uint32_t pointer = GetU32(image, IndexEntryOffset(image, 1) + 8);
        PutU32(image, IndexEntryOffset(image, 1) + 8,
               format::MakeDataPointer(length, format::DataPointerOffset(pointer)));
        ExpectAllFail(image, {0x10000000u, 0x7FFFFFFFu});
    }
}

TEST(MalformedTest, DataRecordPastTheEndOfTheFile) {
    auto image = BuildImage(ThreeRanges(), 1);
    const auto size = static_cast<std::uint32_t>(image.size());
    // One byte too long, wholly past the end, and at the largest offset a pointer can hold.
    PutU32(image, IndexEntryOffset(image, 0) + 8, format::MakeDataPointer(20, size - 19));
    PutU32(image, IndexEntryOffset(image, 1) + 8, format::MakeDataPointer(10, size + 100));
    PutU32(image, IndexEntryOffset(image, 2) + 8, format::MakeDataPointer(255, 0xFFFFFFu));
    ExpectAllFail(image, {0, 0x10000000u, 0xFFFFFFFFu});

    // Ending exactly at the end of the file is still inside it.
    PutU32(image, IndexEntryOffset(image, 0) + 8, format::MakeDataPointer(20, size - 20));
    const TempDatabase file = TempDatabase::FromImage(image);
    for (const auto& strategy : AllStrategies()) {
        OpenHandle handle(file.Path());
        EXPECT_EQ(Search(strategy.search, handle.Get(), 5).code, 1) << strategy.name;
    }
}

TEST(MalformedTest, LastIndexOffsetBelowFirst) {
    auto image = BuildImage(ThreeRanges(), 1);
    PutU32(image, 4, FirstIndexOffset(image) - 12);
    ExpectAllFail(image, {0, 0x10000000u, 0xFFFFFFFFu}, Only({"memory", "binary"}));
    PutU32(image, 4, 0);
    ExpectAllFail(image, {0, 0x10000000u, 0xFFFFFFFFu}, Only({"memory", "binary"}));
}

TEST(MalformedTest, IndexEntriesPastTheFile) {
    auto image = BuildImage(ThreeRanges(), 1);
    // The last entry would run 6 bytes past the end: the memory search refuses the whole index.
    PutU32(image, 4, static_cast<std::uint32_t>(image.size() - 6));
    ExpectAllFail(image, {0, 0x10000000u, 0xFFFFFFFFu}, Only({"memory"}));
    // The whole index past the end.
    PutU32(image, 0, 0xFFFFFF00u);
    PutU32(image, 4, 0xFFFFFF00u);
    ExpectAllFail(image, {0, 0x10000000u, 0xFFFFFFFFu}, Only({"memory", "binary"}));
    PutU32(image, 0, static_cast<std::uint32_t>(image.size()));
    PutU32(image, 4, 0xFFFFFFF0u);
    ExpectAllFail(image, {0, 0x10000000u, 0xFFFFFFFFu}, Only({"memory", "binary"}));
}

TEST(MalformedTest, HeaderEntriesPastTheFile) {
    auto image = BuildImage(ThreeRanges(), 1);
    PutU32(image, HeaderEntryOffset(1) + 4, static_cast<std::uint32_t>(image.size() + 24));
    PutU32(image, HeaderEntryOffset(2) + 4, static_cast<std::uint32_t>(image.size() + 36));
    ExpectAllFail(image, {0x10000000u, 0xFFFFFFFFu}, Only({"btree"}));
}

TEST(MalformedTest, FewerThanTwoHeaderEntries) {
    auto image = BuildImage(ThreeRanges(), 100);
    PutU32(image, HeaderEntryOffset(1) + 4, 0);
    ExpectAllFail(image, {0, 0x10000000u, 0xFFFFFFFFu}, Only({"btree"}));
}

TEST(MalformedTest, HeaderEntriesInReverse) {
    auto image = BuildImage(ThreeRanges(), 1);
    const std::uint32_t first = GetU32(image, HeaderEntryOffset(0) + 4);
    PutU32(image, HeaderEntryOffset(0) + 4, GetU32(image, HeaderEntryOffset(2) + 4));
    PutU32(image, HeaderEntryOffset(2) + 4, first);
    ExpectAllFail(image, {0x10000000u, 0x7FFFFFFFu, 0xFFFFFFFFu}, Only({"btree"}));
}

// A header entry may point at most 681 index entries past its neighbour: that stretch holds
// 682 entries, 8,184 bytes; one entry more no longer fits the 8,192-byte buffer.
TEST(MalformedTest, StretchLargerThanItsBuffer) {
    std::vector<TestRange> ranges;
    for (std::uint32_t i = 0; i < 1000; ++i) {
        ranges.push_back({i * 16, i * 16 + 15, "r" + std::to_string(i)});
    }
    {
        const TempDatabase file = TempDatabase::FromImage(BuildImage(ranges, 681));
        OpenHandle handle(file.Path());
        EXPECT_EQ(Search(ip2region_btree_search, handle.Get(), 681 * 16 - 1).text, "r680");
        EXPECT_EQ(Search(ip2region_btree_search, handle.Get(), 681 * 16).text, "r681");
    }
    ExpectAllFail(BuildImage(ranges, 682), {0, 500 * 16}, Only({"btree"}));
}

TEST(MalformedTest, FileTooShortForItsFixedBlocks) {
    ExpectAllFail({}, {0, 0xFFFFFFFFu});
    ExpectAllFail({1, 2, 3, 4, 5, 6, 7}, {0, 0xFFFFFFFFu});
    auto image = BuildImage(ThreeRanges(), 1);
    image.resize(kFixedBlocksEnd - 1);
    ExpectAllFail(image, {0, 0xFFFFFFFFu}, Only({"btree"}));
}

// A file cut short anywhere gives, for each search, either the right answer or a failure.
TEST(MalformedTest, TruncatedFileNeverGivesAWrongAnswer) {
    std::vector<TestRange> ranges;
    for (std::uint32_t i = 0; i < 40; ++i) {
        ranges.push_back({i << 26, (i << 26) + (1u << 25), "range " + std::to_string(i)});
    }
    const auto full = BuildImage(ranges, 7);
    std::vector<std::size_t> cuts;
    for (std::size_t cut = 0; cut < full.size(); cut += 61) {
        cuts.push_back(cut);
    }
    for (std::size_t cut = full.size() - 300; cut < full.size(); ++cut) {
        cuts.push_back(cut);
    }
    for (std::size_t cut : cuts) {
        const TempDatabase file =
            TempDatabase::FromImage(std::vector<std::uint8_t>(full.begin(), full.begin() + cut));
        for (const auto& strategy : AllStrategies()) {
            OpenHandle handle(file.Path());
            for (std::size_t i = 0; i < ranges.size(); i += 3) {
                const Found found = Search(strategy.search, handle.Get(), ranges[i].end);
                if (found.code == 1) {
                    EXPECT_EQ(found.text, ranges[i].text) << strategy.name << " cut " << cut;
                }
            }
        }
    }
}

// Only a regular file opens: a directory reports a size of 2^63 that the memory search would
// try to allocate, and a pipe without a writer would block create (and every worker) for ever.
TEST(MalformedTest, CreateRefusesWhatIsNoRegularFile) {
    ScratchDir dir("quorvane-create");
    std::vector<std::string> paths = {dir.Dir().string(), "/dev/zero"};
    if (MakeNamedPipe(dir.Path("pipe.db"))) {
        paths.push_back(dir.Path("pipe.db").string());
    }
    for (const std::string& path : paths) {
        region_handle handle;
        EXPECT_EQ(ip2region_create(&handle, path.c_str()), 0) << path;
        region_result result;
        EXPECT_EQ(ip2region_memory_search(&handle, 1, &result), 0);
        EXPECT_EQ(ip2region_destroy(&handle), 1);
    }
}

}  // namespace
}  // namespace quorvane::test
