// The pipeline's report: figures for China and the rest of the world apart, what the range
// budget leaves the rest of the world, the largest name mappings, and a report file that cannot be
// written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/dbpipeline/segment_builder.h"
#include "tools/dbpipeline/pipeline_report.h"

namespace quorvane::dbpipeline {
namespace {

TEST(PipelineReport, ChinaAndTheRestOfTheWorldApartAndMappingsSummedPerSourceName) {
    StringPool pool;
    const std::uint32_t china = pool.Intern("中国");
    const std::uint32_t usa = pool.Intern("美国");
    const std::uint32_t guangdong = pool.Intern("广东省");
    const std::uint32_t guangzhou = pool.Intern("广州市");
    const std::uint32_t california = pool.Intern("California");
    const std::uint32_t texas = pool.Intern("Texas");
    const std::vector<Segment> fine = {
        Seg(0, 99, china, guangdong, guangzhou, 0),
        Seg(100, 199, usa, california, 0, 0),
        Seg(200, 299, usa, texas, 0, 0),
    };
    const std::vector<Segment> coarse = {
        Seg(0, 99, china, guangdong, guangzhou, 0),
        Seg(100, 299, usa, california, 0, 0),
    };
    SourcePlaces places;
    places.choices = {{"广东省", {"广州市"}, 60}, {"广东省", {}, 50}, {"广东省", {"广州市"}, 40}};
    places.choiceSources = {"Guangdong / Tianhe", "Guangdong / Nowhere", "Guangdong / Tianhe"};
    places.chosen = {{"广州市", CityBasis::kName},
                     {"广州市", CityBasis::kGuessed},
                     {"广州市", CityBasis::kName}};
    ReportFacts facts;
    facts.maxRanges = 2;
    const std::string report = MakeReport(fine, coarse, pool, china, places, facts);

    EXPECT_NE(report.find("coverage China province 100.000%  (100 of 100 addresses)"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("coverage elsewhere province  50.000%  (100 of 200 addresses)"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("China: city in Chinese 100.000% of 100 addresses"), std::string::npos);
    // Two ranges keep at most 200 of the 300 provinces; China keeps its 100, so the rest of the
    // world can keep at most 100 of its 200.
    EXPECT_NE(report.find("upper bounds elsewhere while China keeps what it keeps: province "
                          "50.000%"),
              std::string::npos)
        << report;
    // China's range stays even when China keeps nothing, so the bound is no looser there.
    EXPECT_NE(report.find("upper bounds elsewhere even if China kept nothing: province 50.000%"),
              std::string::npos)
        << report;
    // The two records of one source name count as one mapping, ahead of the larger record.
    const std::size_t tianhe = report.find("100  Guangdong / Tianhe -> 广州市\n");
    const std::size_t nowhere = report.find("50  Guangdong / Nowhere -> 广州市 (guessed)\n");
    ASSERT_NE(tianhe, std::string::npos) << report;
    ASSERT_NE(nowhere, std::string::npos) << report;
    EXPECT_LT(tianhe, nowhere);
    // Only the guess is listed among those not settled by the name.
    const std::size_t doubtful = report.find("not settled by the name alone");
    ASSERT_NE(doubtful, std::string::npos);
    EXPECT_EQ(report.find("Tianhe", doubtful), std::string::npos);
    EXPECT_NE(report.find("Nowhere", doubtful), std::string::npos);
}

TEST(PipelineReport, AReportThatCannotBeWrittenIsAFailure) {
    EXPECT_FALSE(WriteReport("/nonexistent-folder/report.txt", "x\n"));
    EXPECT_FALSE(WriteReport("/dev/full", "x\n"));
}

}  // namespace
}  // namespace quorvane::dbpipeline
