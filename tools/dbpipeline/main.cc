// quorvane-dbpipeline: builds the CSV of ranges and region texts for the bundled ip2region.db
// from the city blocks (MaxMind DB file), the AS table, the Chinese country names and the table
// of China's place names.
//
// Usage: quorvane-dbpipeline --mmdb FILE --asn FILE --countries FILE --places FILE --out CSV
//                            [--max-ranges N] [--weights P,C,I] [--invent-divisor N]
//                            [--china-factor N]
//                            [--report FILE] [--details] [--greedy]
//        quorvane-dbpipeline --ipv6 --mmdb FILE --asn FILE --countries FILE --places FILE
//                            --out region6.db [--report FILE]
// With --ipv6 the sources are the IPv6 ones and the output is the region6.db file itself.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "tools/dbpipeline/chinese_cities.h"
#include "tools/dbpipeline/coarsen.h"
#include "tools/dbpipeline/mmdb_reader.h"
#include "tools/dbpipeline/pipeline_report.h"
#include "tools/dbpipeline/priced_partition.h"
#include "tools/dbpipeline/region6_pipeline.h"
#include "tools/dbpipeline/region_text.h"
#include "tools/dbpipeline/source_places.h"
#include "tools/dbpipeline/sources.h"
#include "tools/dbpipeline/string_pool.h"
#include "tools/dbpipeline/sweep.h"
#include "tools/dbwriter/db_writer.h"

