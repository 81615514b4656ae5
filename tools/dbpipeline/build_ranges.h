// The pipeline from loaded sources to the coarsened ranges of an ip2region.db and their region
// texts, shared by quorvane-dbpipeline (the bundled file) and quorvane-dbbuild (a user's data).
#ifndef QUORVANE_TOOLS_DBPIPELINE_BUILD_RANGES_H_
#define QUORVANE_TOOLS_DBPIPELINE_BUILD_RANGES_H_

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/dbpipeline/chinese_cities.h"
#include "tools/dbpipeline/coarsen.h"
#include "tools/dbpipeline/mmdb_reader.h"
#include "tools/dbpipeline/sources.h"
#include "tools/dbwriter/db_writer.h"

namespace quorvane::dbpipeline {

struct PipelineSources {
    std::map<std::string, std::string> countryNames;
    // Empty when no provider source is given: every provider is then "0" but the special ranges'.
    std::vector<AsnRange> asn;
    ChineseCityTable cityTable;
    std::optional<MmdbReader> cities;
};

struct PipelineSettings {
    std::size_t maxRanges = dbwriter::kMaxRanges;
    // Print where values are lost, per country.
    bool details = false;
    // How many times China's addresses count in the coarsening.
    std::size_t chinaFactor = 1;
    CoarsenOptions coarsen;
};

struct BuiltRanges {
    std::vector<dbwriter::Range> ranges;
    // The coverage report (see MakeReport).
    std::string report;
};

// Each loader reads one source from path; false with error set ("cannot read" for a file that
// cannot be opened).
bool LoadCountryNames(const std::string& path, std::map<std::string, std::string>& names,
                      std::string& error);
bool LoadPlaceTable(const std::string& path, ChineseCityTable& table, std::string& error);
bool LoadMmdb(const std::string& path, std::optional<MmdbReader>& reader, std::string& error);
// The AS table as CSV (see ReadAsnCsv), or an ASN database in the MaxMind DB format.
bool LoadProviders(const std::string& path, std::vector<AsnRange>& ranges, std::string& error);
// The IPv6 AS table as CSV (see ReadAsnCsv6), or the IPv6 part of an ASN database in the
// MaxMind DB format.
bool LoadProviders6(const std::string& path, std::vector<AsnRange6>& ranges, std::string& error);

// Decodes the city database, names China's cities, sweeps in the providers, coarsens to
// settings.maxRanges and composes the texts. Progress goes to standard error. False with error
// set when the city database is malformed or names no country in any record, or when the result
// cannot fit the format.
bool BuildRanges(PipelineSources& sources, const PipelineSettings& settings, BuiltRanges& out,
                 std::string& error);

// Writes lines "start,end,text". False on a write error.
bool WriteRangesCsv(const std::string& path, const std::vector<dbwriter::Range>& ranges);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_BUILD_RANGES_H_
