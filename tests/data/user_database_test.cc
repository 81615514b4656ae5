// Building ip2region.db from a user's own city database: both schemas, written here with our own
// MaxMind DB writer, through the whole pipeline to a file the engine answers from.
#include <gtest/gtest.h>

#include <quorvane/region.h>

#include <string>
#include <vector>

#include "tests/data/mmdb_writer.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_dir.h"
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

// A database of the blocks, in the IPv6 tree with 28-bit records that GeoLite2 City uses.
std::string Database(const std::vector<Block>& blocks, const std::string& type) {
    Bytes data;
    test::mmdb::Tree tree = test::mmdb::MakeTree(true);
    for (const Block& block : blocks) {
        tree.Insert(block.prefix, block.length, test::mmdb::Put(data, block.record));
    }
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

std::string GeoIp2City() {
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
        "GeoIP2-City");
}

std::string GeoIp2Asn() {
    auto asn = [](const std::string& organisation) {
        return MapOf({{"autonomous_system_organization", Text(organisation)}});
    };
    return Database({{Ip(1, 0), 8, asn("CHINANET Guangdong province network")},
                     {Ip(3, 0), 8, asn("Example Networks, Inc.")}},
                    "GeoLite2-ASN");
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

    const auto refused = dir.Path("refused.db");
    EXPECT_EQ(test::RunProgram(QUORVANE_DBBUILD, {"--city", asn, "-o", refused.string()},
                               stdoutPath, stderrPath),
              1);
    EXPECT_NE(test::ReadBytes(stderrPath).find("不是城市数据库"), std::string::npos)
        << test::ReadBytes(stderrPath);
    EXPECT_FALSE(std::filesystem::exists(refused));
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
