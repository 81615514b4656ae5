#include "tools/dbwriter/region6_writer.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "region6_format.h"
#include "tools/dbwriter/db_writer.h"

namespace quorvane::dbwriter {

namespace {

using namespace format6;

bool operator<(const Region6Address& a, const Region6Address& b) {
    return a.high < b.high || (a.high == b.high && a.low < b.low);
}

bool IsLast(const Region6Address& a) {
    return a.high == UINT64_MAX && a.low == UINT64_MAX;
}

Region6Address Next(const Region6Address& a) {
    return a.low == UINT64_MAX ? Region6Address{a.high + 1, 0} : Region6Address{a.high, a.low + 1};
}

// The file's ranges: each start and its record, covering the whole space from ::.
struct Partition {
    std::vector<Region6Address> starts;
    std::vector<std::uint32_t> records;
    std::vector<const std::string*> texts;  // by record index

    void Add(const Region6Address& start, std::uint32_t record) {
        if (records.empty() || records.back() != record) {
            starts.push_back(start);
            records.push_back(record);
        }
    }
};

std::string RangeError(std::size_t index, const std::string& what) {
    return "range " + std::to_string(index + 1) + ": " + what;
}

bool Partitioned(const std::vector<Range6>& ranges, Partition& out, std::string& error) {
    std::unordered_map<std::string_view, std::uint32_t> recordOf;
    Region6Address next{0, 0};  // the first address no range has reached yet
    bool full = false;          // a range has reached the last address
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const Range6& range = ranges[i];
        if (range.end < range.start) {
            error = RangeError(i, "start is above end");
            return false;
        }
        if (full || range.start < next) {
            error = RangeError(i, "out of order or overlapping the range before it");
            return false;
        }
        if (const std::string what = CheckRegionText(range.text); !what.empty()) {
            error = RangeError(i, what);
            return false;
        }
        if (next < range.start) {
            out.Add(next, REGION6_NO_RECORD);
        }
        const auto [it, added] =
            recordOf.try_emplace(range.text, static_cast<std::uint32_t>(out.texts.size()));
        if (added) {
            out.texts.push_back(&range.text);
        }
        out.Add(range.start, it->second);
        full = IsLast(range.end);
        next = full ? range.end : Next(range.end);
    }
    if (!full) {
        out.Add(next, REGION6_NO_RECORD);
    }
    return true;
}

void Lay(const Partition& p, std::uint32_t bits, std::vector<std::uint8_t>& image) {
    const std::size_t n = p.starts.size();
    const std::size_t records = p.texts.size();
    std::size_t textsSize = 0;
    for (const std::string* text : p.texts) {
        textsSize += text->size();
    }
    const std::size_t fenceCount = (n + (std::size_t{1} << bits) - 1) >> bits;
    const std::size_t fences = kRegion6HeaderSize;
    const std::size_t high = fences + fenceCount * 8;
    const std::size_t low = high + n * 8;
    const std::size_t rangeRecords = low + n * 8;
    const std::size_t textIndex = rangeRecords + n * 4;
    const std::size_t texts = textIndex + (records + 1) * 4;
    image.assign(texts + textsSize, 0);
    unsigned char* out = image.data();
    std::copy_n(REGION6_MAGIC, kRegion6MagicSize, out);
    const std::pair<int, std::size_t> fields[] = {{kRegion6VersionAt, kRegion6Version},
                                                  {kRegion6HeaderSizeAt, kRegion6HeaderSize},
                                                  {kRegion6FileSizeAt, image.size()},
                                                  {kRegion6RangeCountAt, n},
                                                  {kRegion6RecordCountAt, records},
                                                  {kRegion6BlockBitsAt, bits},
                                                  {kRegion6FencesAt, fences},
                                                  {kRegion6HighAt, high},
                                                  {kRegion6LowAt, low},
                                                  {kRegion6RangeRecordAt, rangeRecords},
                                                  {kRegion6TextIndexAt, textIndex},
                                                  {kRegion6TextsAt, texts},
                                                  {kRegion6TextsSizeAt, textsSize}};
    for (const auto& [at, value] : fields) {
        Region6WriteU32(out + at, static_cast<std::uint32_t>(value));
    }
    for (std::size_t block = 0; block < fenceCount; ++block) {
        Region6WriteU64(out + fences + block * 8, p.starts[block << bits].high);
    }
    for (std::size_t i = 0; i < n; ++i) {
        Region6WriteU64(out + high + i * 8, p.starts[i].high);
        Region6WriteU64(out + low + i * 8, p.starts[i].low);
        Region6WriteU32(out + rangeRecords + i * 4, p.records[i]);
    }
    std::size_t at = 0;
    for (std::size_t r = 0; r < records; ++r) {
        Region6WriteU32(out + textIndex + r * 4, static_cast<std::uint32_t>(at));
        std::copy(p.texts[r]->begin(), p.texts[r]->end(), out + texts + at);
        at += p.texts[r]->size();
    }
    Region6WriteU32(out + textIndex + records * 4, static_cast<std::uint32_t>(at));
}

}  // namespace

bool BuildRegion6(const std::vector<Range6>& ranges, std::vector<std::uint8_t>& image,
                  std::string& error, std::uint32_t blockBits) {
    Partition partition;
    if (!Partitioned(ranges, partition, error)) {
        return false;
    }
    Lay(partition, blockBits, image);
    // Offsets are 32-bit: a file past 4 GiB would wrap them.
    if (image.size() > UINT32_MAX) {
        error = "the ranges and texts take more than the 4 GiB a region6.db file can address";
        return false;
    }
    Region6Image db;
    const char* reason = nullptr;
    if (Region6Open(image.data(), image.size(), &db, &reason) == 0) {
        error = std::string("the image fails its own check: ") + reason;
        return false;
    }
    return true;
}

}  // namespace quorvane::dbwriter
