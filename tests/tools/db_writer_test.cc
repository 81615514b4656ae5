#include "tools/dbwriter/db_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

#include "tests/support/scratch_dir.h"
#include "tests/support/temp_database.h"
#include "tests/tools/image_reader.h"
#include "tools/dbwriter/synthetic_ranges.h"

namespace quorvane::dbwriter {
namespace {

using test::Decode;
using test::DecodedImage;
using test::TempDatabase;

constexpr std::uint32_t Ip(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    return a << 24 | b << 16 | c << 8 | d;
}

std::vector<std::uint8_t> Build(const std::vector<Range>& ranges,
                                const BuildOptions& options = {}) {
    std::vector<std::uint8_t> image;
    std::string error;
    EXPECT_TRUE(BuildDatabase(ranges, options, image, error)) << error;
    return image;
}

std::string BuildError(const std::vector<Range>& ranges, const BuildOptions& options = {}) {
    std::vector<std::uint8_t> image;
    std::string error;
    EXPECT_FALSE(BuildDatabase(ranges, options, image, error));
    return error;
}

std::string ParseError(const std::string& text) {
    std::istringstream in(text);
    std::vector<Range> ranges;
    std::string error;
    EXPECT_FALSE(ParseRanges(in, ranges, error)) << "accepted: " << text;
    return error;
}

// Every header entry must match the index entry it points at, and the spacing must let the
// two-level search read any stretch in one 8,192-byte buffer.
void ExpectHeaderSound(const DecodedImage& image) {
    ASSERT_GE(image.header.size(), 2u);
    ASSERT_LE(image.header.size(), kMaxHeaderEntries);
    EXPECT_EQ(image.header.front().indexOffset, image.firstIndex);
    EXPECT_EQ(image.header.back().indexOffset, image.lastIndex);
    for (std::size_t h = 0; h < image.header.size(); ++h) {
        std::uint32_t offset = image.header[h].indexOffset;
        ASSERT_EQ((offset - image.firstIndex) % 12, 0u);
        EXPECT_EQ(image.header[h].startIp, image.index[(offset - image.firstIndex) / 12].start);
        if (h > 0) {
            std::uint32_t previous = image.header[h - 1].indexOffset;
            EXPECT_LE(previous, offset);
            EXPECT_LE(offset - previous + 12, kHeaderBlockSize);
        }
    }
}

TEST(ParseRanges, ReadsDottedAndDecimalAddressesAndTextsWithCommas) {
    std::istringstream in(
        "\xEF\xBB\xBF"
        "1.2.3.4,16909061,中国|0|广东省|广州|电信\r\n"
        "\n"
        "\r\n"
        " 1.2.3.6 ,\t1.2.3.255 ,a,b,,c\n"
        "4294967295,255.255.255.255,\n");
    std::vector<Range> ranges;
    std::string error;
    ASSERT_TRUE(ParseRanges(in, ranges, error)) << error;
    ASSERT_EQ(ranges.size(), 3u);
    EXPECT_EQ(ranges[0], (Range{Ip(1, 2, 3, 4), Ip(1, 2, 3, 5), "中国|0|广东省|广州|电信"}));
    EXPECT_EQ(ranges[1], (Range{Ip(1, 2, 3, 6), Ip(1, 2, 3, 255), "a,b,,c"}));
    EXPECT_EQ(ranges[2], (Range{0xFFFFFFFF, 0xFFFFFFFF, ""}));
}

TEST(ParseRanges, ReportsTheLineOfEachFault) {
    const std::string good = "1.0.0.0,1.0.0.255,x\n\n";  // line 3 holds the fault
    struct Case {
        std::string line;
        std::string expected;  // a part of the message
    };
    const Case cases[] = {
        {"2.0.0.0", "expected"},
        {"2.0.0.0,2.0.0.1", "expected"},
        {"256.0.0.0,2.0.0.1,x", "bad start address \"256.0.0.0\""},
        {"2.0.0,2.0.0.1,x", "bad start"},
        {"2.0.0.0.0,2.0.0.1,x", "bad start"},
        {"2..0.0,2.0.0.1,x", "bad start"},
        {"0002.0.0.0,2.0.0.1,x", "bad start"},
        {"-1,2.0.0.1,x", "bad start"},
        {"x,2.0.0.1,x", "bad start"},
        {",2.0.0.1,x", "bad start"},
        {"2.0.0.0,4294967296,x", "bad end address \"4294967296\""},
        {"2.0.0.0,2.0.0.1x,x", "bad end"},
        {"2.0.0.9,2.0.0.1,x", "start 2.0.0.9 is above end 2.0.0.1"},
        {"0.0.0.5,0.0.0.9,x", "out of order"},
        {"1.0.0.255,1.0.1.0,x", "overlaps the previous range 1.0.0.0-1.0.0.255"},
        {"1.0.0.0,1.0.0.0,x", "overlaps"},
        {"2.0.0.0,2.0.0.1," + std::string(252, 'a'), "252 bytes"},
        {"2.0.0.0,2.0.0.1,\xC0\x80", "not valid UTF-8"},
        {"2.0.0.0,2.0.0.1,\xED\xA0\x80", "not valid UTF-8"},
        {"2.0.0.0,2.0.0.1,\xE4\xB8", "not valid UTF-8"},
        {"2.0.0.0,2.0.0.1,\xF4\x90\x80\x80", "not valid UTF-8"},
        {"2.0.0.0,2.0.0.1,\x80", "not valid UTF-8"},
        {std::string("2.0.0.0,2.0.0.1,a\0b", 19), "NUL"},
    };
    for (const Case& c : cases) {
        std::string error = ParseError(good + c.line + "\n1.0.0.0,1.0.0.0,late\n");
        EXPECT_TRUE(error.starts_with("line 3: ")) << c.line << " -> " << error;
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.line << " -> " << error;
    }
}

TEST(ParseRanges, AcceptsTextsUpToTheRecordLimit) {
    // 83 three-byte characters = 249 bytes, plus two ASCII bytes = 251.
    std::string chinese;
    for (int i = 0; i < 83; ++i) {
        chinese += "国";
    }
    std::istringstream good("0,0," + std::string(251, 'a') + "\n1,1," + chinese + "ab\n");
    std::vector<Range> ranges;
    std::string error;
    ASSERT_TRUE(ParseRanges(good, ranges, error)) << error;
    EXPECT_EQ(ranges[1].text.size(), 251u);
    EXPECT_EQ(ParseError("0,0," + chinese + "abc\n"),
              "line 1: region text is 252 bytes long, "
              "more than the 251 a data record can hold");
}

TEST(BuildDatabase, LaysOutBlocksSoEverySearchFindsTheRanges) {
    const std::vector<Range> ranges = {
        {Ip(1, 0, 0, 0), Ip(1, 0, 0, 255), "中国|0|福建省|福州|电信"},
        {Ip(1, 0, 1, 0), Ip(1, 0, 3, 255), "澳大利亚|0|0|0|0"},
        {Ip(8, 8, 8, 8), Ip(8, 8, 8, 8), ""},
    };
    std::vector<std::uint8_t> bytes = Build(ranges);
    DecodedImage image = Decode(bytes);

    // Data records between the header index and the index; the index ends the file.
    EXPECT_EQ(bytes.size(), image.lastIndex + 12u);
    EXPECT_EQ(image.lastIndex - image.firstIndex, 2 * 12u);
    ASSERT_EQ(image.index.size(), 3u);
    for (const auto& entry : image.index) {
        EXPECT_GE(entry.offset, kFixedBlocksEnd);
        EXPECT_LE(entry.offset + entry.length, image.firstIndex);
    }
    ExpectHeaderSound(image);
    EXPECT_EQ(image.header.size(), 2u);

    EXPECT_EQ(image.Find(Ip(1, 0, 0, 0)), ranges[0].text);
    EXPECT_EQ(image.Find(Ip(1, 0, 0, 255)), ranges[0].text);
    EXPECT_EQ(image.Find(Ip(1, 0, 3, 255)), ranges[1].text);
    EXPECT_EQ(image.Find(Ip(8, 8, 8, 8)), "");  // a record of length 4
    EXPECT_EQ(image.index[2].length, 4u);
    // Gaps stay gaps without --fill.
    EXPECT_EQ(image.Find(Ip(0, 255, 255, 255)), std::nullopt);
    EXPECT_EQ(image.Find(Ip(1, 0, 4, 0)), std::nullopt);
    EXPECT_EQ(image.Find(0xFFFFFFFF), std::nullopt);
}

TEST(BuildDatabase, StoresEachDistinctTextOnce) {
    const std::vector<Range> ranges = {
        {0, 9, "a|0|b|c|d"}, {10, 19, "x"},         {20, 29, "a|0|b|c|d"},
        {40, 49, "x"},       {50, 59, "a|0|b|c|e"},
    };
    std::vector<std::uint8_t> bytes = Build(ranges);
    DecodedImage image = Decode(bytes);
    EXPECT_EQ(image.firstIndex, kFixedBlocksEnd + (4 + 9) + (4 + 1) + (4 + 9));
    EXPECT_EQ(image.index[0].offset, image.index[2].offset);
    EXPECT_EQ(image.index[1].offset, image.index[3].offset);
    std::set<std::uint32_t> offsets;
    std::set<std::uint32_t> numbers;
    for (const auto& entry : image.index) {
        offsets.insert(entry.offset);
        numbers.insert(image.RecordNumber(entry));
    }
    EXPECT_EQ(offsets.size(), 3u);
    EXPECT_EQ(numbers, (std::set<std::uint32_t>{1, 2, 3}));
    EXPECT_EQ(image.Text(image.index[4]), "a|0|b|c|e");
}

TEST(BuildDatabase, GivesTheSameBytesForTheSameRanges) {
    const std::vector<Range> ranges = MakeSyntheticRanges(20000, 7);
    std::vector<Range> copy = ranges;
    EXPECT_EQ(Build(ranges), Build(copy));
    BuildOptions fill;
    fill.fillText = "0|0|0|0|0";
    EXPECT_EQ(Build(ranges, fill), Build(copy, fill));
}

TEST(BuildDatabase, UsesTheFullHeaderSpacing) {
    const std::vector<Range> ranges = MakeSyntheticRanges(650000, 1);
    std::vector<std::uint8_t> bytes = Build(ranges);
    DecodedImage image = Decode(bytes);
    ASSERT_EQ(image.index.size(), 650000u);
    ExpectHeaderSound(image);
    // 0, 681, ..., 954 * 681 = 649,674, then the last entry 649,999.
    ASSERT_EQ(image.header.size(), 956u);
    for (std::size_t h = 0; h + 1 < image.header.size(); ++h) {
        EXPECT_EQ(image.header[h].indexOffset, image.firstIndex + h * 681 * 12);
    }
    for (std::size_t i = 0; i < ranges.size(); i += 997) {
        ASSERT_EQ(image.Text(image.index[i]), ranges[i].text);
        ASSERT_EQ(image.index[i].start, ranges[i].start);
        ASSERT_EQ(image.index[i].end, ranges[i].end);
    }
}

TEST(BuildDatabase, FillsTheHeaderIndexToItsLastEntryButNoFurther) {
    std::vector<Range> ranges;
    ranges.reserve(kMaxRanges + 1);
    for (std::uint32_t i = 0; i <= kMaxRanges; ++i) {
        ranges.push_back({i * 8, i * 8 + 3, i % 2 ? "odd" : "even"});
    }
    std::string error = BuildError(ranges);
    EXPECT_NE(error.find("696665 ranges do not fit"), std::string::npos) << error;

    ranges.pop_back();
    std::vector<std::uint8_t> bytes = Build(ranges);
    DecodedImage image = Decode(bytes);
    // All 1,024 entries in use: no terminating entry, and the last points at the last range.
    EXPECT_EQ(image.header.size(), 1024u);
    ExpectHeaderSound(image);

    // Gaps filled by --fill count against the same limit.
    ranges.resize(kMaxRanges / 2 + 1);
    BuildOptions fill;
    fill.fillText = "gap";
    EXPECT_NE(BuildError(ranges, fill).find("do not fit"), std::string::npos);
}

TEST(BuildDatabase, GivesAOneRangeIndexTwoHeaderEntries) {
    std::vector<std::uint8_t> bytes = Build({{Ip(10, 0, 0, 0), Ip(10, 255, 255, 255), "内网"}});
    DecodedImage image = Decode(bytes);
    EXPECT_EQ(image.firstIndex, image.lastIndex);
    ASSERT_EQ(image.header.size(), 2u);
    EXPECT_EQ(image.header[0].indexOffset, image.firstIndex);
    EXPECT_EQ(image.header[1].indexOffset, image.firstIndex);
    EXPECT_EQ(image.header[0].startIp, Ip(10, 0, 0, 0));
    EXPECT_EQ(image.header[1].startIp, Ip(10, 0, 0, 0));

    // 682 ranges need the first header entry, one at 681, and nothing more.
    std::vector<Range> ranges;
    for (std::uint32_t i = 0; i < 682; ++i) {
        ranges.push_back({i, i, "t"});
    }
    DecodedImage two = Decode(Build(ranges));
    ASSERT_EQ(two.header.size(), 2u);
    EXPECT_EQ(two.header[1].indexOffset, two.lastIndex);
    ranges.push_back({682, 682, "t"});
    std::vector<std::uint8_t> threeBytes = Build(ranges);
    EXPECT_EQ(Decode(threeBytes).header.size(), 3u);
}

TEST(BuildDatabase, FillCoversEveryGapAndSharesItsRecord) {
    BuildOptions fill;
    fill.fillText = "0|0|0|0|0";
    const std::vector<Range> ranges = {
        {Ip(1, 0, 0, 0), Ip(1, 0, 0, 255), "a"},
        {Ip(1, 0, 1, 0), Ip(1, 0, 1, 255), "0|0|0|0|0"},  // adjacent: no gap between
        {Ip(2, 0, 0, 0), Ip(2, 0, 0, 0), "b"},
    };
    std::vector<std::uint8_t> bytes = Build(ranges, fill);
    DecodedImage image = Decode(bytes);
    ASSERT_EQ(image.index.size(), 6u);
    std::uint64_t next = 0;
    for (const auto& entry : image.index) {
        EXPECT_EQ(entry.start, next);
        next = std::uint64_t{entry.end} + 1;
    }
    EXPECT_EQ(next, 0x100000000u);
    EXPECT_EQ(image.Find(0), "0|0|0|0|0");
    EXPECT_EQ(image.Find(Ip(1, 0, 2, 0)), "0|0|0|0|0");
    EXPECT_EQ(image.Find(Ip(2, 0, 0, 0)), "b");
    EXPECT_EQ(image.Find(0xFFFFFFFF), "0|0|0|0|0");
    EXPECT_EQ(image.index[0].offset, image.index[2].offset);  // fill and range 2 share one record
    ExpectHeaderSound(image);

    // Nothing to fill when the ranges already cover everything.
    std::vector<Range> whole = {{0, 5, "a"}, {6, 0xFFFFFFFF, "b"}};
    EXPECT_EQ(Decode(Build(whole, fill)).index.size(), 2u);
}

TEST(BuildDatabase, RejectsEmptyInputUnlessFilled) {
    EXPECT_NE(BuildError({}).find("no ranges"), std::string::npos);
    BuildOptions fill;
    fill.fillText = "未知";
    std::vector<std::uint8_t> bytes = Build({}, fill);
    DecodedImage image = Decode(bytes);
    ASSERT_EQ(image.index.size(), 1u);
    EXPECT_EQ(image.index[0].start, 0u);
    EXPECT_EQ(image.index[0].end, 0xFFFFFFFFu);
    EXPECT_EQ(image.header.size(), 2u);
    fill.fillText = std::string(252, 'x');
    EXPECT_NE(BuildError({}, fill).find("fill text"), std::string::npos);
}

TEST(BuildDatabase, NamesTheRangeAtFault) {
    EXPECT_EQ(BuildError({{0, 1, "a"}, {5, 4, "b"}}).substr(0, 9), "range 2: ");
    EXPECT_NE(BuildError({{0, 9, "a"}, {9, 10, "b"}})
                  .find("range 2: range starting at 0.0.0.9 "
                        "overlaps"),
              std::string::npos);
    EXPECT_NE(BuildError({{5, 9, "a"}, {0, 1, "b"}}).find("out of order"), std::string::npos);
    EXPECT_EQ(BuildError({{0, 1, "a"}, {2, 3, "b"}, {4, 5, std::string(252, 'c')}}).substr(0, 9),
              "range 3: ");
    EXPECT_NE(BuildError({{0, 1, "\xFF"}}).find("range 1: region text is not valid UTF-8"),
              std::string::npos);

    // 251 bytes is the longest text: a record of 255 bytes, whose length still fits 8 bits.
    DecodedImage image = Decode(Build({{0, 1, std::string(251, 'z')}}));
    EXPECT_EQ(image.index[0].length, 255u);
    EXPECT_EQ(image.Text(image.index[0]), std::string(251, 'z'));
}

TEST(BuildDatabase, KeepsEveryDataRecordBelow16MiB) {
    // Records of 255 bytes from offset 8,200: the 65,761st starts at 16,777,000 and still fits,
    // the 65,762nd would start past 16 MiB.
    std::vector<Range> ranges;
    for (std::uint32_t i = 0; i < 65762; ++i) {
        std::string text = std::to_string(i);
        text.resize(251, '.');
        ranges.push_back({i, i, std::move(text)});
    }
    EXPECT_NE(BuildError(ranges).find("pass 16 MiB"), std::string::npos);
    ranges.pop_back();
    std::vector<std::uint8_t> bytes = Build(ranges);
    DecodedImage image = Decode(bytes);
    EXPECT_EQ(image.index.back().offset, 16777000u);
    EXPECT_EQ(image.Text(image.index.back()).substr(0, 5), "65760");
}

TEST(WriteDatabase, WritesTheImageAndReportsAFolderThatDoesNotExist) {
    const test::ScratchDir scratch("quorvane-writer");
    const std::filesystem::path& dir = scratch.Dir();
    const std::vector<Range> ranges = {{0, 9, "a"}, {10, 0xFFFFFFFF, "b"}};
    std::string error;
    std::string path = (dir / "out.db").string();
    ASSERT_TRUE(WriteDatabase(ranges, {}, path, error)) << error;
    const std::string written = test::ReadBytes(path);
    EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.end()), Build(ranges));
    EXPECT_FALSE(std::filesystem::exists(path + ".partial"));