namespace quorvane::dbpipeline {
namespace {

// Data records must start below 16 MiB; the bounds block and header index come first.
constexpr std::uint64_t kDataBudgetBytes = dbwriter::kMaxDataOffset - dbwriter::kFixedBlocksEnd;

struct Options {
    std::string mmdb, asn, countries, places, out, report;
    std::size_t maxRanges = dbwriter::kMaxRanges;
    // Print where values are lost, per country.
    bool details = false;
    // Build region6.db from the IPv6 sources.
    bool ipv6 = false;
    // Coarsen by cheapest merges first instead of by a price per range.
    bool greedy = false;
    // How many times China's addresses count in the coarsening.
    std::size_t chinaFactor = 1;
    CoarsenOptions coarsen;
};

bool ParseCount(const std::string& text, std::size_t& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool ParseArgs(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--details") {
            options.details = true;
            continue;
        }
        if (arg == "--greedy") {
            options.greedy = true;
            continue;
        }
        if (arg == "--ipv6") {
            options.ipv6 = true;
            continue;
        }
        if (i + 1 >= argc) {
            return false;
        }
        const std::string value = argv[++i];
        if (arg == "--mmdb") {
            options.mmdb = value;
        } else if (arg == "--asn") {
            options.asn = value;
        } else if (arg == "--countries") {
            options.countries = value;
        } else if (arg == "--places") {
            options.places = value;
        } else if (arg == "--out") {
            options.out = value;
        } else if (arg == "--report") {
            options.report = value;
        } else if (arg == "--max-ranges") {
            if (!ParseCount(value, options.maxRanges)) {
                return false;
            }
        } else if (arg == "--weights") {
            unsigned long province = 0, city = 0, provider = 0;
            if (std::sscanf(value.c_str(), "%lu,%lu,%lu", &province, &city, &provider) != 3) {
                return false;
            }
            options.coarsen.weight = {0, province, city, provider};
        } else if (arg == "--invent-divisor") {
            std::size_t divisor = 0;
            if (!ParseCount(value, divisor) || divisor == 0) {
                return false;
            }
            options.coarsen.inventDivisor = divisor;
        } else if (arg == "--china-factor") {
            if (!ParseCount(value, options.chinaFactor) || options.chinaFactor == 0) {
                return false;
            }
        } else {
            return false;
        }
    }
    return !options.mmdb.empty() && !options.asn.empty() && !options.countries.empty() &&
           !options.places.empty() && !options.out.empty();
}

bool Fail(const std::string& path, const std::string& error) {
    std::cerr << path << ": " << (error.empty() ? "cannot read" : error) << "\n";
    return false;
}

struct Sources {
    std::map<std::string, std::string> countryNames;
    std::vector<AsnRange> asn;
    std::vector<AsnRange6> asn6;
    ChineseCityTable cityTable;
    std::optional<MmdbReader> mmdb;
};

bool LoadSources(const Options& options, Sources& sources) {
    std::string error;
    std::ifstream countries(options.countries);
    if (!countries || !ReadCountryNames(countries, sources.countryNames, error)) {
        return Fail(options.countries, error);
    }
    std::ifstream asn(options.asn);
    if (!asn || !(options.ipv6 ? ReadAsnCsv6(asn, sources.asn6, error)
                               : ReadAsnCsv(asn, sources.asn, error))) {
        return Fail(options.asn, error);
    }
    std::ifstream places(options.places);
    if (!places || !sources.cityTable.Read(places, error)) {
        return Fail(options.places, error);
    }
    std::ifstream mmdb(options.mmdb, std::ios::binary);
    if (!mmdb) {
        return Fail(options.mmdb, "");
    }
    std::vector<std::uint8_t> image(std::istreambuf_iterator<char>(mmdb),
                                    std::istreambuf_iterator<char>{});
    if (mmdb.bad()) {
        return Fail(options.mmdb, "");
    }
    sources.mmdb.emplace(std::move(image));
    if (!sources.mmdb->Open(error)) {
        return Fail(options.mmdb, error);
    }
    return true;
}

// A Chinese city must lie in the province its range carries: the coarsening takes the city only
// from a side whose province it kept, and the table only offers a province's own cities.
bool CitiesLieInTheirProvinces(const std::vector<Segment>& coarse, const StringPool& pool,
                               std::uint32_t china, const ChineseCityTable& cityTable) {
    for (const Segment& s : coarse) {
        const std::string& province = pool.Get(s.value[kProvince]);
        const std::string& city = pool.Get(s.value[kCity]);
        const bool chinese = !city.empty() && static_cast<unsigned char>(city[0]) >= 0xE0;
        if (s.value[kCountry] == china && chinese && city != province &&
            !cityTable.Contains(province, city)) {
            std::cerr << "city " << city << " is not in " << province << "\n";
            return false;
        }
    }
    return true;
}

// The region text of every range, and the bytes their distinct data records take.
std::vector<std::string> ComposeTexts(const std::vector<Segment>& coarse, const StringPool& pool,
                                      std::size_t& distinctTexts, std::uint64_t& dataBytes) {
    std::vector<std::string> texts;
    texts.reserve(coarse.size());
    std::unordered_set<std::string> distinct;
    dataBytes = 0;
    for (const Segment& s : coarse) {
        texts.push_back(ComposeRegionText(pool.Get(s.value[kCountry]), pool.Get(s.value[kProvince]),
                                          pool.Get(s.value[kCity]), pool.Get(s.value[kProvider])));
        if (distinct.insert(texts.back()).second) {
            dataBytes += 4 + texts.back().size();
        }
    }
    distinctTexts = distinct.size();
    return texts;
}

bool WriteCsv(const std::string& path, const std::vector<Segment>& coarse,
              const std::vector<std::string>& texts) {
    std::ofstream out(path, std::ios::binary);
    for (std::size_t i = 0; i < coarse.size(); ++i) {
        out << coarse[i].start << ',' << coarse[i].end << ',' << texts[i] << '\n';
    }
    out.close();
    if (!out) {
        std::cerr << path << ": cannot write\n";
        return false;
    }
    return true;
}

int RunIpv6(const Options& options, Sources& sources) {
    std::vector<std::uint8_t> image;
    std::string report;
    const Region6Sources region6{&*sources.mmdb, &sources.countryNames, &sources.cityTable,
                                 &sources.asn6};
    std::string error;
    if (!BuildRegion6Image(region6, image, report) ||
        !dbwriter::WriteImage(image, options.out, error)) {
        if (!error.empty()) {
            std::cerr << options.out << ": " << error << "\n";
        }
        return 1;
    }
    std::cout << report;
    return options.report.empty() || WriteReport(options.report, report) ? 0 : 1;
}

int Run(const Options& options) {
    Sources sources;
    if (!LoadSources(options, sources)) {
        return 1;
    }
    if (options.ipv6) {
        return RunIpv6(options, sources);
    }

    StringPool pool;
    const std::uint32_t china = pool.Intern("中国");
    SourcePlaces places;
    std::string error;
    if (!DecodePlaces(*sources.mmdb, sources.countryNames, sources.cityTable, china, pool, places,
                      error)) {
        Fail(options.mmdb, error);
        return 1;
    }
    NameChineseCities(pool, places);

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
    if (options.details) {
        std::cerr << DescribeRuns(fine);
    }

    CoarsenOptions coarsen = options.coarsen;
    coarsen.maxRanges = options.maxRanges;
    coarsen.heavierCountry = china;
    coarsen.heavierFactor = options.chinaFactor;
    std::vector<Segment> coarse;
    const bool fits =
        options.greedy ? Coarsen(fine, coarsen, coarse) : PartitionByPrice(fine, coarsen, coarse);
    std::cerr << "coarsened to " << coarse.size() << " ranges, weighted kept "
              << WeightedKept(fine, coarse, coarsen) << "\n";
    if (!fits) {
        std::cerr << "cannot reach " << options.maxRanges << " ranges\n";
        return 1;
    }
    if (!CitiesLieInTheirProvinces(coarse, pool, china, sources.cityTable)) {
        return 1;
    }

    ReportFacts facts;
    const std::vector<std::string> texts =
        ComposeTexts(coarse, pool, facts.distinctTexts, facts.dataBytes);
    if (facts.dataBytes > kDataBudgetBytes) {
        std::cerr << "data records take " << facts.dataBytes << " bytes, more than the "
                  << kDataBudgetBytes << " the format can address\n";
        return 1;
    }
    if (!WriteCsv(options.out, coarse, texts)) {
        return 1;
    }

    facts.sourcePieces = pieces;
    facts.dataBudget = kDataBudgetBytes;
    facts.buildEpoch = sources.mmdb->BuildEpoch();
    facts.maxRanges = options.maxRanges;
    const std::string report = MakeReport(fine, coarse, pool, china, places, facts);
    if (options.details) {
        std::cerr << DescribeLosses(fine, coarse, pool);
    }
    std::cout << report;
    if (!options.report.empty() && !WriteReport(options.report, report)) {
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace quorvane::dbpipeline

int main(int argc, char** argv) {
    constexpr char kUsage[] =
        "usage: quorvane-dbpipeline --mmdb FILE --asn FILE --countries FILE --places FILE"
        " --out CSV [--max-ranges N] [--weights P,C,I] [--invent-divisor N] [--china-factor N] "
        "[--report FILE]"
        " [--details] [--greedy]\n"
        "       quorvane-dbpipeline --ipv6 --mmdb FILE --asn FILE --countries FILE --places FILE"
        " --out region6.db [--report FILE]\n";
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    quorvane::dbpipeline::Options options;
    if (!quorvane::dbpipeline::ParseArgs(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    return quorvane::dbpipeline::Run(options);
}
