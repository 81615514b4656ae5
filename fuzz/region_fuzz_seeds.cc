// Writes a small seed corpus for region_fuzzer into the folder given: well-formed databases of
// a few sizes from the database writer, and copies broken in the ways a file can be broken.
// Usage: region_fuzz_seeds FOLDER
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "tools/dbwriter/db_writer.h"

namespace {

using quorvane::dbwriter::Range;

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    quorvane::format::WriteU32(bytes.data() + at, value);
}

// Prefix: the order byte, then addresses at the starts and ends of some ranges.
std::vector<std::uint8_t> WithPrefix(std::uint8_t order, const std::vector<Range>& ranges,
                                     const std::vector<std::uint8_t>& db) {
    std::vector<std::uint8_t> input(quorvane::fuzz::kPrefixSize, 0);
    input[0] = order;
    for (std::size_t i = 0; i < quorvane::fuzz::kAddressCount; ++i) {
        const Range& range = ranges[(i * 7) % ranges.size()];
        PutU32(input, 1 + 4 * i, i % 2 == 0 ? range.start : range.end);
    }
    input.insert(input.end(), db.begin(), db.end());
    return input;
}

std::vector<Range> MakeRanges(std::size_t count) {
    std::vector<Range> ranges;
    const std::uint64_t step = (std::uint64_t{1} << 32) / count;
    for (std::size_t i = 0; i < count; ++i) {
        ranges.push_back({static_cast<std::uint32_t>(i * step),
                          static_cast<std::uint32_t>(i * step + step / 2),
                          "c" + std::to_string(i % 9) + "|0|p|" + std::to_string(i) + "|isp"});
    }
    return ranges;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    int written = 0;
    auto save = [&](const std::vector<std::uint8_t>& input) {
        std::ofstream out(folder + "/seed-" + std::to_string(written++),
                          std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(input.data()),
                  static_cast<std::streamsize>(input.size()));
        return static_cast<bool>(out);
    };
    bool ok = true;
    for (std::size_t count : {1u, 3u, 40u, 1500u}) {
        const auto ranges = MakeRanges(count);
        std::vector<std::uint8_t> db;
        std::string error;
        if (!quorvane::dbwriter::BuildDatabase(ranges, {}, db, error)) {
            std::fprintf(stderr, "region_fuzz_seeds: %s\n", error.c_str());
            return 1;
        }
        ok &= save(WithPrefix(static_cast<std::uint8_t>(count), ranges, db));
        if (count != 40) {
            continue;
        }
        auto broken = db;  // last index offset below the first
        PutU32(broken, 4, 8);
        ok &= save(WithPrefix(0x81, ranges, broken));
        broken = db;  // a header without entries
        PutU32(broken, 12, 0);
        ok &= save(WithPrefix(2, ranges, broken));
        broken = db;  // record lengths below 4 and pointers past the end
        const std::uint32_t firstIndex = quorvane::format::ReadU32(broken.data());
        PutU32(broken, firstIndex + 8,
               quorvane::format::MakeDataPointer(3, quorvane::format::kFixedBlocksEnd));
        PutU32(broken, firstIndex + 20,
               quorvane::format::MakeDataPointer(200, static_cast<std::uint32_t>(db.size() - 10)));
        ok &= save(WithPrefix(3, ranges, broken));
        broken.assign(db.begin(), db.begin() + static_cast<std::ptrdiff_t>(db.size() - 7));
        ok &= save(WithPrefix(0x84, ranges, broken));
    }
    if (!ok) {
        std::fprintf(stderr, "region_fuzz_seeds: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
