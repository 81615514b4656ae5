// Region texts, source readers and naming tables of the database pipeline.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/dbpipeline/region_text.h"
#include "tools/dbpipeline/sources.h"
#include "tools/dbpipeline/tables.h"

namespace quorvane::dbpipeline {
namespace {

std::vector<std::string> SplitAtBars(const std::string& text) {
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

TEST(RegionText, EmptyValuesBecomeZeroSoNoFieldVanishes) {
    EXPECT_EQ(ComposeRegionText("美国", "", "", "Google LLC"), "美国|0|0|0|Google LLC");
    EXPECT_EQ(ComposeRegionText("", "", "", ""), "0|0|0|0|0");
    EXPECT_EQ(ComposeRegionText("中国", "广东省", "广州", "电信"), "中国|0|广东省|广州|电信");
}

TEST(RegionText, LongTextIsShortenedInsideTheLongestFieldsOnCharacterBoundaries) {
    std::string city;
    for (int i = 0; i < 60; ++i) {
        city += "城";  // 3 bytes each: 180 bytes
    }
    const std::string provider(150, 'p');
    const std::string text = ComposeRegionText("中国", "广东省", city, provider);
    EXPECT_LE(text.size(), kMaxRegionTextBytes);
    EXPECT_GE(text.size(), kMaxRegionTextBytes - 3);
    const auto fields = SplitAtBars(text);
    ASSERT_EQ(fields.size(), 5u);
    EXPECT_EQ(fields[0], "中国");
    EXPECT_EQ(fields[1], "0");
    EXPECT_EQ(fields[2], "广东省");
    // Both long fields gave way; the city still holds whole characters only.
    EXPECT_LT(fields[3].size(), city.size());
    EXPECT_LT(fields[4].size(), provider.size());
    EXPECT_EQ(fields[3].size() % 3, 0u);
    EXPECT_EQ(CleanField(fields[3]), fields[3]);
}

TEST(RegionText, CleanFieldKeepsFieldsApartAndDropsWhatCannotBeShown) {
    EXPECT_EQ(CleanField("A|B"), "A/B");
    EXPECT_EQ(CleanField("  New\tYork\r\n "), "New York");
    EXPECT_EQ(CleanField("Caf\xC3\xA9"), "Caf\xC3\xA9");
    EXPECT_EQ(CleanField("bad\xFF\xC3 byte"), "bad byte");
    EXPECT_EQ(CleanField("\xED\xA0\x80x"), "x");  // an encoded surrogate is not UTF-8
    EXPECT_EQ(CleanField(""), "");
    EXPECT_EQ(CleanField("\xE4\xB8"), "");  // a cut-off character
    // A comma would split an exported line into more fields.
    EXPECT_EQ(CleanField("Cloudflare, Inc."), "Cloudflare Inc.");
    EXPECT_EQ(CleanField("Sanchong Dist.,New Taipei,"), "Sanchong Dist. New Taipei");
}

TEST(RegionText, ShorteningKeepsWholeWords) {
    std::string provider;
    while (provider.size() < 300) {
        provider += "Networking ";
    }
    const auto fields = SplitAtBars(ComposeRegionText("美国", "California", "0", provider));
    ASSERT_EQ(fields.size(), 5u);
    EXPECT_EQ(fields[3], "0");
    EXPECT_EQ(fields[4].size() % 11, 10u) << fields[4];  // "Networking" repeated, no stub
    EXPECT_NE(fields[4].back(), ' ');
}

TEST(Sources, AsnCsvHandlesQuotedFieldsAndClipsOverlaps) {
    std::istringstream in(
        "16777216,16777471,13335,\"Cloudflare, Inc.\"\r\n"
        "\n"
        "30,40,2,\"Say \"\"hi\"\"\"\n"
        "10,20,1,Plain\n"
        "15,25,3,Overlapping\n"
        "16,18,4,Inside\n");
    std::vector<AsnRange> ranges;
    std::string error;
    ASSERT_TRUE(ReadAsnCsv(in, ranges, error)) << error;
    ASSERT_EQ(ranges.size(), 4u);
    EXPECT_EQ(ranges[0].start, 10u);
    EXPECT_EQ(ranges[0].end, 20u);
    EXPECT_EQ(ranges[1].start, 21u);  // clipped behind the row before it
    EXPECT_EQ(ranges[1].end, 25u);
    EXPECT_EQ(ranges[1].organisation, "Overlapping");
    EXPECT_EQ(ranges[2].organisation, "Say \"hi\"");
    EXPECT_EQ(ranges[3].organisation, "Cloudflare, Inc.");
    for (std::size_t i = 1; i < ranges.size(); ++i) {
        EXPECT_GT(ranges[i].start, ranges[i - 1].end);
    }
}

TEST(Sources, AsnCsvReportsTheBadLine) {
    std::vector<AsnRange> ranges;
    std::string error;
    std::istringstream reversed("1,2,3,A\n9,5,1,B\n");
    EXPECT_FALSE(ReadAsnCsv(reversed, ranges, error));
    EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
    std::istringstream unclosed("1,2,3,\"A\n");
    EXPECT_FALSE(ReadAsnCsv(unclosed, ranges, error));
    std::istringstream notANumber("1x,2,3,A\n");
    EXPECT_FALSE(ReadAsnCsv(notANumber, ranges, error));
}

TEST(Sources, CountryNamesTakeTheFirstOfAListAndDecodeEscapes) {
    std::istringstream in(R"({"locale": "zh", "extra": [1, {"a": null}],
        "countries": {"CN": "中国", "US": ["美国", "美利坚"], "XK": "\u79d1\u7d22\u6c83"}})");
    std::map<std::string, std::string> names;
    std::string error;
    ASSERT_TRUE(ReadCountryNames(in, names, error)) << error;
    EXPECT_EQ(names["CN"], "中国");
    EXPECT_EQ(names["US"], "美国");
    EXPECT_EQ(names["XK"], "科索沃");
    std::istringstream broken(R"({"countries": {"CN": "中国")");
    EXPECT_FALSE(ReadCountryNames(broken, names, error));
}

TEST(Tables, ProvidersMapToTheNamesUsersKnow) {
    EXPECT_EQ(KnownProviderName("Chinanet", true), "电信");
    EXPECT_EQ(KnownProviderName("China Telecom (Group)", false), "电信");
    EXPECT_EQ(KnownProviderName("IDC, China Telecommunications Corporation", true), "电信");
    EXPECT_EQ(KnownProviderName("CHINA UNICOM China169 Backbone", true), "联通");
    EXPECT_EQ(KnownProviderName("UNICOM InnerMongolia province network", true), "联通");
    EXPECT_EQ(KnownProviderName("China Mobile Communications Corporation", true), "移动");
    EXPECT_EQ(KnownProviderName("China TieTong Telecommunications Corporation", true), "铁通");
    EXPECT_EQ(KnownProviderName("China Education and Research Network Center", true), "教育网");
    EXPECT_EQ(KnownProviderName("Hangzhou Alibaba Advertising Co.,Ltd.", true), "阿里云");
    EXPECT_EQ(KnownProviderName("Shenzhen Tencent Computer Systems Company Limited", true),
              "腾讯云");
    EXPECT_EQ(KnownProviderName("Huawei Cloud Service data center", true), "华为云");
    EXPECT_EQ(KnownProviderName("Beijing Baidu Netcom Science and Technology Co., Ltd.", true),
              "百度云");
    EXPECT_EQ(KnownProviderName("China Broadcasting TV Net", true), "广电");
    // Foreign broadcasters and look-alike names stay as they are.
    EXPECT_EQ(KnownProviderName("Broadcasting TV Company \"Studio 1+1\"", false), "");
    EXPECT_EQ(KnownProviderName("EASTERN ROYAL UNICOM (ERU) TECHNOLOGY COMPANY LIMITED", false),
              "");
    EXPECT_EQ(KnownProviderName("Google LLC", false), "");
    EXPECT_TRUE(IsChineseCarrier("移动"));
    EXPECT_FALSE(IsChineseCarrier("阿里云"));
}

TEST(Tables, MainlandNames) {
    EXPECT_EQ(MainlandProvinceName("Guangdong"), "广东省");
    EXPECT_EQ(MainlandProvinceName("Guangxi"), "广西壮族自治区");
    EXPECT_EQ(MainlandProvinceName("Inner Mongolia"), "内蒙古自治区");
    EXPECT_EQ(MainlandProvinceName("Beijing"), "北京市");
    EXPECT_EQ(MainlandProvinceName("California"), "");
    EXPECT_TRUE(IsMunicipality("重庆市"));
    EXPECT_FALSE(IsMunicipality("广东省"));
}

TEST(Tables, SpecialRangesAreSortedDisjointAndLabelled) {
    const auto& ranges = SpecialRanges();
    ASSERT_FALSE(ranges.empty());
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        EXPECT_LE(ranges[i].start, ranges[i].end);
        EXPECT_NE(std::string(ranges[i].label), "");
        if (i > 0) {
            EXPECT_GT(ranges[i].start, ranges[i - 1].end);
        }
    }
    auto labelOf = [&](std::uint32_t ip) -> std::string {
        for (const auto& r : ranges) {
            if (r.start <= ip && ip <= r.end) {
                return r.label;
            }
        }
        return "";
    };
    EXPECT_EQ(labelOf(0xC0A80101u), "局域网");    // 192.168.1.1
    EXPECT_EQ(labelOf(0x7F000001u), "本机地址");  // 127.0.0.1
    EXPECT_EQ(labelOf(0xE0000001u), "组播地址");  // 224.0.0.1
    EXPECT_EQ(labelOf(0x08080808u), "");          // 8.8.8.8
}

}  // namespace
}  // namespace quorvane::dbpipeline
