// Spot checks of the bundled database through the engine: well-known addresses must come out
// as users expect, by every search strategy alike.
#include <gtest/gtest.h>

#include <quorvane/region.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Fields(const std::string& text) {
    std::vector<std::string> fields;
    std::string field;
    for (char c : text) {
        if (c == '|') {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

class BundledDatabase : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QUORVANE_DATABASE_BUNDLED) {
            GTEST_SKIP() << "only the sample database is built; the real one is not in data/";
        }
        ASSERT_EQ(ip2region_create(&m_handle, QUORVANE_DATABASE_PATH), 1);
        m_opened = true;
    }
    void TearDown() override {
        if (m_opened) {
            ip2region_destroy(&m_handle);
        }
    }

    // The five fields of the address's region text; every strategy must give the same text.
    std::vector<std::string> Lookup(const char* address) {
        region_result memory{}, binary{}, btree{};
        EXPECT_EQ(ip2region_memory_search_string(&m_handle, address, &memory), 1) << address;
        EXPECT_EQ(ip2region_binary_search_string(&m_handle, address, &binary), 1) << address;
        EXPECT_EQ(ip2region_btree_search_string(&m_handle, address, &btree), 1) << address;
        EXPECT_STREQ(memory.region_text, binary.region_text) << address;
        EXPECT_STREQ(memory.region_text, btree.region_text) << address;
        std::vector<std::string> fields = Fields(memory.region_text);
        EXPECT_EQ(fields.size(), 5u) << address << ": " << memory.region_text;
        fields.resize(5);
        for (const std::string& field : fields) {
            EXPECT_FALSE(field.empty()) << address << ": " << memory.region_text;
        }
        return fields;
    }

    region_handle m_handle{};
    bool m_opened = false;
};

TEST_F(BundledDatabase, PublicResolvers) {
    auto google = Lookup("8.8.8.8");
    EXPECT_EQ(google[0], "美国");
    EXPECT_NE(google[4].find("Google"), std::string::npos) << google[4];
    EXPECT_NE(Lookup("1.1.1.1")[4].find("Cloudflare"), std::string::npos);
    EXPECT_EQ(Lookup("114.114.114.114")[0], "中国");
    auto ali = Lookup("223.5.5.5");
    EXPECT_EQ(ali[0], "中国");
    EXPECT_EQ(ali[4], "阿里云");
    EXPECT_EQ(Lookup("119.29.29.29")[4], "腾讯云");
    EXPECT_EQ(Lookup("180.76.76.76")[4], "百度云");
    EXPECT_EQ(Lookup("9.9.9.9")[0], "美国");
    EXPECT_EQ(Lookup("208.67.222.222")[0], "美国");
}

TEST_F(BundledDatabase, ChineseCarriers) {
    auto telecom = Lookup("202.96.128.86");  // a Guangdong Telecom resolver
    EXPECT_EQ(telecom[0], "中国");
    EXPECT_EQ(telecom[2], "广东省");
    EXPECT_EQ(telecom[3], "广州市");
    EXPECT_EQ(telecom[4], "电信");
    auto unicom = Lookup("202.106.0.20");  // a Beijing Unicom resolver
    EXPECT_EQ(unicom[0], "中国");
    EXPECT_EQ(unicom[2], "北京市");
    EXPECT_EQ(unicom[3], "北京市");  // a municipality is its own city
    EXPECT_EQ(unicom[4], "联通");
    auto mobile = Lookup("211.136.17.107");
    EXPECT_EQ(mobile[0], "中国");
    EXPECT_EQ(mobile[4], "移动");
    EXPECT_EQ(Lookup("166.111.8.28")[4], "教育网");  // a university network
}

TEST_F(BundledDatabase, SpecialPurposeRanges) {
    const std::vector<std::string> lan = {"0", "0", "0", "0", "局域网"};
    EXPECT_EQ(Lookup("192.168.1.1"), lan);
    EXPECT_EQ(Lookup("10.1.2.3"), lan);
    EXPECT_EQ(Lookup("172.16.0.1"), lan);
    EXPECT_EQ(Lookup("127.0.0.1")[4], "本机地址");
    EXPECT_EQ(Lookup("224.0.0.251")[4], "组播地址");
    EXPECT_EQ(Lookup("255.255.255.255")[4], "广播地址");
    EXPECT_EQ(Lookup("100.64.0.1")[0], "0");
}

TEST_F(BundledDatabase, HongKongMacaoAndTaiwanAreProvincesOfChina) {
    auto hk = Lookup("203.198.7.66");
    EXPECT_EQ(hk[0], "中国");
    EXPECT_EQ(hk[2], "香港");
    EXPECT_EQ(hk[3], "香港");
    auto tw = Lookup("168.95.1.1");
    EXPECT_EQ(tw[0], "中国");
    EXPECT_EQ(tw[2], "台湾");
    EXPECT_EQ(tw[3], "台北市");
}

TEST_F(BundledDatabase, NoFieldHoldsACommaAndChinasCitiesAreChineseInOneProvinceEach) {
    // Every 4096th address: enough to meet every city that holds a sizeable share.
    std::map<std::string, std::string> provinceOfCity;
    std::uint64_t china = 0;
    std::uint64_t chineseCity = 0;
    for (std::uint64_t address = 0; address <= 0xFFFFFFFFu; address += 4096) {
        region_result result{};
        ASSERT_EQ(ip2region_memory_search(&m_handle, static_cast<std::uint32_t>(address), &result),
                  1);
        const std::vector<std::string> fields = Fields(result.region_text);
        ASSERT_EQ(fields.size(), 5u) << result.region_text;
        // A comma would split the line of a comma-separated export.
        EXPECT_EQ(std::string(result.region_text).find(','), std::string::npos)
            << result.region_text;
        if (fields[0] != "中国") {
            continue;
        }
        ++china;
        const std::string& city = fields[3];
        if (city == "0" || static_cast<unsigned char>(city[0]) < 0xE0) {
            continue;
        }
        ++chineseCity;
        const auto [it, inserted] = provinceOfCity.try_emplace(city, fields[2]);
        EXPECT_EQ(it->second, fields[2]) << city << " appears under two provinces";
    }
    ASSERT_GT(china, 0u);
    EXPECT_GE(static_cast<double>(chineseCity) / china, 0.999);
    EXPECT_GT(provinceOfCity.size(), 200u);
}

}  // namespace
