// What the pipeline tells about a build: sizes, coverage for the world and for China apart, how
// China's cities were named, and (on request) where values were lost.
#ifndef QUORVANE_TOOLS_DBPIPELINE_PIPELINE_REPORT_H_
#define QUORVANE_TOOLS_DBPIPELINE_PIPELINE_REPORT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/dbpipeline/coarsen.h"
#include "tools/dbpipeline/source_places.h"
#include "tools/dbpipeline/string_pool.h"

namespace quorvane::dbpipeline {

struct ReportFacts {
    std::size_t sourcePieces = 0;
    std::size_t distinctTexts = 0;
    std::uint64_t dataBytes = 0;
    std::uint64_t dataBudget = 0;
    // The city source's build time, seconds since 1970.
    std::uint64_t buildEpoch = 0;
    std::size_t maxRanges = 0;
};

// The report kept in data/SOURCES: one figure per line, then the 30 largest mappings of source
// places to Chinese cities by address count and the 15 largest of those that were not settled by
// the name alone (chosen among several cities, or guessed).
// REQUIRES: coarse made from fine by PartitionByPrice; china == pool.Intern("中国").
std::string MakeReport(const std::vector<Segment>& fine, const std::vector<Segment>& coarse,
                       const StringPool& pool, std::uint32_t china, const SourcePlaces& places,
                       const ReportFacts& facts);

// Writes report to path; false (with a message on stderr) when it cannot be written whole.
bool WriteReport(const std::string& path, const std::string& report);

// How many runs of equal values fine has per field, for --details.
std::string DescribeRuns(const std::vector<Segment>& fine);

// The 15 countries that lose most province addresses in coarse, for --details.
std::string DescribeLosses(const std::vector<Segment>& fine, const std::vector<Segment>& coarse,
                           const StringPool& pool);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_PIPELINE_REPORT_H_
