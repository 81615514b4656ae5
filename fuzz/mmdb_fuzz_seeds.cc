// Writes a small seed corpus for mmdb_fuzzer into the folder given: MaxMind DB files of the
// three record sizes, IPv4 and IPv6 trees, with data maps that use pointers, nested maps,
// arrays, numbers of every width and booleans, as the pipeline's real sources do.
// Usage: mmdb_fuzz_seeds FOLDER
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/tools/dbpipeline/mmdb_writer.h"

namespace {

using namespace quorvane::test::mmdb;

// Two records like a city table's and an ASN table's; the second reuses keys by pointer.
Bytes MakeData(std::uint32_t& first, std::uint32_t& second) {
    Bytes data;
    first = 0;
    Control(data, kMap, 6);
    const auto countryKey = static_cast<std::uint32_t>(data.size());
    String(data, "country_code");
    String(data, "US");
    String(data, "city");
    String(data, "Mountain View, CA");
    String(data, "latitude");
    Control(data, kDouble, 8);
    data.insert(data.end(), {0x40, 0x42, 0xB3, 0x33, 0x33, 0x33, 0x33, 0x33});
    String(data, "names");
    Control(data, kMap, 2);
    String(data, "en");
    String(data, "United States");
    String(data, "zh-CN");
    String(data, "美国");
    String(data, "tags");
    Control(data, kArray, 3);
    Unsigned(data, kUint16, 7, 1);
    Control(data, kBoolean, 1);
    String(data, "x");
    String(data, "autonomous_system_number");
    Unsigned(data, kUint32, 13335, 2);
    second = static_cast<std::uint32_t>(data.size());
    Control(data, kMap, 3);
    Pointer(data, countryKey);
    String(data, "CN");
    String(data, "state1");
    String(data, "广东省");
    String(data, "autonomous_system_organization");
    String(data, std::string(300, 'o'));
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    const Bytes data = MakeData(first, second);
    bool ok = true;
    int written = 0;
    for (int recordSize : {24, 28, 32}) {
        for (bool ipv6 : {false, true}) {
            Tree tree = MakeTree(ipv6);
            tree.Insert(0x01000000u, 8, first);
            tree.Insert(0x08080800u, 24, second);
            tree.Insert(0x08080900u, 24, second);
            tree.Insert(0xC0A80000u, 16, first);
            tree.Insert(0xFFFFFFFFu, 32, second);
            const Bytes image = Encode(tree, recordSize, ipv6 ? 6 : 4, data);
            std::ofstream out(folder + "/seed-" + std::to_string(written++),
                              std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(image.data()),
                      static_cast<std::streamsize>(image.size()));
            ok &= static_cast<bool>(out);
        }
    }
    if (!ok) {
        std::fprintf(stderr, "mmdb_fuzz_seeds: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