    std::string missing = (dir / "no-such-folder" / "out.db").string();
    EXPECT_FALSE(WriteDatabase(ranges, {}, missing, error));
    EXPECT_NE(error.find("no-such-folder"), std::string::npos);
    EXPECT_FALSE(WriteDatabase({}, {}, path, error));  // a build error leaves the old file alone
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(MakeSyntheticRanges, CoversTheWholeSpaceWithSharedFiveFieldTexts) {
    for (std::size_t count : {1u, 2u, 3u, 1000u, 100000u}) {
        std::vector<Range> ranges = MakeSyntheticRanges(count, 42);
        ASSERT_EQ(ranges.size(), count);
        std::uint64_t next = 0;
        std::set<std::string> texts;
        std::uint32_t narrowest = 0xFFFFFFFF;
        std::uint32_t widest = 0;
        for (const Range& range : ranges) {
            ASSERT_EQ(range.start, next);
            ASSERT_LE(range.start, range.end);
            ASSERT_TRUE(CheckRegionText(range.text).empty()) << range.text;
            ASSERT_EQ(std::count(range.text.begin(), range.text.end(), '|'), 4) << range.text;
            next = std::uint64_t{range.end} + 1;
            texts.insert(range.text);
            narrowest = std::min(narrowest, range.end - range.start);
            widest = std::max(widest, range.end - range.start);
        }
        EXPECT_EQ(next, 0x100000000u);
        if (count >= 1000) {
            EXPECT_LT(texts.size(), count / 3);  // dedup matters
            EXPECT_GT(texts.size(), 20u);
            EXPECT_GT(widest / (narrowest + 1), 1000u);  // varied widths
        }
    }
    EXPECT_EQ(MakeSyntheticRanges(5000, 3), MakeSyntheticRanges(5000, 3));
    EXPECT_NE(MakeSyntheticRanges(5000, 3), MakeSyntheticRanges(5000, 4));
    EXPECT_TRUE(MakeSyntheticRanges(0, 3).empty());
}

TEST(TempDatabase, HoldsTheBuiltImageUntilDestroyed) {
    const std::vector<Range> ranges = MakeSyntheticRanges(100, 9);
    std::string path;
    {
        TempDatabase database(ranges);
        ASSERT_TRUE(database.Ok()) << database.Error();
        path = database.Path();
        const std::string written = test::ReadBytes(path);
        EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.end()), Build(ranges));

        TempDatabase moved = std::move(database);
        EXPECT_FALSE(database.Ok());
        EXPECT_EQ(moved.Path(), path);
        EXPECT_TRUE(std::filesystem::exists(path));
    }
    EXPECT_FALSE(std::filesystem::exists(path));

    TempDatabase broken = TempDatabase::FromImage({1, 2, 3});
    ASSERT_TRUE(broken.Ok());
    EXPECT_EQ(std::filesystem::file_size(broken.Path()), 3u);

    TempDatabase refused(std::vector<Range>{});
    EXPECT_FALSE(refused.Ok());
    EXPECT_NE(refused.Error().find("no ranges"), std::string::npos);
}

}  // namespace
}  // namespace quorvane::dbwriter
