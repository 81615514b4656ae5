// Byte-level database images for the engine tests: well-formed ones, and ones broken on purpose.
#ifndef QUORVANE_TESTS_REGION_TEST_DB_H_
#define QUORVANE_TESTS_REGION_TEST_DB_H_

#include <quorvane/region.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "region/region_format.h"

namespace quorvane::test {

using format::kFixedBlocksEnd;
using format::kHeaderBlockSize;
using format::kHeaderOffset;

// Bounds-checked little-endian access: an offset outside bytes throws std::out_of_range.
void PutU32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value);
std::uint32_t GetU32(const std::vector<std::uint8_t>& bytes, std::size_t offset);

struct TestRange {
    std::uint32_t start;
    std::uint32_t end;
    std::string text;
};

// Lays out an image the way the format describes it: bounds, header index, one data record per
// range (record_number = position + 1), then the index. Header entries sample the index every
// `spacing` entries and always point at the last entry (two entries for a one-entry index).
std::vector<std::uint8_t> BuildImage(const std::vector<TestRange>& ranges, std::size_t spacing);

// Offsets into an image made by BuildImage.
std::uint32_t FirstIndexOffset(const std::vector<std::uint8_t>& image);
std::uint32_t LastIndexOffset(const std::vector<std::uint8_t>& image);
std::uint32_t IndexEntryOffset(const std::vector<std::uint8_t>& image, std::size_t i);
std::uint32_t HeaderEntryOffset(std::size_t h);

// A handle opened on a file and destroyed at scope end.
class OpenHandle {
  public:
    explicit OpenHandle(const std::string& path) {
        m_opened = ip2region_create(&m_handle, path.c_str());
    }
    ~OpenHandle() { ip2region_destroy(&m_handle); }
    OpenHandle(const OpenHandle&) = delete;
    OpenHandle& operator=(const OpenHandle&) = delete;

    bool Opened() const { return m_opened == 1; }
    region_handle* Get() { return &m_handle; }

  private:
    region_handle m_handle{};
    int m_opened = 0;
};

using SearchFn = int (*)(region_handle*, std::uint32_t, region_result*);
using StringSearchFn = int (*)(region_handle*, const char*, region_result*);

struct Strategy {
    const char* name;
    SearchFn search;
    StringSearchFn searchString;
};
inline void PrintTo(const Strategy& strategy, std::ostream* out) {
    *out << strategy.name;
}

// The three strategies, in the order memory, binary, btree.
const std::vector<Strategy>& AllStrategies();

// The outcome of one search, with the result compared only when found.
struct Found {
    int code = 0;
    std::uint32_t recordNumber = 0;
    std::string text;
    bool operator==(const Found&) const = default;
};
Found Search(SearchFn search, region_handle* handle, std::uint32_t address);

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_REGION_TEST_DB_H_
