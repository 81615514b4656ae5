#include "tests/region/test_db.h"

#include <cstring>
#include <stdexcept>

namespace quorvane::test {

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
    bytes.at(offset + 3);
    format::WriteU32(bytes.data() + offset, value);
}

std::uint32_t GetU32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    bytes.at(offset + 3);
    return format::ReadU32(bytes.data() + offset);
}

std::vector<std::uint8_t> BuildImage(const std::vector<TestRange>& ranges, std::size_t spacing) {
    if (ranges.empty() || spacing == 0) {
        throw std::invalid_argument("BuildImage needs ranges and a spacing");
    }
    std::vector<std::uint8_t> image(kFixedBlocksEnd, 0);
    std::vector<std::uint32_t> pointers;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const auto offset = static_cast<std::uint32_t>(image.size());
        const auto length = static_cast<std::uint32_t>(4 + ranges[i].text.size());
        image.resize(image.size() + length);
        PutU32(image, offset, static_cast<std::uint32_t>(i + 1));
        std::memcpy(image.data() + offset + 4, ranges[i].text.data(), ranges[i].text.size());
        pointers.push_back(format::MakeDataPointer(length, offset));
    }
    const auto first = static_cast<std::uint32_t>(image.size());
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const std::size_t at = image.size();
        image.resize(at + 12);
        PutU32(image, at, ranges[i].start);
        PutU32(image, at + 4, ranges[i].end);
        PutU32(image, at + 8, pointers[i]);
    }
    PutU32(image, 0, first);
    PutU32(image, 4, static_cast<std::uint32_t>(first + 12 * (ranges.size() - 1)));

    std::vector<std::size_t> sampled;
    for (std::size_t i = 0; i < ranges.size(); i += spacing) {
        sampled.push_back(i);
    }
    if (sampled.back() != ranges.size() - 1 || sampled.size() == 1) {
        sampled.push_back(ranges.size() - 1);
    }
    if (sampled.size() > 1024) {
        throw std::invalid_argument("too many header entries");
    }
    for (std::size_t h = 0; h < sampled.size(); ++h) {
        PutU32(image, HeaderEntryOffset(h), ranges[sampled[h]].start);
        PutU32(image, HeaderEntryOffset(h) + 4,
               static_cast<std::uint32_t>(first + 12 * sampled[h]));
    }
    return image;
}

std::uint32_t FirstIndexOffset(const std::vector<std::uint8_t>& image) {
    return GetU32(image, 0);
}
std::uint32_t LastIndexOffset(const std::vector<std::uint8_t>& image) {
    return GetU32(image, 4);
}
std::uint32_t IndexEntryOffset(const std::vector<std::uint8_t>& image, std::size_t i) {
    return static_cast<std::uint32_t>(FirstIndexOffset(image) + 12 * i);
}
std::uint32_t HeaderEntryOffset(std::size_t h) {
    return static_cast<std::uint32_t>(kHeaderOffset + 8 * h);
}

const std::vector<Strategy>& AllStrategies() {
    static const std::vector<Strategy> kStrategies = {
        {"memory", ip2region_memory_search, ip2region_memory_search_string},
        {"binary", ip2region_binary_search, ip2region_binary_search_string},
        {"btree", ip2region_btree_search, ip2region_btree_search_string},
    };
    return kStrategies;
}

Found Search(SearchFn search, region_handle* handle, std::uint32_t address) {
    region_result result{};
    Found found;
    found.code = search(handle, address, &result);
    if (found.code == 1) {
        found.recordNumber = result.record_number;
        found.text = result.region_text;
    }
    return found;
}

}  // namespace quorvane::test
