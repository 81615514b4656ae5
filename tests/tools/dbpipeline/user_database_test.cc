// Building ip2region.db from a user's own city database: both schemas, written here with our own
// MaxMind DB writer, through the whole pipeline to a file the engine answers from.
#include <gtest/gtest.h>

#include <quorvane/region.h>

#include <string>
#include <vector>

#include "region6_search.h"

#include "tests/support/run_program.h"
#include "tests/support/scratch_dir.h"
#include "tests/tools/dbpipeline/mmdb_writer.h"
#include "tools/dbbuild/user_database.h"
#include "tools/dbpipeline/mmdb_reader.h"

namespace quorvane::dbbuild {
namespace {

using test::mmdb::ArrayOf;
using test::mmdb::Bytes;
using test::mmdb::MapOf;
using test::mmdb::Text;
using test::mmdb::Value;

constexpr char kPlaces[] =
    "广东省\t深圳市\tP\tshen zhen\n"
    "浙江省\t杭州市\tP\thang zhou\n"
    "浙江省\t杭州市\tA\txi hu\n";
constexpr char kCountries[] =
    R"({"locale": "zh", "countries": {"CN": "中国", "DE": "德国", "US": "美国", "JP": "日本"}})";

struct Block {
    std::uint32_t prefix;
    int length;
    Value record;
};

using Address6 = unsigned __int128;

struct Block6 {
    Address6 prefix;
    int length;
    Value record;
};

constexpr Address6 Net6(std::uint64_t high, std::uint64_t low = 0) {
    return (Address6{high} << 64) | low;
}

// A database of the blocks, in the IPv6 tree with 28-bit records that GeoLite2 City uses, with
// the IPv6 networks and the IPv4 aliases of such a file.
std::string Database(const std::vector<Block>& blocks, const std::string& type,
                     const std::vector<Block6>& blocks6 = {}) {
    Bytes data;
    test::mmdb::Tree tree = test::mmdb::MakeTree(true);
    for (const Block& block : blocks) {
        tree.Insert(block.prefix, block.length, test::mmdb::Put(data, block.record));
    }
    for (const Block6& block : blocks6) {
        tree.Insert6(block.prefix, block.length, test::mmdb::Put(data, block.record));
    }
    tree.AliasIpv4(Net6(0xFFFF), 96);
    tree.AliasIpv4(Net6(0x2002000000000000ull), 16);
    const Bytes image = test::mmdb::Encode(tree, 28, 6, data, type);
    return {image.begin(), image.end()};
}

Value Names(const std::string& english, const std::string& chinese) {
    std::vector<std::pair<std::string, Value>> names;
    if (!english.empty()) {
        names.emplace_back("en", Text(english));
    }
    if (!chinese.empty()) {
        names.emplace_back("zh-CN", Text(chinese));
    }
    return MapOf({{"names", MapOf(std::move(names))}});
}

// A GeoIP2-schema record; an empty name leaves its part out.
Value Nested(const std::string& code, const std::string& zhCountry, const std::string& state,
             const std::string& zhState, const std::string& city, const std::string& zhCity) {
    Value country = Names("", zhCountry);
    country.Add("iso_code", Text(code));
    std::vector<std::pair<std::string, Value>> entries{{"country", country}};
    if (!state.empty() || !zhState.empty()) {
        entries.emplace_back("subdivisions", ArrayOf({Names(state, zhState)}));
    }
    if (!city.empty() || !zhCity.empty()) {
        entries.emplace_back("city", Names(city, zhCity));
    }
    return MapOf(std::move(entries));
}

constexpr std::uint32_t Ip(std::uint32_t a, std::uint32_t b) {
    return (a << 24) | (b << 16);
}

// IPv6 networks of the same schema: 240e:1::/48 in China with Chinese names, the rest
// abroad with names missing.
std::vector<Block6> GeoIp2City6() {
    return {
        {Net6(0x240E000100000000ull), 48,
         Nested("CN", "中国", "Guangdong", "广东", "Futian", "深圳")},
        {Net6(0x2A00000100000000ull), 48, Nested("DE", "", "Bavaria", "", "Munich", "")},
        {Net6(0x2600000100000000ull), 48,
         Nested("US", "美国", "California", "加利福尼亚州", "", "山景城")},
        {Net6(0x2400000200000000ull), 48,
         MapOf({{"registered_country", MapOf({{"iso_code", Text("JP")}})}})},
    };
}

std::string GeoIp2City(bool withIpv6 = true) {
    return Database(
        {
            {Ip(1, 0), 8, Nested("CN", "中国", "Guangdong", "广东", "Futian", "深圳")},
            {Ip(2, 0), 8, Nested("CN", "", "", "浙江", "Xihu", "")},
            {Ip(3, 0), 8, Nested("US", "美国", "California", "加利福尼亚州", "", "山景城")},
            {Ip(4, 0), 8, Nested("DE", "", "Bavaria", "", "Munich", "")},
            {Ip(5, 0), 8,
             MapOf({{"registered_country", MapOf({{"iso_code", Text("JP")},
                                                  {"names", MapOf({{"zh-CN", Text("日本")}})}})}})},
            {Ip(6, 0), 8, Nested("US", "", "District of Columbia", "", "Washington, D.C.", "")},
            {Ip(7, 0), 8, Nested("HK", "香港", "", "", "Hong Kong", "香港")},
        },
        "GeoIP2-City", withIpv6 ? GeoIp2City6() : std::vector<Block6>{});
}

std::string GeoIp2Asn() {
    auto asn = [](const std::string& organisation) {
        return MapOf({{"autonomous_system_organization", Text(organisation)}});
    };
    return Database({{Ip(1, 0), 8, asn("CHINANET Guangdong province network")},
                     {Ip(3, 0), 8, asn("Example Networks, Inc.")}},
                    "GeoLite2-ASN",
                    {{Net6(0x240E000100000000ull), 48, asn("CHINANET Guangdong province network")},
                     {Net6(0x2600000100000000ull), 48, asn("Example Networks, Inc.")}});
}

class UserDatabaseTest : public ::testing::Test {
  protected:
    UserDatabaseTest() {
        m_sources.tables = m_dir.Dir().string();
        m_dir.Write(kPlaceTableFile, kPlaces);
        m_dir.Write(kCountryNamesFile, kCountries);
    }

