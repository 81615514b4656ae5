// The MaxMind DB reader over a small file built byte by byte here.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/tools/dbpipeline/mmdb_writer.h"
#include "tools/dbpipeline/mmdb_reader.h"

namespace quorvane::dbpipeline {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutString(Bytes& out, const std::string& text) {
    out.push_back(static_cast<std::uint8_t>((2 << 5) | text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

// Three nodes with 24-bit records:
//   node 0: 0.0.0.0/1 -> node 1, 128.0.0.0/1 -> record X
//   node 1: 0.0.0.0/2 -> no data, 64.0.0.0/2 -> node 2
//   node 2: 64.0.0.0/3 -> record Y, 96.0.0.0/3 -> record Y (joined into one block)
struct TinyDatabase {
    Bytes image;
    std::uint32_t xOffset = 0;
    std::uint32_t yOffset = 0;
};

TinyDatabase BuildTiny(int ipVersion = 4) {
    constexpr std::uint32_t kNodes = 3;
    Bytes data;
    TinyDatabase db;
    db.xOffset = 0;
    data.push_back((7 << 5) | 2);     // map of two
    PutString(data, "country_code");  // at data offset 1
    PutString(data, "US");
    PutString(data, "city");
    PutString(data, "Mountain View");
    db.yOffset = static_cast<std::uint32_t>(data.size());
    data.push_back((7 << 5) | 3);
    data.push_back(1 << 5);  // pointer to the key "country_code" at offset 1
    data.push_back(1);
    PutString(data, "CN");
    PutString(data, "state1");
    PutString(data, "Guangdong");
    PutString(data, "latitude");
    data.push_back((3 << 5) | 8);  // a double, skipped
    for (int i = 0; i < 8; ++i) {
        data.push_back(0x40);
    }

    auto record = [&](std::uint32_t dataOffset) { return kNodes + 16 + dataOffset; };
    const std::uint32_t nodes[kNodes][2] = {
        {1, record(db.xOffset)}, {kNodes, 2}, {record(db.yOffset), record(db.yOffset)}};
    Bytes& out = db.image;
    for (const auto& node : nodes) {
        for (std::uint32_t value : node) {
            out.push_back(static_cast<std::uint8_t>(value >> 16));
            out.push_back(static_cast<std::uint8_t>(value >> 8));
            out.push_back(static_cast<std::uint8_t>(value));
        }
    }
    out.insert(out.end(), 16, 0);
    out.insert(out.end(), data.begin(), data.end());
    const std::string marker = "\xAB\xCD\xEFMaxMind.com";
    out.insert(out.end(), marker.begin(), marker.end());
    out.push_back((7 << 5) | 5);
    PutString(out, "node_count");
    out.insert(out.end(), {(6 << 5) | 1, kNodes});
    PutString(out, "record_size");
    out.insert(out.end(), {(5 << 5) | 1, 24});
    PutString(out, "ip_version");
    out.insert(out.end(), {(5 << 5) | 1, static_cast<std::uint8_t>(ipVersion)});
    PutString(out, "build_epoch");
    out.insert(out.end(), {2, 9 - 7, 0x01, 0x02});  // extended type uint64, two bytes
    PutString(out, "database_type");
    PutString(out, "tiny");
    return db;
}

TEST(MmdbReader, WalksBlocksInOrderAndJoinsNeighboursWithOneRecord) {
    TinyDatabase db = BuildTiny();
    MmdbReader reader(db.image);
    std::string error;
    ASSERT_TRUE(reader.Open(error)) << error;
    EXPECT_EQ(reader.BuildEpoch(), 0x0102u);
    EXPECT_EQ(reader.DatabaseType(), "tiny");

    std::vector<MmdbBlock> blocks;
    ASSERT_TRUE(reader.ForEachIpv4Block([&](const MmdbBlock& b) { blocks.push_back(b); }, error))
        << error;
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].start, 0x40000000u);
    EXPECT_EQ(blocks[0].end, 0x7FFFFFFFu);
    EXPECT_EQ(blocks[0].dataOffset, db.yOffset);
    EXPECT_EQ(blocks[1].start, 0x80000000u);
    EXPECT_EQ(blocks[1].end, 0xFFFFFFFFu);
    EXPECT_EQ(blocks[1].dataOffset, db.xOffset);

    std::map<std::string, std::string> fields;
    ASSERT_TRUE(reader.ReadStringFields(db.yOffset, fields, error)) << error;
    EXPECT_EQ(fields["country_code"], "CN");  // the key came through a pointer
    EXPECT_EQ(fields["state1"], "Guangdong");
    EXPECT_EQ(fields.count("latitude"), 0u);
    ASSERT_TRUE(reader.ReadStringFields(db.xOffset, fields, error)) << error;
    EXPECT_EQ(fields["city"], "Mountain View");
}

// The same tree read as an IPv6 one: the same blocks, now halves of the 128-bit space; an IPv4
// file has no IPv6 walk.
TEST(MmdbReader, WalksAnIpv6TreeInOrder) {
    TinyDatabase db = BuildTiny(6);
    MmdbReader reader(db.image);
    std::string error;
    ASSERT_TRUE(reader.Open(error)) << error;
    std::vector<MmdbBlock6> blocks;
    ASSERT_TRUE(reader.ForEachIpv6Block([&](const MmdbBlock6& b) { blocks.push_back(b); }, error))
        << error;
    const Address6 quarter = Address6{1} << 126;
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_TRUE(blocks[0].start == quarter && blocks[0].end == 2 * quarter - 1);
    EXPECT_EQ(blocks[0].dataOffset, db.yOffset);
    EXPECT_TRUE(blocks[1].start == 2 * quarter && blocks[1].end == ~Address6{0});
    EXPECT_EQ(blocks[1].dataOffset, db.xOffset);

    MmdbReader ipv4(BuildTiny(4).image);
    ASSERT_TRUE(ipv4.Open(error)) << error;
    EXPECT_FALSE(ipv4.ForEachIpv6Block([](const MmdbBlock6&) {}, error));
}

TEST(MmdbReader, DamagedFilesFailWithoutReadingOutside) {
    const TinyDatabase db = BuildTiny();
    std::string error;
    {
        MmdbReader reader(Bytes(db.image.begin(), db.image.begin() + 40));  // no metadata
        EXPECT_FALSE(reader.Open(error));
    }
    {
        // A node record pointing at a node that does not exist... as data past the section.
        Bytes image = db.image;
        image[3] = 0xFF;  // node 0's right record becomes a huge data pointer
        MmdbReader reader(image);
        ASSERT_TRUE(reader.Open(error)) << error;
        EXPECT_FALSE(reader.ForEachIpv4Block([](const MmdbBlock&) {}, error));
    }
    {
        // Every cut of the data section must be reported, never read past: only the two map
        // starts decode; every other offset lands inside a value and fails with a reason.
        for (std::uint32_t cut = 0; cut < 40; ++cut) {
            SCOPED_TRACE(cut);
            MmdbReader reader(db.image);
            ASSERT_TRUE(reader.Open(error));
            std::map<std::string, std::string> fields;
            error.clear();
            const bool read = reader.ReadStringFields(cut, fields, error);
            EXPECT_EQ(read, cut == db.xOffset || cut == db.yOffset);
            EXPECT_EQ(error.empty(), read);
        }
        MmdbReader reader(db.image);
        ASSERT_TRUE(reader.Open(error));
        std::map<std::string, std::string> fields;
        EXPECT_FALSE(reader.ReadStringFields(100000, fields, error));
    }
}

constexpr Address6 Net6(std::uint64_t high) {
    return Address6{high} << 64;
}

// A file of both families as MaxMind writes them: IPv4 under ::/96, reached again through
// ::ffff:0:0/96 and 2002::/16. The IPv6 walk gives the IPv6 networks only, and the IPv4 walk
// still gives IPv4; an alias that is not to the IPv4 subtree stays refused.
TEST(MmdbReader, Ipv6WalkLeavesOutTheIpv4SubtreeAndItsAliases) {
    using test::mmdb::Put;
    using test::mmdb::Text;
    test::mmdb::Bytes data;
    test::mmdb::Tree tree = test::mmdb::MakeTree(true);
    const std::uint32_t v4 = Put(data, test::mmdb::MapOf({{"k", Text("v4")}}));
    const std::uint32_t v6 = Put(data, test::mmdb::MapOf({{"k", Text("v6")}}));
    tree.Insert(1u << 24, 8, v4);
    tree.Insert6(Net6(0x20010DB800000000ull), 32, v6);
    tree.Insert6(Net6(0x2400000000000000ull), 8, v4);  // a record shared with IPv4 is kept
    tree.AliasIpv4(Net6(0xFFFF), 96);
    tree.AliasIpv4(Net6(0x2002000000000000ull), 16);
    for (int recordSize : {24, 28, 32}) {
        SCOPED_TRACE(recordSize);
        MmdbReader reader(test::mmdb::Encode(tree, recordSize, 6, data));
        std::string error;
        ASSERT_TRUE(reader.Open(error)) << error;
        std::vector<MmdbBlock6> blocks;
        ASSERT_TRUE(
            reader.ForEachIpv6Block([&](const MmdbBlock6& b) { blocks.push_back(b); }, error))
            << error;
        ASSERT_EQ(blocks.size(), 2u);
        EXPECT_TRUE(blocks[0].start == Net6(0x20010DB800000000ull) &&
                    blocks[0].end == Net6(0x20010DB900000000ull) - 1);
        EXPECT_EQ(blocks[0].dataOffset, v6);
        EXPECT_TRUE(blocks[1].start == Net6(0x2400000000000000ull));
        EXPECT_EQ(blocks[1].dataOffset, v4);
        std::vector<MmdbBlock> ipv4;
        ASSERT_TRUE(reader.ForEachIpv4Block([&](const MmdbBlock& b) { ipv4.push_back(b); }, error));
        ASSERT_EQ(ipv4.size(), 1u);
        EXPECT_EQ(ipv4[0].start, 1u << 24);
    }

    // 2002::/16 pointing at an IPv6 node instead: two paths to a node that is no IPv4 subtree.
    test::mmdb::Tree shared = test::mmdb::MakeTree(true);
    shared.Insert(1u << 24, 8, v4);
    shared.Insert6(Net6(0x2400000000000000ull), 8, v6);
    shared.Insert6(Net6(0x2600000000000000ull), 8, v6);
    const std::size_t ipv4Root = shared.ipv4Root;
    shared.ipv4Root = static_cast<std::size_t>(shared.nodes[0][0]);  // node of ::/1, not ::/96
    shared.AliasIpv4(Net6(0x2002000000000000ull), 16);
    shared.ipv4Root = ipv4Root;
    MmdbReader reader(test::mmdb::Encode(shared, 28, 6, data));
    std::string error;
    ASSERT_TRUE(reader.Open(error)) << error;
    EXPECT_FALSE(reader.ForEachIpv6Block([](const MmdbBlock6&) {}, error));
}

// A file with the given 24-bit nodes and data section, and the metadata the reader needs.
Bytes BuildImage(const std::vector<std::array<std::uint32_t, 2>>& nodes, const Bytes& data) {
    Bytes out;
    for (const auto& node : nodes) {
        for (std::uint32_t value : node) {
            out.insert(out.end(),
                       {static_cast<std::uint8_t>(value >> 16),
                        static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
        }
    }
    out.insert(out.end(), 16, 0);
    out.insert(out.end(), data.begin(), data.end());
    const std::string marker = "\xAB\xCD\xEFMaxMind.com";
    out.insert(out.end(), marker.begin(), marker.end());
    out.push_back((7 << 5) | 3);
    PutString(out, "node_count");
    out.insert(out.end(), {(6 << 5) | 1, static_cast<std::uint8_t>(nodes.size())});
    PutString(out, "record_size");
    out.insert(out.end(), {(5 << 5) | 1, 24});
    PutString(out, "ip_version");
    out.insert(out.end(), {(5 << 5) | 1, 4});
    return out;
}

// Values the format forbids, and sizes the file cannot back, are refused before anything is
// reserved or expanded for them.
TEST(MmdbReader, HostileDataIsRefused) {
    const std::vector<std::array<std::uint32_t, 2>> oneNode = {{1 + 16, 1 + 16}};
    const std::vector<Bytes> records = {
        {1 << 5, 2, 1 << 5, 4, 7 << 5},        // a pointer to a pointer to an empty map
        {0, 0},                                // extended type 0: would read as a map
        {(7 << 5) | 31, 0xFF, 0xFF, 0xFF, 0},  // a map of 16,843,036 entries in 5 bytes
        {(7 << 5) | 1, (2 << 5) | 1, 'k', (6 << 5) | 9, 1, 2, 3, 4, 5, 6, 7, 8, 9},  // 9-byte u32
    };
    for (std::size_t i = 0; i < records.size(); ++i) {
        MmdbReader reader(BuildImage(oneNode, records[i]));
        std::string error;
        ASSERT_TRUE(reader.Open(error)) << error;
        std::map<std::string, std::string> fields;
        EXPECT_FALSE(reader.ReadStringFields(0, fields, error)) << "record " << i;
    }

    // Both records of every node lead to the next: 32 nodes, 2^32 paths to one record.
    std::vector<std::array<std::uint32_t, 2>> shared;
    for (std::uint32_t i = 0; i < 31; ++i) {
        shared.push_back({i + 1, i + 1});
    }
    shared.push_back({32 + 16, 32 + 16});
    MmdbReader reader(BuildImage(shared, {7 << 5}));
    std::string error;
    ASSERT_TRUE(reader.Open(error)) << error;
    EXPECT_FALSE(reader.ForEachIpv4Block([](const MmdbBlock&) {}, error));
}

}  // namespace
}  // namespace quorvane::dbpipeline
