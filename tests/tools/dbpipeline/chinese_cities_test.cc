// Naming the prefecture-level city of a place in China from the source's Latin spelling.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/dbpipeline/chinese_cities.h"

namespace quorvane::dbpipeline {
namespace {

using Cities = std::vector<std::string>;

TEST(ChineseCities, KeysIgnoreCaseMarksAndAdministrativeWords) {
    EXPECT_EQ(PlaceKeys("Xi'an"), Cities{"xian"});
    EXPECT_EQ(PlaceKeys("Xi’an"), Cities{"xian"});
    EXPECT_EQ(PlaceKeys("Ürümqi"), Cities{"urumqi"});
    EXPECT_EQ(PlaceKeys("Lüliang"), PlaceKeys("LVLIANG"));
    EXPECT_EQ(PlaceKeys("Haidian Qu"), (Cities{"haidianqu", "haidian"}));
    EXPECT_EQ(PlaceKeys("Fan Xian"), (Cities{"fanxian", "fan"}));
    // A name that is only an administrative word keeps it.
    EXPECT_EQ(PlaceKeys("Qu"), Cities{"qu"});
    EXPECT_TRUE(PlaceKeys("中文").empty());
}

class ChineseCityTableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::istringstream in(
            "广东省\t深圳市\tP\tshen zhen\n"
            "广东省\t茂名市\tS\tshen zhen\n"
            "广东省\t深圳市\tA\tfu tian\n"
            "广东省\t广州市\tS\txin hua\n"
            "广东省\t韶关市\tS\txin hua\n"
            "湖南省\t长沙市\tG\tQingyuan\n"
            "广东省\t清远市\tP\tqing yuan\n");
        std::string error;
        ASSERT_TRUE(m_table.Read(in, error)) << error;
    }
    ChineseCityTable m_table;
};

TEST_F(ChineseCityTableTest, CityNamesBeatTownsAndDistrictsInParenthesesCount) {
    EXPECT_EQ(m_table.Candidates("广东省", "Shenzhen"), Cities{"深圳市"});
    EXPECT_EQ(m_table.Candidates("广东省", "Huaqingbei (Futian Qu)"), Cities{"深圳市"});
    EXPECT_EQ(m_table.Candidates("广东省", "Xinhua"), (Cities{"广州市", "韶关市"}));
    EXPECT_TRUE(m_table.Candidates("广东省", "Nowhere").empty());
}

TEST_F(ChineseCityTableTest, ACityIsOnlyFoundInItsOwnProvince) {
    EXPECT_EQ(m_table.Candidates("湖南省", "Qingyuan"), Cities{"长沙市"});
    EXPECT_EQ(m_table.Candidates("广东省", "Qingyuan"), Cities{"清远市"});
    EXPECT_TRUE(m_table.Candidates("湖北省", "Qingyuan").empty());
    EXPECT_TRUE(m_table.Contains("湖南省", "长沙市"));
    EXPECT_FALSE(m_table.Contains("广东省", "长沙市"));
}

TEST(ChineseCities, MalformedTableLinesAreReported) {
    ChineseCityTable table;
    std::string error;
    std::istringstream in("广东省\t深圳市\tP\tshen zhen\n广东省\t深圳市\tX\tshen zhen\n");
    EXPECT_FALSE(table.Read(in, error));
    EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
    std::istringstream shortLine("广东省\t深圳市\n");
    EXPECT_FALSE(table.Read(shortLine, error));
}

TEST(ChineseCities, SeveralCandidatesGoToTheCityWithMostAddresses) {
    const std::vector<PlaceChoice> places = {
        {"广东省", {"韶关市"}, 10},
        {"广东省", {"广州市"}, 500},
        {"广东省", {"广州市", "韶关市"}, 7},
        {"广东省", {"茂名市", "韶关市"}, 7},
        {"广东省", {}, 3},
        {"湖南省", {"株洲市", "长沙市"}, 9},
        {"湖南省", {}, 9},
    };
    const std::vector<ChosenCity> chosen = ChooseCities(places);
    ASSERT_EQ(chosen.size(), places.size());
    EXPECT_EQ(chosen[0].city, "韶关市");
    EXPECT_EQ(chosen[0].basis, CityBasis::kName);
    EXPECT_EQ(chosen[2].city, "广州市");
    EXPECT_EQ(chosen[2].basis, CityBasis::kAmongSeveral);
    // Only cities among the candidates count, however heavy another is.
    EXPECT_EQ(chosen[3].city, "韶关市");
    EXPECT_EQ(chosen[4].city, "广州市");
    EXPECT_EQ(chosen[4].basis, CityBasis::kGuessed);
    // Without any single-candidate place in the province: the first candidate, or nothing.
    EXPECT_EQ(chosen[5].city, "株洲市");
    EXPECT_EQ(chosen[6].basis, CityBasis::kNone);
    EXPECT_EQ(chosen[6].city, "");
}

}  // namespace
}  // namespace quorvane::dbpipeline