    // Builds from the city (and provider) database; the failing file and error when it fails.
    bool Build(const std::string& city, const std::string& providers = "") {
        m_sources.city = m_dir.Write("city.mmdb", city);
        m_sources.providers = providers.empty() ? "" : m_dir.Write("asn.mmdb", providers);
        m_file.clear();
        m_error.clear();
        return BuildUserDatabase(m_sources, m_database, m_file, m_error);
    }

    // Builds region6.db from the city database (and provider database) as they stand.
    bool Build6(const std::string& city, const std::string& providers = "") {
        m_sources.city = m_dir.Write("city.mmdb", city);
        m_sources.providers = providers.empty() ? "" : m_dir.Write("asn.mmdb", providers);
        return Build6();
    }
    bool Build6() {
        m_file.clear();
        m_error.clear();
        return BuildUserDatabase6(m_sources, m_database6, m_file, m_error);
    }

    // The text the engine's IPv6 reader gives for address, "(none)" when no range holds it.
    std::string TextOf6(Address6 address) const {
        Region6Image db;
        if (Region6Open(m_database6.image.data(), m_database6.image.size(), &db, nullptr) == 0) {
            return "(unusable)";
        }
        const std::uint32_t record = Region6FindRecord(
            &db, {static_cast<std::uint64_t>(address >> 64), static_cast<std::uint64_t>(address)});
        if (record == REGION6_NO_RECORD) {
            return "(none)";
        }
        std::size_t length = 0;
        const unsigned char* text = Region6RecordText(&db, record, &length);
        return {reinterpret_cast<const char*>(text), length};
    }

    // The region text of the range holding address.
    std::string TextOf(std::uint32_t address) const {
        for (const dbwriter::Range& range : m_database.ranges) {
            if (range.start <= address && address <= range.end) {
                return range.text;
            }
        }
        return "(none)";
    }

