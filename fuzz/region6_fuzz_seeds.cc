// Writes a small seed corpus for region6_fuzzer into the folder given: well-formed region6.db
// files with small blocks (so that even small files have a first-level table of several entries),
// and copies broken in the ways a file can be broken. Usage: region6_fuzz_seeds FOLDER
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/region6_input.h"
#include "fuzz/seed_folder.h"
#include "tools/dbwriter/region6_writer.h"

namespace {

using quorvane::dbwriter::Range6;
using namespace quorvane::format6;

std::vector<std::uint8_t> WithPrefix(const std::vector<Range6>& ranges,
                                     const std::vector<std::uint8_t>& db) {
    std::vector<std::uint8_t> input(quorvane::fuzz::kRegion6PrefixSize, 0);
    for (std::size_t i = 0; i < quorvane::fuzz::kRegion6AddressCount && !ranges.empty(); ++i) {
        const Range6& range = ranges[(i * 7) % ranges.size()];
        const Region6Address a = i % 2 == 0 ? range.start : range.end;
        Region6WriteU64(input.data() + 16 * i, a.high);
        Region6WriteU64(input.data() + 16 * i + 8, a.low);
    }
    input.insert(input.end(), db.begin(), db.end());
    return input;
}

std::vector<Range6> MakeRanges(std::size_t count) {
    std::vector<Range6> ranges;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t high = 0x2000000000000000 + (std::uint64_t{i} << 48) + i % 3;
        const std::uint64_t low = i % 5 == 0 ? 0x100 : 0;
        const std::uint64_t endLow = i % 2 == 0 ? UINT64_MAX : 0xFFFF;
        ranges.push_back({{high, low},
                          {high + (i % 4), endLow},
                          "国" + std::to_string(i % 7) + "|0|p|" + std::to_string(i) + "|isp"});
    }
    return ranges;
}

}  // namespace

int main(int argc, char** argv) {
    quorvane::fuzz::SeedFolder seeds(argc, argv);
    if (!seeds.Ok()) {
        return 2;
    }
    const auto save = [&](const std::vector<std::uint8_t>& input) { seeds.Save(input); };
    for (const auto& [count, bits] :
         {std::pair{0u, 1u}, {1u, 0u}, {5u, 1u}, {40u, 2u}, {200u, 3u}}) {
        const auto ranges = MakeRanges(count);
        std::vector<std::uint8_t> db;
        std::string error;
        if (!quorvane::dbwriter::BuildRegion6(ranges, db, error, bits)) {
            std::fprintf(stderr, "region6_fuzz_seeds: %s\n", error.c_str());
            return 1;
        }
        save(WithPrefix(ranges, db));
        if (count != 40) {
            continue;
        }
        auto broken = db;  // a text index entry past the texts
        Region6WriteU32(broken.data() + Region6ReadU32(db.data() + kRegion6TextIndexAt) + 4,
                        0x7FFFFFFF);
        save(WithPrefix(ranges, broken));
        broken = db;  // ranges out of order
        Region6WriteU64(broken.data() + Region6ReadU32(db.data() + kRegion6HighAt) + 16, 0);
        save(WithPrefix(ranges, broken));
        broken = db;  // a table entry that is not its block's first start
        Region6WriteU32(broken.data() + Region6ReadU32(db.data() + kRegion6FencesAt) + 8, 9999);
        save(WithPrefix(ranges, broken));
        save(WithPrefix(ranges, std::vector<std::uint8_t>(db.begin(), db.begin() + 100)));
    }
    return seeds.Ok() ? 0 : 1;
}
