#include "tools/dbpipeline/build_ranges.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <unordered_set>

#include "tools/dbpipeline/asn_mmdb.h"
#include "tools/dbpipeline/pipeline_report.h"
#include "tools/dbpipeline/priced_partition.h"
#include "tools/dbpipeline/region_text.h"
#include "tools/dbpipeline/source_places.h"
#include "tools/dbpipeline/string_pool.h"
#include "tools/dbpipeline/sweep.h"

namespace quorvane::dbpipeline {

namespace {

// Data records must start below 16 MiB; the bounds block and header index come first.
constexpr std::uint64_t kDataBudgetBytes = dbwriter::kMaxDataOffset - dbwriter::kFixedBlocksEnd;

bool ReadImage(const std::string& path, std::vector<std::uint8_t>& image, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read";
        return false;
    }
    image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
    if (in.bad()) {
        error = "cannot read";
        return false;
    }
    return true;
}

// A Chinese city must lie in the province its range carries: the coarsening takes the city only
// from a side whose province it kept, and the table only offers a province's own cities.
bool CitiesLieInTheirProvinces(const std::vector<Segment>& coarse, const StringPool& pool,
                               std::uint32_t china, const ChineseCityTable& cityTable,
                               std::string& error) {
    for (const Segment& s : coarse) {
        const std::string& province = pool.Get(s.value[kProvince]);
        const std::string& city = pool.Get(s.value[kCity]);
        const bool chinese = !city.empty() && static_cast<unsigned char>(city[0]) >= 0xE0;
        if (s.value[kCountry] == china && chinese && city != province &&
            !cityTable.Contains(province, city)) {
            error = "city " + city + " is not in " + province;
            return false;
        }
    }
    return true;
}

// The ranges with their region texts, and the bytes their distinct data records take.
std::vector<dbwriter::Range> ComposeRanges(const std::vector<Segment>& coarse,
                                           const StringPool& pool, std::size_t& distinctTexts,
                                           std::uint64_t& dataBytes) {
    std::vector<dbwriter::Range> ranges;
    ranges.reserve(coarse.size());
    std::unordered_set<std::string> distinct;
    dataBytes = 0;
    for (const Segment& s : coarse) {
        ranges.push_back(
            {s.start, s.end,
             ComposeRegionText(pool.Get(s.value[kCountry]), pool.Get(s.value[kProvince]),
                               pool.Get(s.value[kCity]), pool.Get(s.value[kProvider]))});
        if (distinct.insert(ranges.back().text).second) {
            dataBytes += 4 + ranges.back().text.size();
        }
    }
    distinctTexts = distinct.size();
    return ranges;
}

// The city blocks as places, with China's cities named.
bool DecodeCities(PipelineSources& sources, std::uint32_t china, StringPool& pool,
                  SourcePlaces& places, std::string& error) {
    if (!DecodePlaces(*sources.cities, sources.countryNames, sources.cityTable, china, pool, places,
                      error)) {
        return false;
    }
    if (places.placesWithCountry == 0) {
        error = "no record names a country (country_code or country.iso_code): not a city database";
        return false;
    }
    NameChineseCities(pool, places);
    return true;
}

}  // namespace

bool LoadCountryNames(const std::string& path, std::map<std::string, std::string>& names,
                      std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read";
        return false;
    }
    return ReadCountryNames(in, names, error);
}

bool LoadPlaceTable(const std::string& path, ChineseCityTable& table, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read";
        return false;
    }
    return table.Read(in, error);
}

bool LoadMmdb(const std::string& path, std::optional<MmdbReader>& reader, std::string& error) {
    std::vector<std::uint8_t> image;
    if (!ReadImage(path, image, error)) {
        return false;
    }
    reader.emplace(std::move(image));
    if (!reader->Open(error)) {
        error = "not a MaxMind DB file (" + error + ")";
        return false;
    }
    return true;
}

