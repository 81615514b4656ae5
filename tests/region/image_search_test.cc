// The memory search over an image that the caller holds (the SQL extension maps the file): the
// same answers as the engine's own memory search, and no read outside the image whatever it holds.
#include "image_search.h"

#include <gtest/gtest.h>

#include <cstring>
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

}  // namespace
}  // namespace quorvane::test
