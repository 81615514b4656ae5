// quorvane-dbpipeline: builds the CSV of ranges and region texts for the bundled ip2region.db
// from the city blocks (MaxMind DB file), the AS table, the Chinese country names and the table
// of China's place names.
//
// Usage: quorvane-dbpipeline --mmdb FILE --asn FILE --countries FILE --places FILE --out CSV
//                            [--max-ranges N] [--weights P,C,I] [--invent-divisor N]
//                            [--china-factor N]
//                            [--report FILE] [--details]
//        quorvane-dbpipeline --ipv6 --mmdb FILE --asn FILE --countries FILE --places FILE
//                            --out region6.db [--report FILE]
// With --ipv6 the sources are the IPv6 ones and the output is the region6.db file itself.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/dbpipeline/build_ranges.h"
#include "tools/dbpipeline/pipeline_report.h"
#include "tools/dbpipeline/region6_pipeline.h"
#include "tools/dbwriter/db_writer.h"

namespace quorvane::dbpipeline {
namespace {

struct Options {
    std::string mmdb, asn, countries, places, out, report;
    PipelineSettings settings;
    // Build region6.db from the IPv6 sources.
    bool ipv6 = false;
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
            options.settings.details = true;
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
            if (!ParseCount(value, options.settings.maxRanges)) {
                return false;
            }
        } else if (arg == "--weights") {
            unsigned long province = 0, city = 0, provider = 0;
            if (std::sscanf(value.c_str(), "%lu,%lu,%lu", &province, &city, &provider) != 3) {
                return false;
            }
            options.settings.coarsen.weight = {0, province, city, provider};
        } else if (arg == "--invent-divisor") {
            std::size_t divisor = 0;
            if (!ParseCount(value, divisor) || divisor == 0) {
                return false;
            }
            options.settings.coarsen.inventDivisor = divisor;
        } else if (arg == "--china-factor") {
            if (!ParseCount(value, options.settings.chinaFactor) ||
                options.settings.chinaFactor == 0) {
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
    std::cerr << path << ": " << error << "\n";
    return false;
}

bool LoadSources(const Options& options, PipelineSources& sources, std::vector<AsnRange6>& asn6) {
    std::string error;
    if (!LoadCountryNames(options.countries, sources.countryNames, error)) {
        return Fail(options.countries, error);
    }
    if (options.ipv6) {
        std::ifstream asn(options.asn);
        if (!asn || !ReadAsnCsv6(asn, asn6, error)) {
            return Fail(options.asn, error.empty() ? "cannot read" : error);
        }
    } else if (!LoadProviders(options.asn, sources.asn, error)) {
        return Fail(options.asn, error);
    }
    if (!LoadPlaceTable(options.places, sources.cityTable, error)) {
        return Fail(options.places, error);
    }
    if (!LoadMmdb(options.mmdb, sources.cities, error)) {
        return Fail(options.mmdb, error);
    }
    return true;
}

int RunIpv6(const Options& options, PipelineSources& sources, const std::vector<AsnRange6>& asn6) {
    std::vector<std::uint8_t> image;
    std::string report;
    const Region6Sources region6{&*sources.cities, &sources.countryNames, &sources.cityTable,
                                 &asn6};
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
    PipelineSources sources;
    std::vector<AsnRange6> asn6;
    if (!LoadSources(options, sources, asn6)) {
        return 1;
    }
    if (options.ipv6) {
        return RunIpv6(options, sources, asn6);
    }
    BuiltRanges built;
    std::string error;
    if (!BuildRanges(sources, options.settings, built, error)) {
        Fail(options.mmdb, error);
        return 1;
    }
    if (!WriteRangesCsv(options.out, built.ranges)) {
        Fail(options.out, "cannot write");
        return 1;
    }
    std::cout << built.report;
    if (!options.report.empty() && !WriteReport(options.report, built.report)) {
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
        " [--details]\n"
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
