#include "tools/dbcheck/db_check.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/tools/image_reader.h"
#include "tools/dbwriter/db_writer.h"
#include "tools/dbwriter/synthetic_ranges.h"

namespace quorvane::dbcheck {
namespace {

using dbwriter::BuildOptions;
using dbwriter::MakeSyntheticRanges;
using dbwriter::Range;

std::vector<std::uint8_t> Build(const std::vector<Range>& ranges,
                                const BuildOptions& options = {}) {
    std::vector<std::uint8_t> image;
    std::string error;
    EXPECT_TRUE(dbwriter::BuildDatabase(ranges, options, image, error)) << error;
    return image;
}

void SetU32(std::vector<std::uint8_t>& image, std::size_t at, std::uint32_t value) {
    image.at(at + 3);  // throws when the value would not fit
    format::WriteU32(image.data() + at, value);
}

std::uint32_t GetU32(const std::vector<std::uint8_t>& image, std::size_t at) {
    return format::ReadU32(&image.at(at));
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line + "\n";
    }
    return out;
}

// The check must fail and one of its errors must contain expected.
void ExpectError(const std::vector<std::uint8_t>& image, const std::string& expected) {
    CheckResult result = CheckImage(image);
    EXPECT_FALSE(result.Valid()) << "expected an error containing: " << expected;
    EXPECT_NE(Joined(result.errors).find(expected), std::string::npos)
        << "expected: " << expected << "\ngot:\n"
        << Joined(result.errors);
}

// Consecutive ranges 0..count-1 of one address each, texts shared in pairs.
std::vector<Range> Narrow(std::uint32_t count) {
    std::vector<Range> ranges;
    for (std::uint32_t i = 0; i < count; ++i) {
        ranges.push_back({i * 2, i * 2, "中国|0|省" + std::to_string(i / 2) + "|0|0"});
    }
    return ranges;
}

constexpr std::size_t kHeader = 8;
std::size_t HeaderAt(std::size_t entry) {
    return kHeader + 8 * entry;
}

TEST(CheckImage, AcceptsWhatTheWriterBuilds) {
    BuildOptions fill;
    fill.fillText = "0|0|0|0|0";
    const std::vector<std::vector<std::uint8_t>> images = {
        Build(Narrow(1)),
        Build(Narrow(2)),
        Build(Narrow(681)),
        Build(Narrow(682)),
        Build(Narrow(683)),
        Build(Narrow(1363)),
        Build(Narrow(3), fill),
        Build({}, fill),
        Build(MakeSyntheticRanges(1, 5)),
        Build(MakeSyntheticRanges(30000, 5)),
        Build({{0, 0, ""}, {7, 0xFFFFFFFF, std::string(251, 'x')}}),
    };
    for (const auto& image : images) {
        CheckResult result = CheckImage(image);
        EXPECT_TRUE(result.Valid()) << Joined(result.errors);
        EXPECT_EQ(result.stats.ranges, test::Decode(image).index.size());
    }
#ifndef QUORVANE_SANITIZED
    CheckResult big = CheckImage(Build(MakeSyntheticRanges(650000, 2)));
    EXPECT_TRUE(big.Valid()) << Joined(big.errors);
    EXPECT_TRUE(big.warnings.empty()) << Joined(big.warnings);
    EXPECT_EQ(big.stats.headerEntries, 956u);
#endif
}

TEST(CheckImage, CountsWhatTheFileHolds) {
    const std::vector<Range> ranges = {
        {10, 19, "中国|0|广东省|广州|电信"},
        {20, 29, "x"},
        {40, 49, "中国|0|广东省|广州|电信"},
        {60, 60, ""},
    };
    std::vector<std::uint8_t> image = Build(ranges);
    CheckResult result = CheckImage(image);
    ASSERT_TRUE(result.Valid()) << Joined(result.errors);
    const Statistics& stats = result.stats;
    EXPECT_EQ(stats.fileSize, image.size());
    EXPECT_EQ(stats.headerEntries, 2u);
    EXPECT_EQ(stats.ranges, 4u);
    EXPECT_EQ(stats.dataRecords, 3u);
    EXPECT_EQ(stats.distinctTexts, 3u);
    EXPECT_EQ(stats.dataBytes, (4u + 32u) + (4u + 1u) + 4u);
    EXPECT_EQ(stats.coveredAddresses, 31u);
    // Before 10, 30..39, 50..59, above 60.
    EXPECT_EQ(stats.gaps, 4u);
    EXPECT_EQ(stats.gapAddresses, 4294967296u - 31u);
    EXPECT_EQ(stats.rangesWithoutData, 0u);
    // "x" and "" are not five fields; the empty text too.
    EXPECT_NE(Joined(result.warnings).find("2 distinct texts do not have five"), std::string::npos)
        << Joined(result.warnings);

    std::string text = FormatStatistics(stats);
    EXPECT_NE(text.find("区段 ranges                         4\n"), std::string::npos) << text;
    EXPECT_NE(text.find("空隙 gaps                           4 (4,294,967,265 addresses)"),
              std::string::npos)
        << text;
}

TEST(CheckImage, RejectsBrokenBounds) {
    const std::vector<std::uint8_t> good = Build(Narrow(5));
    const std::uint32_t first = GetU32(good, 0);
    const std::uint32_t last = GetU32(good, 4);

    ExpectError({1, 2, 3}, "too short for the 8-byte bounds block");
    std::vector<std::uint8_t> image(good.begin(), good.begin() + 100);
    ExpectError(image, "ends inside the header index");

    image = good;
    SetU32(image, 4, first - 12);
    ExpectError(image, "is below the first index offset");

    image = good;
    SetU32(image, 4, last - 1);
    ExpectError(image, "not a whole number of 12-byte entries");

    image = good;
    image.pop_back();
    ExpectError(image, "runs past the end of the file");

    image = good;
    SetU32(image, 0, 8);
    ExpectError(image, "inside the bounds block or the header index");
}

TEST(CheckImage, RejectsBrokenHeaderIndexes) {
    const std::vector<std::uint8_t> good = Build(Narrow(1400));  // entries 0, 681, 1362, 1399
    ASSERT_TRUE(CheckImage(good).Valid());
    ASSERT_EQ(GetU32(good, HeaderAt(4) + 4), 0u);

    std::vector<std::uint8_t> image = good;
    SetU32(image, HeaderAt(0) + 4, 0);
    ExpectError(image, "the header index has 0 entries");

    image = Build(Narrow(3));
    SetU32(image, HeaderAt(1) + 4, 0);
    ExpectError(image, "the header index has 1 entry");

    image = good;
    SetU32(image, HeaderAt(0) + 4, GetU32(good, 0) + 12);
    SetU32(image, HeaderAt(0), 2);
    ExpectError(image, "the first header entry points at");

    // Without its entry on the last index entry, the top addresses go to the wrong stretch.
    image = good;
    SetU32(image, HeaderAt(3), 0);
    SetU32(image, HeaderAt(3) + 4, 0);
    ExpectError(image, "not at the last index entry");

    image = good;
    SetU32(image, HeaderAt(1) + 4, GetU32(good, HeaderAt(1) + 4) + 4);
    ExpectError(image, "header entry 1 points at");
    ExpectError(image, "which is not an index entry");

    image = good;
    SetU32(image, HeaderAt(2), GetU32(good, HeaderAt(2)) + 1);
    ExpectError(image,
                "header entry 2 has start address 0.0.10.165 but the index entry it "
                "points at starts at 0.0.10.164");

    // Entries 1 and 2 swapped.
    image = good;
    for (std::size_t at = 0; at < 8; ++at) {
        std::swap(image[HeaderAt(1) + at], image[HeaderAt(2) + at]);
    }
    ExpectError(image, "below the entry before it");
    ExpectError(image, "before the entry before it");

    // Entry 1 dropped: 0 and 1362 are 1,362 entries apart.
    image = good;
    std::memmove(&image[HeaderAt(1)], &image[HeaderAt(2)], 16);
    SetU32(image, HeaderAt(3), 0);
    SetU32(image, HeaderAt(3) + 4, 0);
    ExpectError(image, "header entries 0 and 1 are 1,362 index entries apart (at most 681)");

    // One entry past the limit: 682 apart.
    image = good;
    SetU32(image, HeaderAt(1), GetU32(good, HeaderAt(1)) + 2);
    SetU32(image, HeaderAt(1) + 4, GetU32(good, HeaderAt(1) + 4) + 12);
    ExpectError(image, "are 682 index entries apart");
}

TEST(CheckImage, RejectsBrokenIndexEntries) {
    const std::vector<std::uint8_t> good = Build(Narrow(5));
    const std::uint32_t first = GetU32(good, 0);
    auto entry = [&](std::size_t i) { return first + 12 * i; };

    std::vector<std::uint8_t> image = good;
    SetU32(image, entry(2) + 4, 3);  // starts at 4, ends at 3
    ExpectError(image, "index entry 2 (0.0.0.4-0.0.0.3) starts after it ends");

    image = good;
    SetU32(image, entry(2) + 4, 6);  // runs into entry 3, which starts at 6
    ExpectError(image, "index entry 3 (0.0.0.6-0.0.0.6) is not above the entry before it");

    image = good;
    SetU32(image, entry(3), 1);
    SetU32(image, entry(3) + 4, 1);
    ExpectError(image, "index entry 3 (0.0.0.1-0.0.0.1) is not above the entry before it");
}

TEST(CheckImage, RejectsBrokenDataRecords) {
    const std::vector<std::uint8_t> good = Build(Narrow(5));
    const std::uint32_t first = GetU32(good, 0);
    const std::uint32_t pointerAt = first + 12 * 1 + 8;
    const std::uint32_t pointer = GetU32(good, pointerAt);
    const std::uint32_t offset = format::DataPointerOffset(pointer);

    std::vector<std::uint8_t> image = good;
    SetU32(image, pointerAt, format::MakeDataPointer(3, offset));
    ExpectError(image, "is shorter than its 4-byte record number");

    image = good;
    SetU32(image, pointerAt,
           format::MakeDataPointer(255, static_cast<std::uint32_t>(good.size() - 100)));
    ExpectError(image, "runs past the end of the file");

    image = good;
    SetU32(image, pointerAt, format::MakeDataPointer(12, 0x10));
    ExpectError(image, "overlaps the bounds block or header index");

    image = good;
    SetU32(image, pointerAt, format::MakeDataPointer(16, first - 8));
    ExpectError(image, "overlaps the index");

    image = good;
    image[offset + 4] = 0xFF;
    ExpectError(image, "not valid UTF-8");
}

TEST(CheckImage, WarnsAboutLegalButSuspectContent) {
    std::vector<std::uint8_t> image = Build({{0, 9, "a|b|c|d|e"}, {10, 19, "x"}});
    const std::uint32_t first = GetU32(image, 0);
    SetU32(image, first + 8, 0);  // range 0 without data
    CheckResult result = CheckImage(image);
    EXPECT_TRUE(result.Valid()) << Joined(result.errors);
    std::string warnings = Joined(result.warnings);
    EXPECT_NE(warnings.find("1 ranges have data pointer 0"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("text \"x\" does not have five"), std::string::npos) << warnings;
    EXPECT_EQ(result.stats.coveredAddresses, 10u);
    EXPECT_EQ(result.stats.rangesWithoutData, 1u);

    // An entry after the terminator is never read by a search.
    image = Build(Narrow(5));
    SetU32(image, HeaderAt(5), 99);
    SetU32(image, HeaderAt(5) + 4, GetU32(image, 0));
    result = CheckImage(image);
    EXPECT_TRUE(result.Valid()) << Joined(result.errors);
    EXPECT_NE(Joined(result.warnings).find("header entry 5 follows the terminating entry 2"),
              std::string::npos)
        << Joined(result.warnings);
}

TEST(CheckImage, ListsAFewFaultsOfEachKindAndCountsTheRest) {
    std::vector<std::uint8_t> image = Build(Narrow(100));
    const std::uint32_t first = GetU32(image, 0);
    for (std::size_t i = 0; i < 100; ++i) {
        SetU32(image, first + 12 * i + 8, format::MakeDataPointer(2, 9000));
    }
    CheckResult result = CheckImage(image);
    // One bad record shared by every range is one fault.
    EXPECT_EQ(result.errors.size(), 1u) << Joined(result.errors);
    for (std::size_t i = 0; i < 100; ++i) {
        SetU32(image, first + 12 * i + 8,
               format::MakeDataPointer(2, static_cast<std::uint32_t>(9000 + i)));
    }
    result = CheckImage(image);
    ASSERT_EQ(result.errors.size(), 11u) << Joined(result.errors);
    EXPECT_EQ(result.errors.back(), "... and 90 more: record length");
}

TEST(CheckImage, SurvivesAnyDamage) {
    // Random bytes written over a valid file: whatever they hit, the check reads nothing
    // outside the image (the sanitizer builds catch it if it does) and stays deterministic.
    const std::vector<std::uint8_t> good = Build(Narrow(1400));
    std::uint64_t state = 12345;
    auto next = [&] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::uint32_t>(state >> 33);
    };
    const std::size_t hot[] = {0, 8, 8200, GetU32(good, 0), GetU32(good, 4)};
    for (int round = 0; round < 150; ++round) {
        std::vector<std::uint8_t> image = good;
        for (int hits = 0; hits < 4; ++hits) {
            std::size_t at = (next() % 2 ? hot[next() % 5] + next() % 24 : next()) % image.size();
            image[at] = static_cast<std::uint8_t>(next());
        }
        if (round % 7 == 0) {
            image.resize(next() % image.size());
        }
        CheckResult result = CheckImage(image);
        CheckResult again = CheckImage(image);
        EXPECT_EQ(result.errors, again.errors);
    }
}

}  // namespace
}  // namespace quorvane::dbcheck
