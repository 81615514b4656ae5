#include "tools/dbpipeline/pipeline_report.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <tuple>
#include <utility>

#include "tools/dbpipeline/coverage_bound.h"

namespace quorvane::dbpipeline {

namespace {

constexpr std::array<const char*, kFieldCount> kFieldNames = {"country", "province", "city",
                                                              "provider"};

bool IsChineseText(const std::string& text) {
    return !text.empty() && static_cast<unsigned char>(text[0]) >= 0xE0;
}

void AddCoverage(std::string& report, const char* where, const Coverage& part) {
    char line[512];
    for (int f = 0; f < kFieldCount; ++f) {
        std::snprintf(line, sizeof line, "coverage%s %-8s %7.3f%%  (%llu of %llu addresses)\n",
                      where, kFieldNames[f], part.Percent(f),
                      static_cast<unsigned long long>(part.kept[f]),
                      static_cast<unsigned long long>(part.withValue[f]));
        report += line;
    }
}

// What a user sees: China's addresses whose city is written in Chinese, and how the cities
// outside the municipalities, Hong Kong and Macao were chosen.
void AddChineseCities(std::string& report, const std::vector<Segment>& coarse,
                      const StringPool& pool, std::uint32_t china, const SourcePlaces& places) {
    std::uint64_t chinaAddresses = 0;
    std::uint64_t chineseCity = 0;
    for (const Segment& s : coarse) {
        if (s.value[kCountry] != china) {
            continue;
        }
        const std::uint64_t size = std::uint64_t{s.end} - s.start + 1;
        chinaAddresses += size;
        if (IsChineseText(pool.Get(s.value[kCity]))) {
            chineseCity += size;
        }
    }
    char line[512];
    std::snprintf(line, sizeof line, "China: city in Chinese %.3f%% of %llu addresses\n",
                  chinaAddresses == 0 ? 0.0 : 100.0 * chineseCity / chinaAddresses,
                  static_cast<unsigned long long>(chinaAddresses));
    report += line;
    std::array<std::uint64_t, 4> byBasis{};
    std::uint64_t chosenTotal = 0;
    for (std::size_t i = 0; i < places.choices.size(); ++i) {
        byBasis[static_cast<int>(places.chosen[i].basis)] += places.choices[i].addresses;
        chosenTotal += places.choices[i].addresses;
    }
    auto share = [&](CityBasis basis) {
        return chosenTotal == 0 ? 0.0 : 100.0 * byBasis[static_cast<int>(basis)] / chosenTotal;
    };
    std::snprintf(line, sizeof line,
                  "China outside the four municipalities, Hong Kong and Macao: city by its "
                  "name %.3f%%, the likeliest of several %.3f%%, guessed %.3f%%, none %.3f%%\n",
                  share(CityBasis::kName), share(CityBasis::kAmongSeveral),
                  share(CityBasis::kGuessed), share(CityBasis::kNone));
    report += line;
}

// The largest mappings of source places to Chinese cities by address count, of those whose basis
// counts (all of them when basisCounts is not given).
void AddLargestMappings(std::string& report, const SourcePlaces& places, const char* title,
                        std::size_t count, bool (*basisCounts)(CityBasis)) {
    // Places of one name in several source records are one mapping.
    std::map<std::string, std::pair<std::uint64_t, std::size_t>> bySource;
    for (std::size_t i = 0; i < places.choices.size(); ++i) {
        if (basisCounts != nullptr && !basisCounts(places.chosen[i].basis)) {
            continue;
        }
        auto& entry = bySource.try_emplace(places.choiceSources[i], 0, i).first->second;
        entry.first += places.choices[i].addresses;
    }
    std::vector<std::pair<std::uint64_t, std::size_t>> order;
    for (const auto& [source, entry] : bySource) {
        order.push_back(entry);
    }
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    static constexpr std::array<const char*, 4> kBasisNames = {"", " (likeliest of several)",
                                                               " (guessed)", " (none)"};
    report += title;
    report += " (addresses, state / city -> city):\n";
    char line[512];
    for (std::size_t k = 0; k < order.size() && k < count; ++k) {
        const std::size_t i = order[k].second;
        std::snprintf(line, sizeof line, "  %10llu  %s -> %s%s\n",
                      static_cast<unsigned long long>(order[k].first),
                      places.choiceSources[i].c_str(), places.chosen[i].city.c_str(),
                      kBasisNames[static_cast<int>(places.chosen[i].basis)]);
        report += line;
    }
}

}  // namespace

std::string MakeReport(const std::vector<Segment>& fine, const std::vector<Segment>& coarse,
                       const StringPool& pool, std::uint32_t china, const SourcePlaces& places,
                       const ReportFacts& facts) {
    char line[512];
    std::string report;
    std::snprintf(line, sizeof line,
                  "ranges: %zu (source pieces %zu, after joining identical %zu)\n"
                  "distinct texts: %zu, data records %llu bytes (limit %llu)\n",
                  coarse.size(), facts.sourcePieces, fine.size(), facts.distinctTexts,
                  static_cast<unsigned long long>(facts.dataBytes),
                  static_cast<unsigned long long>(facts.dataBudget));
    report += line;
    const auto epoch = static_cast<std::time_t>(facts.buildEpoch);
    std::tm utc{};
    gmtime_r(&epoch, &utc);
    std::strftime(line, sizeof line, "city source build: %Y-%m-%d\n", &utc);
    report += line;

    const auto inChina = [china](const Segment& s) { return s.value[kCountry] == china; };
    const Coverage all = MeasureCoverage(fine, coarse);
    const Coverage inside = MeasureCoverage(fine, coarse, inChina);
    const Coverage outside =
        MeasureCoverage(fine, coarse, [&](const Segment& s) { return !inChina(s); });
    AddCoverage(report, "", all);
    AddCoverage(report, " China", inside);
    AddCoverage(report, " elsewhere", outside);
    AddChineseCities(report, coarse, pool, china, places);

    // What the range budget allows at best, so that a shortfall can be told from a poor merge.
    // No coarsening keeps more of a field than its bound, so what China keeps leaves at most the
    // rest of the bound to the other countries.
    std::array<double, kFieldCount> bound{};
    std::string elsewhere;
    for (int f = kProvince; f < kFieldCount; ++f) {
        bound[f] = CoverageUpperBound(fine, f, facts.maxRanges);
        const double rest = bound[f] / 100.0 * static_cast<double>(all.withValue[f]) -
                            static_cast<double>(inside.kept[f]);
        std::snprintf(
            line, sizeof line, " %s %.3f%%", kFieldNames[f],
            outside.withValue[f] == 0
                ? 100.0
                : std::min(100.0, 100.0 * rest / static_cast<double>(outside.withValue[f])));
        elsewhere += line;
    }
    // The same with China's values taken away: what the rest of the world could keep if every
    // range went to it, however little China kept. A goal above this cannot be met at all.
    std::vector<Segment> withoutChina = fine;
    for (Segment& s : withoutChina) {
        if (inChina(s)) {
            s.value[kProvince] = s.value[kCity] = s.value[kProvider] = 0;
        }
    }
    std::string alone;
    for (int f = kProvince; f < kFieldCount; ++f) {
        std::snprintf(line, sizeof line, " %s %.3f%%", kFieldNames[f],
                      CoverageUpperBound(withoutChina, f, facts.maxRanges));
        alone += line;
    }
    std::snprintf(line, sizeof line,
                  "upper bounds (every range spent on that field alone): province %.3f%% city "
                  "%.3f%% provider %.3f%%\n",
                  bound[kProvince], bound[kCity], bound[kProvider]);
    report += line;
    report += "upper bounds elsewhere while China keeps what it keeps:" + elsewhere + "\n";
    report += "upper bounds elsewhere even if China kept nothing:" + alone + "\n";
    AddLargestMappings(report, places, "largest mappings of source places to Chinese cities", 30,
                       nullptr);
    // The ones a reader may doubt: not settled by the name alone.
    AddLargestMappings(report, places, "largest of those not settled by the name alone", 15,
                       [](CityBasis basis) { return basis != CityBasis::kName; });
    return report;
}

bool WriteReport(const std::string& path, const std::string& report) {
    std::ofstream out(path, std::ios::binary);
    out << report;
    out.close();
    if (!out) {
        std::cerr << path << ": cannot write the report\n";
        return false;
    }
    return true;
}

std::string DescribeRuns(const std::vector<Segment>& fine) {
    auto runs = [&](auto key) {
        std::size_t count = 0;
        for (std::size_t i = 0; i < fine.size(); ++i) {
            count += i == 0 || key(fine[i]) != key(fine[i - 1]);
        }
        return count;
    };
    std::ostringstream out;
    out << "runs country " << runs([](const Segment& s) { return s.value[kCountry]; })
        << " +province "
        << runs([](const Segment& s) { return std::pair(s.value[kCountry], s.value[kProvince]); })
        << " +city " << runs([](const Segment& s) {
               return std::tuple(s.value[kCountry], s.value[kProvince], s.value[kCity]);
           })
        << " provider " << runs([](const Segment& s) { return s.value[kProvider]; }) << "\n";
    return out.str();
}

std::string DescribeLosses(const std::vector<Segment>& fine, const std::vector<Segment>& coarse,
                           const StringPool& pool) {
    struct Loss {
        std::uint64_t provinceAddresses = 0;
        std::uint64_t cityAddresses = 0;
        std::uint64_t provinceRanges = 0;
        std::uint64_t fineRanges = 0;
    };
    std::map<std::uint32_t, Loss> lost;
    std::size_t j = 0;
    for (const Segment& s : fine) {
        while (coarse[j].end < s.start) {
            ++j;
        }
        const std::uint64_t size = std::uint64_t{s.end} - s.start + 1;
        Loss& loss = lost[s.value[kCountry]];
        loss.fineRanges += 1;
        if (s.value[kProvince] != 0 && coarse[j].value[kProvince] != s.value[kProvince]) {
            loss.provinceAddresses += size;
            loss.provinceRanges += 1;
        }
        if (s.value[kCity] != 0 && coarse[j].value[kCity] != s.value[kCity]) {
            loss.cityAddresses += size;
        }
    }
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order;
    for (const auto& [country, loss] : lost) {
        order.emplace_back(loss.provinceAddresses, country);
    }
    std::sort(order.rbegin(), order.rend());
    std::ostringstream out;
    for (std::size_t k = 0; k < 15 && k < order.size(); ++k) {
        const Loss& loss = lost[order[k].second];
        out << pool.Get(order[k].second) << " province lost " << loss.provinceAddresses << " in "
            << loss.provinceRanges << " ranges; city lost " << loss.cityAddresses
            << "; fine ranges " << loss.fineRanges << "\n";
    }
    return out.str();
}

}  // namespace quorvane::dbpipeline
