// The memory search over an image that the caller holds (the SQL extension maps the file): the
// same answers as the engine's own memory search, and no read outside the image whatever it holds.
#include "image_search.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "region_format.h"
#include "tests/region/test_db.h"
#include "tests/support/temp_database.h"

namespace quorvane::test {
namespace {

using format::ReadU32;

// Searches an exact-size copy of image, so that AddressSanitizer reports any read past its end,
// with the first-level table or without; a search that fails must leave the result as it was.
Found SearchImage(const std::vector<std::uint8_t>& image, std::uint32_t address,
                  bool withTable = false) {
    const std::vector<unsigned char> copy(image.begin(), image.end());
    const std::uint32_t first = ReadU32(copy.data());
    const std::uint32_t last = ReadU32(copy.data() + 4);
    std::vector<std::uint32_t> table(kRegionSliceTableBytes / sizeof(std::uint32_t));
    const bool built = withTable && RegionBuildSliceTable(copy.data() + first,
                                                          (last - first) / 12 + 1, table.data());
    region_result result;
    std::memset(&result, 0x5A, sizeof result);
    const region_result before = result;
    const int code = RegionSearchImage(copy.data(), copy.size(), first, last,
                                       built ? table.data() : nullptr, address, &result);
    if (code == 0) {
        EXPECT_EQ(std::memcmp(&result, &before, sizeof result), 0)
            << "result changed at " << address;
        return {};
    }
    return {code, result.record_number, result.region_text};
}

TEST(ImageSearchTest, AnswersAsTheMemorySearch) {
    // A one-address range with an empty text, and a gap that no range covers.
    const auto image = BuildImage({{0, 0x0FFFFFFFu, "low|0|a|b|c"},
                                   {0x10000000u, 0x10000000u, ""},
                                   {0x20000000u, 0xFFFFFFFFu, "high"}},
                                  1);
    const TempDatabase file = TempDatabase::FromImage(image);
    OpenHandle handle(file.Path());
    ASSERT_TRUE(handle.Opened());
    for (std::uint32_t address : {0u, 0x0FFFFFFFu, 0x10000000u, 0x10000001u, 0x1FFFFFFFu,
                                  0x20000000u, 0x87654321u, 0xFFFFFFFFu}) {
        EXPECT_EQ(SearchImage(image, address),
                  Search(ip2region_memory_search, handle.Get(), address))
            << address;
    }
}

TEST(ImageSearchTest, MalformedImagesFailInsideTheImage) {
    const auto good = BuildImage({{0, 0x7FFFFFFFu, "low"}, {0x80000000u, 0xFFFFFFFFu, "high"}}, 1);
    const auto size = static_cast<std::uint32_t>(good.size());
    const std::uint32_t entry = IndexEntryOffset(good, 1);
    const std::uint32_t pointer = GetU32(good, entry + 8);
    std::vector<std::vector<std::uint8_t>> broken(5, good);
    PutU32(broken[0], entry + 8, 10u << 24 | (size - 2));            // a record past the end
    PutU32(broken[1], entry + 8, 3u << 24 | (pointer & 0xFFFFFFu));  // a record below 4 bytes
    PutU32(broken[2], 4, size);                                      // the index past the end
    PutU32(broken[3], 0, LastIndexOffset(good) + 12);                // the bounds reversed
    broken[4].resize(LastIndexOffset(good) + 6);                     // the file cut in its index
    for (std::size_t i = 0; i < broken.size(); ++i) {
        EXPECT_EQ(SearchImage(broken[i], 0x90000000u).code, 0) << "case " << i;
    }
}

// The text is copied in overlapping moves rather than byte by byte: every length from 0 to 251
// must come out whole, end in a zero byte and leave the rest of region_text as it was, and a
// record that ends the image must not be read past (AddressSanitizer sees the exact-size copy).
TEST(ImageSearchTest, EveryTextLengthIsCopiedExactly) {
    const auto base = BuildImage({{0, 0xFFFFFFFFu, "x"}}, 1);
    for (std::uint32_t length = 0; length <= format::kMaxTextBytes; ++length) {
        std::string text(length, '\0');
        for (std::uint32_t i = 0; i < length; ++i) {
            text[i] = static_cast<char>('a' + (i * 7 + length) % 26);
        }
        std::vector<std::uint8_t> bytes = base;
        const auto offset = static_cast<std::uint32_t>(bytes.size());
        bytes.resize(bytes.size() + format::kRecordHeaderSize + length);
        PutU32(bytes, offset, 4242);
        std::memcpy(bytes.data() + offset + format::kRecordHeaderSize, text.data(), length);
        PutU32(bytes, IndexEntryOffset(bytes, 0) + 8,
               format::MakeDataPointer(format::kRecordHeaderSize + length, offset));
        const std::vector<unsigned char> image(bytes.begin(), bytes.end());

        region_result result;
        std::memset(&result, 0x5A, sizeof result);
        ASSERT_EQ(RegionSearchImage(image.data(), image.size(), ReadU32(image.data()),
                                    ReadU32(image.data() + 4), nullptr, 0x01020304u, &result),
                  1)
            << length;
        EXPECT_EQ(result.record_number, 4242u);
        EXPECT_EQ(std::string(result.region_text, length), text) << length;
        EXPECT_EQ(result.region_text[length], '\0') << length;
        for (std::size_t i = length + 1; i < sizeof result.region_text; ++i) {
            ASSERT_EQ(result.region_text[i], '\x5A') << "byte " << i << " for length " << length;
        }
    }
}

// The record finders behind the batch lookups: RegionFindRecord names exactly the record that
// RegionSearchImage copies, and RegionFindRecords gives RegionFindRecord's answers whatever the
// count and wherever the addresses fall around the slices' edges, with the table or without.
TEST(ImageSearchTest, RecordFindersAgreeWithTheSearch) {
    std::vector<TestRange> ranges = {{0x00000000u, 0x0000FFFFu, "exact slice"},
                                     {0x00010000u, 0x0002FFFFu, "two slices"},
                                     {0x00031000u, 0x0003FFFFu, "starts inside"},
                                     {0x00040000u, 0x00040000u, "one address"},
                                     {0x00040001u, 0x0005FFFFu, ""},
                                     {0x00060000u, 0x0006FFFEu, "one short"}};
    // Then many short ranges with gaps, several to a slice.
    for (std::uint32_t start = 0x00080005u; start < 0x00400000u; start += 0x1F3Du) {
        ranges.push_back({start, start + 0x1000u, "r" + std::to_string(start)});
    }
    ranges.push_back({0xFFFF0000u, 0xFFFFFFFFu, "last slice"});
    const std::vector<std::uint8_t> bytes = BuildImage(ranges, 1);
    const std::vector<unsigned char> image(bytes.begin(), bytes.end());
    const std::uint32_t first = ReadU32(image.data());
    const std::uint32_t last = ReadU32(image.data() + 4);
    std::vector<std::uint32_t> table(kRegionSliceTableBytes / sizeof(std::uint32_t));
    ASSERT_TRUE(RegionBuildSliceTable(image.data() + first, (last - first) / 12 + 1, table.data()));

    std::vector<std::uint32_t> addresses = {0x12345678u, 0x7FFF0000u, 0xFFFEFFFFu};
    for (const TestRange& range : ranges) {
        for (std::uint32_t address : {range.start - 1, range.start, range.end, range.end + 1}) {
            addresses.push_back(address);
        }
    }
    for (std::uint32_t slice = 0; slice < 0x48; ++slice) {
        for (std::uint32_t offset : {0u, 1u, 0xFFFEu, 0xFFFFu}) {
            addresses.push_back((slice << 16) + offset);
        }
    }
    for (const std::uint32_t* slices : {static_cast<const std::uint32_t*>(table.data()),
                                        static_cast<const std::uint32_t*>(nullptr)}) {
        std::vector<std::uint32_t> one(addresses.size());
        for (std::size_t i = 0; i < addresses.size(); ++i) {
            one[i] =
                RegionFindRecord(image.data(), image.size(), first, last, slices, addresses[i]);
            region_result result{};
            const int found = RegionSearchImage(image.data(), image.size(), first, last, slices,
                                                addresses[i], &result);
            ASSERT_EQ(found, one[i] != 0 ? 1 : 0) << addresses[i];
            if (found == 1) {
                const unsigned char* record = image.data() + (one[i] & 0xFFFFFFu);
                EXPECT_EQ(
                    std::string(reinterpret_cast<const char*>(record) + 4, (one[i] >> 24) - 4),
                    result.region_text)
                    << addresses[i];
            }
        }
        // Runs of every length around the side-by-side group's size, from several places.
        for (std::size_t count : {std::size_t{1}, std::size_t{15}, std::size_t{16}, std::size_t{17},
                                  std::size_t{33}, addresses.size()}) {
            for (std::size_t from = 0; from + count <= addresses.size(); from += 97) {
                std::vector<std::uint32_t> many(count, 0xDEADBEEFu);
                RegionFindRecords(image.data(), image.size(), first, last, slices,
                                  addresses.data() + from, many.data(), count);
                for (std::size_t i = 0; i < count; ++i) {
                    ASSERT_EQ(many[i], one[from + i])
                        << "address " << addresses[from + i] << ", run of " << count;
                }
            }
        }
    }

    // An image that ends inside its last index entry makes every answer 0, one address or many.
    std::uint32_t many[3] = {1, 1, 1};
    RegionFindRecords(image.data(), last + 11, first, last, table.data(), addresses.data(), many,
                      3);
    EXPECT_EQ(many[0] | many[1] | many[2], 0u);
}

}  // namespace
}  // namespace quorvane::test
