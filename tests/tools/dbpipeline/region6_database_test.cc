// The region6.db the build puts beside the tool: its layout passes the reader's check, every text
// has the five fields without a comma, and well-known addresses get the values users expect.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "batch/ipv6_address.h"
#include "region6_search.h"

namespace {

// The file, read once for all the tests.
const std::vector<unsigned char>& Image() {
    static const std::vector<unsigned char> kImage = [] {
        std::ifstream file(QUORVANE_DATABASE6_PATH, std::ios::binary);
        return std::vector<unsigned char>((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    }();
    return kImage;
}

std::string Find(const Region6Image& db, const char* text) {
    const std::optional<quorvane::Ipv6Address> address = quorvane::ParseIpv6Address(text);
    EXPECT_TRUE(address.has_value()) << text;
    const std::uint32_t record = Region6FindRecord(&db, {address->high, address->low});
    if (record == REGION6_NO_RECORD) {
        return {};
    }
    std::size_t length = 0;
    const unsigned char* bytes = Region6RecordText(&db, record, &length);
    return {reinterpret_cast<const char*>(bytes), length};
}

TEST(Region6DatabaseTest, PassesTheCheckAndHoldsFiveFieldTextsWithoutCommas) {
    Region6Image db;
    const char* reason = nullptr;
    ASSERT_EQ(Region6Open(Image().data(), Image().size(), &db, &reason), 1) << reason;
    EXPECT_GT(db.range_count, 1000000u) << "the sources' ranges are kept, not coarsened";
    for (std::uint32_t r = 0; r < db.record_count; ++r) {
        std::size_t length = 0;
        const unsigned char* bytes = Region6RecordText(&db, r, &length);
        const std::string text(reinterpret_cast<const char*>(bytes), length);
        ASSERT_EQ(std::count(text.begin(), text.end(), '|'), 4) << text;
        ASSERT_EQ(text.find(','), std::string::npos) << text;
    }
}

TEST(Region6DatabaseTest, WellKnownAddresses) {
    Region6Image db;
    ASSERT_EQ(Region6Open(Image().data(), Image().size(), &db, nullptr), 1);
    // China's carriers by their Chinese names, in a province of China.
    EXPECT_EQ(Find(db, "240e:4c:4008::1").rfind("中国|0|", 0), 0u) << Find(db, "240e:4c:4008::1");
    EXPECT_NE(Find(db, "240e:4c:4008::1").find("|电信"), std::string::npos);
    EXPECT_NE(Find(db, "2409:8000::1").find("|移动"), std::string::npos)
        << Find(db, "2409:8000::1");
    // Anycast: the source places it where it likes, but the provider is the AS's organisation.
    EXPECT_NE(Find(db, "2001:4860:4860::8888").find("|Google LLC"), std::string::npos)
        << Find(db, "2001:4860:4860::8888");
    // Special-purpose space, labelled as in the IPv4 file.
    EXPECT_EQ(Find(db, "::1"), "0|0|0|0|本机地址");
    EXPECT_EQ(Find(db, "fe80::1"), "0|0|0|0|链路本地地址");
    EXPECT_EQ(Find(db, "fd00::1"), "0|0|0|0|局域网");
    EXPECT_EQ(Find(db, "ff02::1"), "0|0|0|0|组播地址");
    EXPECT_EQ(Find(db, "2001:db8::1"), "0|0|0|0|文档示例地址");
}

// The engine searches a compact form of the file (a tree over its high column, its low column
// dropped): on the shipped ranges, bunched and with /64s cut into many pieces, it answers as the
// file does at every range's first address and at the address before it, singly and many at once.
TEST(Region6DatabaseTest, CompactFormAnswersAsTheFile) {
    Region6Image db;
    ASSERT_EQ(Region6Open(Image().data(), Image().size(), &db, nullptr), 1);
    std::vector<unsigned char> block(Region6CompactSize(&db));
    Region6Image compact;
    Region6Compact(&db, block.data(), &compact);
    std::vector<Region6Address> probes;
    for (std::uint32_t i = 1; i < db.range_count; ++i) {
        const std::uint64_t high = quorvane::format6::Region6ReadU64(db.high + std::size_t{i} * 8);
        const std::uint64_t low = quorvane::format6::Region6ReadU64(db.low + std::size_t{i} * 8);
        probes.push_back({high, low});
        probes.push_back(low == 0 ? Region6Address{high - 1, UINT64_MAX}
                                  : Region6Address{high, low - 1});
    }
    std::vector<std::uint32_t> fromFile(probes.size());
    std::vector<std::uint32_t> fromCompact(probes.size());
    Region6FindRecords(&db, probes.data(), fromFile.data(), probes.size());
    Region6FindRecords(&compact, probes.data(), fromCompact.data(), probes.size());
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < probes.size(); ++i) {
        wrong += fromCompact[i] != fromFile[i] ||
                 (i % 16 == 0 && Region6FindRecord(&compact, probes[i]) != fromFile[i]);
    }
    EXPECT_EQ(wrong, 0u);
}

}  // namespace