namespace {

// An AS table of one family: the rows of an ASN database in the MaxMind DB format, else of a CSV.
template <typename Range>
bool LoadAsnRows(const std::string& path, std::vector<Range>& ranges, std::string& error,
                 bool (*fromMmdb)(MmdbReader&, std::vector<Range>&, std::string&),
                 bool (*fromCsv)(std::istream&, std::vector<Range>&, std::string&)) {
    std::optional<MmdbReader> mmdb;
    if (LoadMmdb(path, mmdb, error)) {
        return fromMmdb(*mmdb, ranges, error);
    }
    if (error == "cannot read") {
        return false;
    }
    error.clear();
    std::ifstream in(path);
    return fromCsv(in, ranges, error);
}

}  // namespace

bool LoadProviders(const std::string& path, std::vector<AsnRange>& ranges, std::string& error) {
    return LoadAsnRows<AsnRange>(path, ranges, error, ReadAsnMmdb, ReadAsnCsv);
}

bool LoadProviders6(const std::string& path, std::vector<AsnRange6>& ranges, std::string& error) {
    return LoadAsnRows<AsnRange6>(path, ranges, error, ReadAsnMmdb6, ReadAsnCsv6);
}

bool BuildRanges(PipelineSources& sources, const PipelineSettings& settings, BuiltRanges& out,
                 std::string& error) {
    StringPool pool;
    const std::uint32_t china = pool.Intern("中国");
    SourcePlaces places;
    if (!DecodeCities(sources, china, pool, places, error)) {
        return false;
    }
    std::vector<Segment> fine = SweepSources(places, sources.asn, china, pool);
    const std::size_t pieces = fine.size();
    JoinIdentical(fine);
    std::size_t pinned = 0;
    for (const Segment& s : fine) {
        pinned += s.pinned != 0;
    }
    std::cerr << "sources: " << places.blocks.size() << " city blocks (" << places.places.size()
              << " places), " << sources.asn.size() << " AS ranges; " << pieces << " pieces, "
              << fine.size() << " after joining identical neighbours\npinned ranges: " << pinned
              << "\n";
    if (settings.details) {
        std::cerr << DescribeRuns(fine);
    }

    CoarsenOptions coarsen = settings.coarsen;
    coarsen.maxRanges = settings.maxRanges;
    coarsen.heavierCountry = china;
    coarsen.heavierFactor = settings.chinaFactor;
    std::vector<Segment> coarse;
    const bool fits = PartitionByPrice(fine, coarsen, coarse);
    std::cerr << "coarsened to " << coarse.size() << " ranges, weighted kept "
              << WeightedKept(fine, coarse, coarsen) << "\n";
    if (!fits) {
        error = "cannot reach " + std::to_string(settings.maxRanges) + " ranges";
        return false;
    }
    if (!CitiesLieInTheirProvinces(coarse, pool, china, sources.cityTable, error)) {
        return false;
    }

    ReportFacts facts;
    out.ranges = ComposeRanges(coarse, pool, facts.distinctTexts, facts.dataBytes);
    if (facts.dataBytes > kDataBudgetBytes) {
        error = "data records take " + std::to_string(facts.dataBytes) + " bytes, more than the " +
                std::to_string(kDataBudgetBytes) + " the format can address";
        return false;
    }
    facts.sourcePieces = pieces;
    facts.dataBudget = kDataBudgetBytes;
    facts.buildEpoch = sources.cities->BuildEpoch();
    facts.maxRanges = settings.maxRanges;
    out.report = MakeReport(fine, coarse, pool, china, places, facts);
    if (settings.details) {
        std::cerr << DescribeLosses(fine, coarse, pool);
    }
    return true;
}

bool WriteRangesCsv(const std::string& path, const std::vector<dbwriter::Range>& ranges) {
    std::ofstream out(path, std::ios::binary);
    for (const dbwriter::Range& range : ranges) {
        out << range.start << ',' << range.end << ',' << range.text << '\n';
    }
    out.close();
    return static_cast<bool>(out);
}

}  // namespace quorvane::dbpipeline