    test::ScratchDir m_dir;
    UserSources m_sources;
    UserDatabase m_database;
    UserDatabase6 m_database6;
    std::string m_file;
    std::string m_error;
};

TEST_F(UserDatabaseTest, NestedSchemaTakesItsChineseNamesAndChinaGoesThroughThePlaceTable) {
    ASSERT_TRUE(Build(GeoIp2City(), GeoIp2Asn())) << m_file << ": " << m_error;
    // The file's "深圳" becomes the table's prefecture city, whatever the English name says.
    EXPECT_EQ(TextOf(Ip(1, 2)), "中国|0|广东省|深圳市|电信");
    // The file's "浙江" is the official province; the district's pinyin finds its city.
    EXPECT_EQ(TextOf(Ip(2, 2)), "中国|0|浙江省|杭州市|0");
    // Abroad, the file's Chinese names stand as they are; the provider loses its comma.
    EXPECT_EQ(TextOf(Ip(3, 2)), "美国|0|加利福尼亚州|山景城|Example Networks Inc.");
    // No Chinese names: the country table's name and the English province and city.
    EXPECT_EQ(TextOf(Ip(4, 2)), "德国|0|Bavaria|Munich|0");
    // Only a registered country, no subdivision or city.
    EXPECT_EQ(TextOf(Ip(5, 2)), "日本|0|0|0|0");
    EXPECT_EQ(TextOf(Ip(6, 2)), "美国|0|District of Columbia|Washington D.C.|0");
    EXPECT_EQ(TextOf(Ip(7, 2)), "中国|0|香港|香港|0");
    // The coverage report comes with it.
    EXPECT_NE(m_database.report.find("province"), std::string::npos) << m_database.report;
}

// The IPv6 networks of the same GeoIP2 file, named by the same rules, and none of the IPv4 data
// that the file repeats under ::/96, ::ffff:0:0/96 and 2002::/16.
TEST_F(UserDatabaseTest, Region6FromTheSameFileLeavesTheIpv4AliasesToIp2region) {
    ASSERT_TRUE(Build6(GeoIp2City(), GeoIp2Asn())) << m_file << ": " << m_error;
    ASSERT_FALSE(m_database6.image.empty()) << m_database6.report;
    EXPECT_EQ(TextOf6(Net6(0x240E000100000000ull, 5)), "中国|0|广东省|深圳市|电信");
    EXPECT_EQ(TextOf6(Net6(0x2A0000010000FFFFull, ~0ull)), "德国|0|Bavaria|Munich|0");
    EXPECT_EQ(TextOf6(Net6(0x2600000100000001ull)),
              "美国|0|加利福尼亚州|山景城|Example Networks Inc.");
    EXPECT_EQ(TextOf6(Net6(0x2400000200000000ull)), "日本|0|0|0|0");
    // 1.2.3.4 as IPv4-compatible, IPv4-mapped and 6to4: no answer here, and above all not 中国.
    const std::string gap = TextOf6(Net6(0x2A00000500000000ull));
    EXPECT_EQ(TextOf6(Net6(0, 0x01020304)), gap);
    EXPECT_EQ(TextOf6(Net6(0, 0xFFFF01020304ull)), gap);
    EXPECT_EQ(TextOf6(Net6(0x2002010203040000ull)), gap);
    EXPECT_EQ(gap.find("中国"), std::string::npos) << gap;
    EXPECT_NE(m_database6.report.find("region6.db:"), std::string::npos) << m_database6.report;
}

// A file of IPv4 networks only (its aliases alone under IPv6), or an IPv4 tree, holds no IPv6
// network: that is no fault, and there is no region6.db to write.
TEST_F(UserDatabaseTest, NoIpv6NetworksGiveNoRegion6) {
    ASSERT_TRUE(Build6(GeoIp2City(false))) << m_file << ": " << m_error;
    EXPECT_TRUE(m_database6.image.empty());
    EXPECT_NE(m_database6.report.find("no IPv6 networks"), std::string::npos) << m_database6.report;
    Bytes data;
    test::mmdb::Tree tree = test::mmdb::MakeTree(false);
    tree.Insert(Ip(1, 0), 8, test::mmdb::Put(data, MapOf({{"country_code", Text("DE")}})));
    const Bytes ipv4 = test::mmdb::Encode(tree, 24, 4, data, "DBIP-City-Lite");
    ASSERT_TRUE(Build6({ipv4.begin(), ipv4.end()})) << m_file << ": " << m_error;
    EXPECT_TRUE(m_database6.image.empty());
    // Named as the IPv6 source, an IPv4 file is a mistake.
    m_sources.city6 = m_sources.city;
    EXPECT_FALSE(Build6());
    EXPECT_EQ(m_file, m_sources.city6);
    EXPECT_NE(m_error.find("IPv6"), std::string::npos) << m_error;
}

std::string Decimal(Address6 value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

// DB-IP's layout: one file per family, and the IPv6 AS table in CSV beside the IPv4 one.
TEST_F(UserDatabaseTest, SeparateIpv6CityFileAndAsTable) {
    Bytes data;
    test::mmdb::Tree tree;  // an IPv6 tree with no IPv4 subtree
    tree.Insert6(Net6(0x2409800000000000ull), 20,
                 test::mmdb::Put(data, MapOf({{"country_code", Text("CN")},
                                              {"state1", Text("Zhejiang")},
                                              {"city", Text("Hangzhou")}})));
    tree.Insert6(
        Net6(0x2A00100000000000ull), 20,
        test::mmdb::Put(data, MapOf({{"country_code", Text("DE")}, {"city", Text("Munich")}})));
    const Bytes ipv6 = test::mmdb::Encode(tree, 24, 6, data, "DBIP-City-Lite");
    m_sources.city = m_dir.Write("city.mmdb", GeoIp2City(false));
    m_sources.city6 = m_dir.Write("city6.mmdb", std::string(ipv6.begin(), ipv6.end()));
    m_sources.providers = m_dir.Write("asn.csv", "16777216,33554431,4134,CHINANET\n");
    m_sources.providers6 = m_dir.Write(
        "asn6.csv", Decimal(Net6(0x2409800000000000ull)) + "," +
                        Decimal(Net6(0x2409800000000000ull + 0xFFFFFFFFFFFFull, ~0ull)) +
                        ",9808,China Mobile Communications Group Co., Ltd.\n" +
                        Decimal(Net6(0x2A00100000000000ull)) + "," +
                        Decimal(Net6(0x2A00100000000000ull, ~0ull)) +
                        ",64500,\"Example Cloud, Inc.\"\n");
    ASSERT_TRUE(Build6()) << m_file << ": " << m_error;
    EXPECT_EQ(TextOf6(Net6(0x2409800000000001ull)), "中国|0|浙江省|杭州市|移动");
    // The provider comes from the IPv6 table, only where its rows reach.
    EXPECT_EQ(TextOf6(Net6(0x2A00100000000000ull, 7)), "德国|0|0|Munich|Example Cloud Inc.");
    EXPECT_EQ(TextOf6(Net6(0x2A00100000000001ull)), "德国|0|0|Munich|0");
}

TEST_F(UserDatabaseTest, FlatSchemaOfDbIpAndNoProviders) {
    const std::string flat =
        Database({{Ip(1, 0), 8,
                   MapOf({{"country_code", Text("CN")},
                          {"state1", Text("Zhejiang")},
                          {"city", Text("Hangzhou")}})},
                  {Ip(2, 0), 8, MapOf({{"country_code", Text("DE")}, {"city", Text("Munich")}})}},
                 "DBIP-City-Lite");
    ASSERT_TRUE(Build(flat)) << m_file << ": " << m_error;
    EXPECT_EQ(TextOf(Ip(1, 2)), "中国|0|浙江省|杭州市|0");
    EXPECT_EQ(TextOf(Ip(2, 2)), "德国|0|0|Munich|0");
    // The special-purpose ranges are labelled even without a provider source.
    EXPECT_EQ(TextOf((192u << 24) | (168u << 16)), "0|0|0|0|局域网");
}

TEST_F(UserDatabaseTest, TheEngineAnswersFromAGeoIp2SchemaDatabase) {
    ASSERT_TRUE(Build(GeoIp2City(), GeoIp2Asn())) << m_file << ": " << m_error;
    const std::string path =
        m_dir.Write("ip2region.db", std::string(m_database.image.begin(), m_database.image.end()));
    region_handle handle{};
    ASSERT_EQ(ip2region_create(&handle, path.c_str()), 1);
    region_result result{};
    EXPECT_EQ(ip2region_btree_search_string(&handle, "1.2.3.4", &result), 1);
    EXPECT_STREQ(result.region_text, "中国|0|广东省|深圳市|电信");
    EXPECT_EQ(ip2region_memory_search_string(&handle, "3.9.9.9", &result), 1);
    EXPECT_STREQ(result.region_text, "美国|0|加利福尼亚州|山景城|Example Networks Inc.");
    ip2region_destroy(&handle);
}

TEST_F(UserDatabaseTest, RefusesWhatIsNoSuchDatabase) {
    const std::string city = GeoIp2City();
    // Not the format at all, and a real file cut short.
    EXPECT_FALSE(Build("this is a text file, not a database\n"));
    EXPECT_EQ(m_file, m_sources.city);
    EXPECT_NE(m_error.find("not a MaxMind DB"), std::string::npos) << m_error;
    EXPECT_FALSE(Build(city.substr(0, city.size() / 2)));
    EXPECT_NE(m_error.find("not a MaxMind DB"), std::string::npos) << m_error;
    // A tree pointing past its data section.
    std::string broken = city;
    const std::size_t records = 7;  // the first node's two 28-bit records
    for (std::size_t i = 0; i < records; ++i) {
        broken[i] = '\xFF';
    }
    EXPECT_FALSE(Build(broken));
    EXPECT_FALSE(m_error.empty());
    // An ASN database where a city database belongs, and the other way round.
    EXPECT_FALSE(Build(GeoIp2Asn()));
    EXPECT_NE(m_error.find("not a city database"), std::string::npos) << m_error;
    EXPECT_FALSE(Build(city, city));
    EXPECT_EQ(m_file, m_sources.providers);
    EXPECT_NE(m_error.find("not an ASN database"), std::string::npos) << m_error;
    // Without its tables the command says which file it misses.
    m_sources.tables = m_dir.Path("missing").string();
    EXPECT_FALSE(Build(city));
    EXPECT_NE(m_file.find(kCountryNamesFile), std::string::npos) << m_file;
}

// The installed command, with the tables the build puts beside it, as a user runs it.
TEST(DbbuildCommand, BuildsWithItsOwnTablesAndRefusesOtherFiles) {
    test::ScratchDir dir;
    const std::string city = dir.Write("GeoLite2-City.mmdb", GeoIp2City());
    const std::string asn = dir.Write("GeoLite2-ASN.mmdb", GeoIp2Asn());
    const auto out = dir.Path("ip2region.db");
    const auto stdoutPath = dir.Path("stdout");
    const auto stderrPath = dir.Path("stderr");
    ASSERT_EQ(test::RunProgram(QUORVANE_DBBUILD, {"--city", city, "--asn", asn, "-o", out.string()},
                               stdoutPath, stderrPath),
              0)
        << test::ReadBytes(stderrPath);
    region_handle handle{};
    ASSERT_EQ(ip2region_create(&handle, out.string().c_str()), 1);
    region_result result{};
    EXPECT_EQ(ip2region_binary_search_string(&handle, "1.2.3.4", &result), 1);
    EXPECT_STREQ(result.region_text, "中国|0|广东省|深圳市|电信");
    ip2region_destroy(&handle);
    EXPECT_NE(test::ReadBytes(stdoutPath).find("province"), std::string::npos);
    // region6.db beside it, and its figures in the same report.
    EXPECT_TRUE(std::filesystem::exists(dir.Path("region6.db")));
    EXPECT_NE(test::ReadBytes(stdoutPath).find("region6.db:"), std::string::npos);

    const auto refused = dir.Path("refused.db");
    EXPECT_EQ(test::RunProgram(QUORVANE_DBBUILD, {"--city", asn, "-o", refused.string()},
                               stdoutPath, stderrPath),
              1);
    EXPECT_NE(test::ReadBytes(stderrPath).find("不是城市数据库"), std::string::npos)
        << test::ReadBytes(stderrPath);
    EXPECT_FALSE(std::filesystem::exists(refused));
    // Asked not to, or with no IPv6 network in the file, it writes no region6.db and says why.
    const auto only4 = dir.Path("only4");
    std::filesystem::create_directory(only4);
    EXPECT_EQ(
        test::RunProgram(QUORVANE_DBBUILD,
                         {"--city", city, "--no-ipv6", "-o", (only4 / "ip2region.db").string()},
                         stdoutPath, stderrPath),
        0);
    EXPECT_FALSE(std::filesystem::exists(only4 / "region6.db"));
    const std::string city4 = dir.Write("ipv4-only.mmdb", GeoIp2City(false));
    EXPECT_EQ(test::RunProgram(QUORVANE_DBBUILD, {"--city", city4, "-o", (only4 / "a.db").string()},
                               stdoutPath, stderrPath),
              0);
    EXPECT_FALSE(std::filesystem::exists(only4 / "region6.db"));
    EXPECT_NE(test::ReadBytes(stderrPath).find("未写入 region6.db"), std::string::npos)
        << test::ReadBytes(stderrPath);
    // A fault in the IPv6 source is found before anything is written: no half-updated pair.
    const std::string text = dir.Write("notes.txt", "not a database\n");
    EXPECT_EQ(test::RunProgram(QUORVANE_DBBUILD,
                               {"--city", city, "--city6", text, "-o", (only4 / "b.db").string()},
                               stdoutPath, stderrPath),
              1);
    EXPECT_NE(test::ReadBytes(stderrPath).find("notes.txt: 不是 MaxMind DB"), std::string::npos)
        << test::ReadBytes(stderrPath);
    EXPECT_FALSE(std::filesystem::exists(only4 / "b.db"));
    EXPECT_FALSE(std::filesystem::exists(only4 / "region6.db"));
    EXPECT_EQ(test::RunProgram(QUORVANE_DBBUILD, {"--city", city, "--no-ipv6", "--out6", "x"},
                               stdoutPath, stderrPath),
              2);
    // A version goes to npm only when it cannot be read as anything but a version.
    EXPECT_EQ(test::RunProgram(QUORVANE_DBBUILD, {"--dbip", "1;touch x"}, stdoutPath, stderrPath),
              2);
}

// The reader's paths into nested records, on which the GeoIP2 schema rests.
TEST(MmdbFlattenedFields, NamesEveryStringByItsPath) {
    Bytes data;
    test::mmdb::Tree tree = test::mmdb::MakeTree(false);
    tree.Insert(
        Ip(1, 0), 8,
        test::mmdb::Put(data, MapOf({{"a", MapOf({{"b", Text("x")}})},
                                     {"list", ArrayOf({Text("p"), MapOf({{"c", Text("q")}})})},
                                     {"top", Text("t")}})));
    dbpipeline::MmdbReader reader(test::mmdb::Encode(tree, 24, 4, data));
    std::string error;
    ASSERT_TRUE(reader.Open(error)) << error;
    std::map<std::string, std::string> fields;
    ASSERT_TRUE(reader.ReadFlattenedFields(0, fields, error)) << error;
    const std::map<std::string, std::string> expected{
        {"a.b", "x"}, {"list.0", "p"}, {"list.1.c", "q"}, {"top", "t"}};
    EXPECT_EQ(fields, expected);
    // The top-level reading is unchanged: nested values stay out.
    ASSERT_TRUE(reader.ReadStringFields(0, fields, error)) << error;
    EXPECT_EQ(fields, (std::map<std::string, std::string>{{"top", "t"}}));
}

}  // namespace
}  // namespace quorvane::dbbuild
