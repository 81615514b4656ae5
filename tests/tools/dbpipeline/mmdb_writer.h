// A writer of MaxMind DB files for the tests and the fuzzer's seeds: control bytes, strings,
// numbers, pointers, maps and arrays of the data section, and an IPv4 search tree (optionally
// under the 96 zero bits of an IPv6 tree, with IPv6 networks and the IPv4 aliases beside it) in
// any of the three record sizes, with its metadata.
#ifndef QUORVANE_TESTS_TOOLS_DBPIPELINE_MMDB_WRITER_H_
#define QUORVANE_TESTS_TOOLS_DBPIPELINE_MMDB_WRITER_H_

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quorvane::test::mmdb {

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

inline void Control(Bytes& out, int type, std::uint32_t size) {
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

inline void String(Bytes& out, const std::string& text) {
    Control(out, kUtf8, static_cast<std::uint32_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

inline void Unsigned(Bytes& out, int type, std::uint64_t value, int width) {
    Control(out, type, static_cast<std::uint32_t>(width));
    for (int i = width - 1; i >= 0; --i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

inline void Pointer(Bytes& out, std::uint32_t target) {  // target below 2,048
    out.push_back(static_cast<std::uint8_t>((kPointer << 5) | (target >> 8)));
    out.push_back(static_cast<std::uint8_t>(target));
}

// A trie over IPv4 (optionally under 96 zero bits of IPv6): children are node numbers, or
// data offsets marked by kLeaf, or kEmpty.
inline constexpr std::int64_t kEmpty = -1;
inline constexpr std::int64_t kLeaf = std::int64_t{1} << 40;

struct Tree {
    std::vector<std::array<std::int64_t, 2>> nodes{{kEmpty, kEmpty}};
    std::size_t ipv4Root = 0;

    void Insert(std::uint32_t prefix, int length, std::uint32_t dataOffset) {
        Place(ipv4Root, prefix, 32, length, kLeaf + dataOffset);
    }

    // An IPv6 network from the root of an IPv6 tree.
    void Insert6(unsigned __int128 prefix, int length, std::uint32_t dataOffset) {
        Place(0, prefix, 128, length, kLeaf + dataOffset);
    }

    // Points an IPv6 network at the IPv4 subtree, as files of both families do for
    // ::ffff:0:0/96 and 2002::/16.
    void AliasIpv4(unsigned __int128 prefix, int length) {
        Place(0, prefix, 128, length, static_cast<std::int64_t>(ipv4Root));
    }

  private:
    // Sets the record that the first length of bits bits of prefix reach from node to child.
    template <typename Prefix>
    void Place(std::size_t node, Prefix prefix, int bits, int length, std::int64_t child) {
        for (int bit = 0; bit < length; ++bit) {
            const int side = static_cast<int>((prefix >> (bits - 1 - bit)) & 1);
            if (bit + 1 == length) {
                nodes[node][side] = child;
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

inline Tree MakeTree(bool ipv6) {
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

inline Bytes Encode(const Tree& tree, int recordSize, int ipVersion, const Bytes& data,
                    const std::string& databaseType = "seed") {
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
    String(out, databaseType);
    return out;
}

// A data value to encode: a string, a map or an array. A map's key i names its value i; two
// vectors rather than one of pairs, since a pair needs Value complete where a vector does not.
struct Value {
    enum Kind { kText, kMapOf, kArrayOf } kind = kText;
    std::string text;
    std::vector<std::string> keys;
    std::vector<Value> values;

    // Adds an entry to a map.
    void Add(std::string key, Value value) {
        keys.push_back(std::move(key));
        values.push_back(std::move(value));
    }
};

inline Value Text(std::string text) {
    return {Value::kText, std::move(text), {}, {}};
}
inline Value MapOf(std::vector<std::pair<std::string, Value>> entries) {
    Value map{Value::kMapOf, {}, {}, {}};
    for (auto& [key, value] : entries) {
        map.Add(std::move(key), std::move(value));
    }
    return map;
}
inline Value ArrayOf(std::vector<Value> elements) {
    return {Value::kArrayOf, {}, {}, std::move(elements)};
}

// Appends value to a data section and returns where it starts.
inline std::uint32_t Put(Bytes& data, const Value& value) {
    const auto at = static_cast<std::uint32_t>(data.size());
    if (value.kind == Value::kText) {
        String(data, value.text);
        return at;
    }
    Control(data, value.kind == Value::kMapOf ? kMap : kArray,
            static_cast<std::uint32_t>(value.values.size()));
    for (std::size_t i = 0; i < value.values.size(); ++i) {
        if (value.kind == Value::kMapOf) {
            String(data, value.keys[i]);
        }
        Put(data, value.values[i]);
    }
    return at;
}

}  // namespace quorvane::test::mmdb

#endif  // QUORVANE_TESTS_TOOLS_DBPIPELINE_MMDB_WRITER_H_
