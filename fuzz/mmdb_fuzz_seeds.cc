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

namespace {

using Bytes = std::vector<std::uint8_t>;

enum Type {
    kPointer = 1,
    kUtf8 = 2,
    kDouble = 3,
    kUint16 = 5,
    kUint32 = 6,
    kMap = 7,
    kUint64 = 9,
    kArray = 11,
    kBoolean = 14
};

void Control(Bytes& out, int type, std::uint32_t size) {
    const int first = type <= 7 ? type << 5 : 0;
    std::uint8_t sizeField;
    Bytes extra;
    if (size < 29) {
        sizeField = static_cast<std::uint8_t>(size);
    } else if (size < 285) {
        sizeField = 29;
        extra = {static_cast<std::uint8_t>(size - 29)};
    } else {
        sizeField = 30;
        extra = {static_cast<std::uint8_t>((size - 285) >> 8),
                 static_cast<std::uint8_t>(size - 285)};
    }
    out.push_back(static_cast<std::uint8_t>(first | sizeField));
    if (type > 7) {
        out.push_back(static_cast<std::uint8_t>(type - 7));
    }
    out.insert(out.end(), extra.begin(), extra.end());
}

void String(Bytes& out, const std::string& text) {
    Control(out, kUtf8, static_cast<std::uint32_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

void Unsigned(Bytes& out, int type, std::uint64_t value, int width) {
    Control(out, type, static_cast<std::uint32_t>(width));
    for (int i = width - 1; i >= 0; --i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void Pointer(Bytes& out, std::uint32_t target) {  // target below 2,048
    out.push_back(static_cast<std::uint8_t>((kPointer << 5) | (target >> 8)));
    out.push_back(static_cast<std::uint8_t>(target));
}

// A trie over IPv4 (optionally under 96 zero bits of IPv6): children are node numbers, or
// data offsets marked by kLeaf, or kEmpty.
constexpr std::int64_t kEmpty = -1;
constexpr std::int64_t kLeaf = std::int64_t{1} << 40;

struct Tree {
    std::vector<std::array<std::int64_t, 2>> nodes{{kEmpty, kEmpty}};
    std::size_t ipv4Root = 0;

    void Insert(std::uint32_t prefix, int length, std::uint32_t dataOffset) {
        std::size_t node = ipv4Root;
        for (int bit = 0; bit < length; ++bit) {
            const int side = (prefix >> (31 - bit)) & 1;
            if (bit + 1 == length) {
                nodes[node][side] = kLeaf + dataOffset;
                return;
            }
            if (nodes[node][side] < 0 || nodes[node][side] >= kLeaf) {
                nodes[node][side] = static_cast<std::int64_t>(nodes.size());
                nodes.push_back({kEmpty, kEmpty});
            }
            node = static_cast<std::size_t>(nodes[node][side]);
        }
    }
};

Tree MakeTree(bool ipv6) {
    Tree tree;
    if (ipv6) {
        for (int i = 0; i < 96; ++i) {
            tree.nodes.back()[0] = static_cast<std::int64_t>(tree.nodes.size());
            tree.nodes.push_back({kEmpty, kEmpty});
        }
        tree.ipv4Root = tree.nodes.size() - 1;
    }
    return tree;
}

Bytes Encode(const Tree& tree, int recordSize, int ipVersion, const Bytes& data) {
    const auto count = static_cast<std::uint32_t>(tree.nodes.size());
    auto record = [&](std::int64_t child) -> std::uint32_t {
        if (child == kEmpty) {
            return count;
        }
        if (child >= kLeaf) {
            return static_cast<std::uint32_t>(count + 16 + (child - kLeaf));
        }
        return static_cast<std::uint32_t>(child);
    };
    Bytes out;
    for (const auto& node : tree.nodes) {
        const std::uint32_t left = record(node[0]);
        const std::uint32_t right = record(node[1]);
        if (recordSize == 24) {
            for (std::uint32_t r : {left, right}) {
                out.insert(out.end(),
                           {static_cast<std::uint8_t>(r >> 16), static_cast<std::uint8_t>(r >> 8),
                            static_cast<std::uint8_t>(r)});
            }
        } else if (recordSize == 28) {
            out.insert(out.end(),
                       {static_cast<std::uint8_t>(left >> 16), static_cast<std::uint8_t>(left >> 8),
                        static_cast<std::uint8_t>(left),
                        static_cast<std::uint8_t>(((left >> 20) & 0xF0) | ((right >> 24) & 0x0F)),
                        static_cast<std::uint8_t>(right >> 16),
                        static_cast<std::uint8_t>(right >> 8), static_cast<std::uint8_t>(right)});
        } else {
            for (std::uint32_t r : {left, right}) {
                out.insert(out.end(),
                           {static_cast<std::uint8_t>(r >> 24), static_cast<std::uint8_t>(r >> 16),
                            static_cast<std::uint8_t>(r >> 8), static_cast<std::uint8_t>(r)});
            }
        }
    }
    out.insert(out.end(), 16, 0);
    out.insert(out.end(), data.begin(), data.end());
    const std::string marker = "\xAB\xCD\xEFMaxMind.com";
    out.insert(out.end(), marker.begin(), marker.end());
    Control(out, kMap, 5);
    String(out, "node_count");
    Unsigned(out, kUint32, count, 4);
    String(out, "record_size");
    Unsigned(out, kUint16, static_cast<std::uint64_t>(recordSize), 2);
    String(out, "ip_version");
    Unsigned(out, kUint16, static_cast<std::uint64_t>(ipVersion), 2);
    String(out, "build_epoch");
    Unsigned(out, kUint64, 1700000000, 8);
    String(out, "database_type");
    String(out, "seed");
    return out;
}

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
