// quorvane-dbpipeline: builds the CSV of ranges and region texts for the bundled ip2region.db
// from the city blocks (MaxMind DB file), the AS table and the Chinese country names.
//
// Usage: quorvane-dbpipeline --mmdb FILE --asn FILE --countries FILE --places FILE --out CSV
//                            [--max-ranges N] [--weights P,C,I] [--invent-divisor N]
//                            [--report FILE] [--details]
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "tools/dbpipeline/chinese_cities.h"
#include "tools/dbpipeline/coarsen.h"
#include "tools/dbpipeline/coverage_bound.h"
#include "tools/dbpipeline/mmdb_reader.h"
#include "tools/dbpipeline/region_text.h"
#include "tools/dbpipeline/sources.h"
#include "tools/dbpipeline/tables.h"
#include "tools/dbwriter/db_writer.h"

namespace quorvane::dbpipeline {
namespace {

// Data records must start below 16 MiB; the bounds block and header index come first.
constexpr std::uint64_t kDataBudgetBytes = dbwriter::kMaxDataOffset - dbwriter::kFixedBlocksEnd;

class StringPool {
  public:
    StringPool() { strings_.emplace_back(); }
    std::uint32_t Intern(const std::string& text) {
        if (text.empty())
            return 0;
        const auto [it, inserted] =
            ids_.try_emplace(text, static_cast<std::uint32_t>(strings_.size()));
        if (inserted)
            strings_.push_back(text);
        return it->second;
    }
    const std::string& Get(std::uint32_t id) const { return strings_[id]; }

  private:
    std::vector<std::string> strings_;
    std::unordered_map<std::string, std::uint32_t> ids_;
};

struct Place {
    std::uint32_t country = 0;
    std::uint32_t province = 0;
    std::uint32_t city = 0;
    bool mainland = false;
    // Index into the places whose Chinese city is still to be chosen, or -1.
    std::int32_t choice = -1;
};

struct Options {
    std::string mmdb, asn, countries, places, out, report;
    std::size_t max_ranges = dbwriter::kMaxRanges;
    // Print where values are lost, per country.
    bool details = false;
    CoarsenOptions coarsen;
};

bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

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
        const bool has_value = i + 1 < argc;
        if (!has_value)
            return false;
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
            if (!ParseCount(value, options.max_ranges))
                return false;
        } else if (arg == "--weights") {
            unsigned long p = 0, c = 0, v = 0;
            if (std::sscanf(value.c_str(), "%lu,%lu,%lu", &p, &c, &v) != 3)
                return false;
            options.coarsen.weight = {0, p, c, v};
        } else if (arg == "--invent-divisor") {
            std::size_t divisor = 0;
            if (!ParseCount(value, divisor) || divisor == 0)
                return false;
            options.coarsen.invent_divisor = divisor;
        } else {
            return false;
        }
    }
    return !options.mmdb.empty() && !options.asn.empty() && !options.countries.empty() &&
           !options.places.empty() && !options.out.empty();
}

int Run(const Options& options) {
    std::string error;
    std::map<std::string, std::string> country_names;
    {
        std::ifstream in(options.countries);
        if (!in || !ReadCountryNames(in, country_names, error)) {
            std::cerr << options.countries << ": " << (error.empty() ? "cannot read" : error)
                      << "\n";
            return 1;
        }
    }
    std::vector<AsnRange> asn;
    {
        std::ifstream in(options.asn);
        if (!in || !ReadAsnCsv(in, asn, error)) {
            std::cerr << options.asn << ": " << (error.empty() ? "cannot read" : error) << "\n";
            return 1;
        }
    }
    ChineseCityTable city_table;
    {
        std::ifstream in(options.places);
        if (!in || !city_table.Read(in, error)) {
            std::cerr << options.places << ": " << (error.empty() ? "cannot read" : error) << "\n";
            return 1;
        }
    }
    std::vector<std::uint8_t> image;
    if (!ReadFile(options.mmdb, image)) {
        std::cerr << options.mmdb << ": cannot read\n";
        return 1;
    }
    MmdbReader mmdb(std::move(image));
    if (!mmdb.Open(error)) {
        std::cerr << options.mmdb << ": " << error << "\n";
        return 1;
    }

    StringPool pool;
    const std::uint32_t china = pool.Intern("中国");

    // Places, decoded once per distinct data record.
    std::vector<MmdbBlock> blocks;
    std::vector<std::uint32_t> block_place;
    std::vector<Place> places;
    std::unordered_map<std::uint32_t, std::uint32_t> place_of_offset;
    bool decode_failed = false;
    std::map<std::string, std::string> fields;
    std::vector<PlaceChoice> choices;
    // The source's "state / city" of each choice, for the table of the largest mappings.
    std::vector<std::string> choice_source;
    const bool walked = mmdb.ForEachIpv4Block(
        [&](const MmdbBlock& block) {
            auto [it, inserted] = place_of_offset.try_emplace(
                block.data_offset, static_cast<std::uint32_t>(places.size()));
            if (inserted) {
                if (!mmdb.ReadStringFields(block.data_offset, fields, error)) {
                    decode_failed = true;
                    return;
                }
                const std::string code = fields["country_code"];
                const std::string state = CleanField(fields["state1"]);
                const std::string city = CleanField(fields["city"]);
                Place place;
                if (code == "HK" || code == "MO") {
                    // Each region is its own only city.
                    place.country = china;
                    place.province = pool.Intern(code == "HK" ? "香港" : "澳门");
                    place.city = place.province;
                } else if (code == "CN" || code == "TW") {
                    place.country = china;
                    place.mainland = code == "CN";
                    std::string province = code == "TW" ? "台湾" : MainlandProvinceName(state);
                    if (province.empty()) {
                        province = state;
                    }
                    place.province = pool.Intern(province);
                    place.city = pool.Intern(city);
                    if (IsMunicipality(province)) {
                        place.city = place.province;
                    } else if (!city.empty()) {
                        PlaceChoice choice{province, city_table.Candidates(province, city), 0};
                        // Taiwan's source sometimes names only the city or county as the state.
                        if (choice.candidates.empty() && code == "TW") {
                            choice.candidates = city_table.Candidates(province, state);
                        }
                        place.choice = static_cast<std::int32_t>(choices.size());
                        choices.push_back(std::move(choice));
                        choice_source.push_back(state + " / " + city);
                    }
                } else {
                    const auto name = country_names.find(code);
                    place.country =
                        pool.Intern(CleanField(name != country_names.end() ? name->second : code));
                    place.province = pool.Intern(state);
                    place.city = pool.Intern(city);
                }
                places.push_back(place);
            }
            blocks.push_back(block);
            block_place.push_back(it->second);
        },
        error);
    if (!walked || decode_failed) {
        std::cerr << options.mmdb << ": " << error << "\n";
        return 1;
    }

    // Chinese cities, chosen with the address counts of all places in view.
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Place& place = places[block_place[i]];
        if (place.choice >= 0) {
            choices[place.choice].addresses += std::uint64_t{blocks[i].end} - blocks[i].start + 1;
        }
    }
    const std::vector<ChosenCity> chosen = ChooseCities(choices);
    for (Place& place : places) {
        if (place.choice >= 0 && !chosen[place.choice].city.empty()) {
            place.city = pool.Intern(chosen[place.choice].city);
        }
    }

    // Provider ids per AS row: the general name and the one used inside mainland China.
    std::vector<std::array<std::uint32_t, 2>> asn_provider(asn.size());
    for (std::size_t i = 0; i < asn.size(); ++i) {
        for (int mainland = 0; mainland < 2; ++mainland) {
            std::string name = KnownProviderName(asn[i].organisation, mainland != 0);
            if (name.empty())
                name = CleanField(asn[i].organisation);
            asn_provider[i][mainland] = pool.Intern(name);
        }
    }
    const auto& specials = SpecialRanges();
    std::vector<std::uint32_t> special_label(specials.size());
    for (std::size_t i = 0; i < specials.size(); ++i)
        special_label[i] = pool.Intern(specials[i].label);
    std::unordered_set<std::uint32_t> carrier_ids;
    for (const char* name : {"电信", "联通", "移动", "教育网", "铁通", "广电"})
        carrier_ids.insert(pool.Intern(name));

    // Sweep the three sorted lists into pieces on which every source is constant.
    std::vector<Segment> fine;
    fine.reserve(blocks.size() * 2);
    const auto& pinned_addresses = PinnedAddresses();
    std::size_t bi = 0, ai = 0, si = 0, pi = 0;
    std::uint64_t pos = 0;
    while (pos <= 0xFFFFFFFFull) {
        const std::uint32_t p = static_cast<std::uint32_t>(pos);
        std::uint64_t end = 0xFFFFFFFFull;
        auto clip = [&](auto& index, const auto& list, auto start_of, auto end_of) -> bool {
            while (index < list.size() && end_of(list[index]) < p)
                ++index;
            if (index >= list.size())
                return false;
            if (start_of(list[index]) <= p) {
                end = std::min<std::uint64_t>(end, end_of(list[index]));
                return true;
            }
            end = std::min<std::uint64_t>(end, std::uint64_t{start_of(list[index])} - 1);
            return false;
        };
        const bool in_block = clip(
            bi, blocks, [](const MmdbBlock& b) { return b.start; },
            [](const MmdbBlock& b) { return b.end; });
        const bool in_asn = clip(
            ai, asn, [](const AsnRange& r) { return r.start; },
            [](const AsnRange& r) { return r.end; });
        const bool in_special = clip(
            si, specials, [](const SpecialRange& r) { return r.start; },
            [](const SpecialRange& r) { return r.end; });

        Segment s;
        s.start = p;
        s.end = static_cast<std::uint32_t>(end);
        if (in_special) {
            s.value[kProvider] = special_label[si];
            s.special = true;
        } else {
            Place place;
            if (in_block)
                place = places[block_place[bi]];
            s.value[kCountry] = place.country;
            s.value[kProvince] = place.province;
            s.value[kCity] = place.city;
            if (in_asn)
                s.value[kProvider] = asn_provider[ai][place.mainland ? 1 : 0];
            // China's carriers keep their provider and place exactly.
            if (place.country == china && carrier_ids.count(s.value[kProvider]) != 0)
                s.pinned = kAllFieldsPinned;
            while (pi < pinned_addresses.size() && pinned_addresses[pi] < s.start)
                ++pi;
            if (pi < pinned_addresses.size() && pinned_addresses[pi] <= s.end)
                s.pinned = kAllFieldsPinned;
        }
        fine.push_back(s);
        pos = end + 1;
    }
    const std::size_t pieces = fine.size();
    JoinIdentical(fine);
    std::cerr << "sources: " << blocks.size() << " city blocks (" << places.size() << " places), "
              << asn.size() << " AS ranges; " << pieces << " pieces, " << fine.size()
              << " after joining identical neighbours\n";
    {
        std::size_t pinned = 0;
        for (const Segment& s : fine)
            pinned += s.pinned != 0;
        std::cerr << "pinned ranges: " << pinned << "\n";
    }

    if (options.details) {
        auto runs = [&](auto key) {
            std::size_t count = 0;
            for (std::size_t i = 0; i < fine.size(); ++i)
                count += i == 0 || key(fine[i]) != key(fine[i - 1]);
            return count;
        };
        std::cerr << "runs country " << runs([](const Segment& s) { return s.value[0]; })
                  << " +province "
                  << runs([](const Segment& s) { return std::pair(s.value[0], s.value[1]); })
                  << " +city " << runs([](const Segment& s) {
                         return std::tuple(s.value[0], s.value[1], s.value[2]);
                     })
                  << " provider " << runs([](const Segment& s) { return s.value[3]; }) << "\n";
    }
    CoarsenOptions coarsen = options.coarsen;
    coarsen.max_ranges = options.max_ranges;
    std::vector<Segment> coarse;
    const bool fits = Coarsen(fine, coarsen, coarse);
    std::cerr << "coarsened to " << coarse.size() << " ranges\n";
    if (!fits) {
        std::cerr << "cannot reach " << options.max_ranges << " ranges\n";
        return 1;
    }

    // A Chinese city must lie in the province its range carries: the coarsening takes the city
    // only from a side whose province it kept, and the table only offers a province's own cities.
    for (const Segment& s : coarse) {
        const std::string& province = pool.Get(s.value[kProvince]);
        const std::string& city = pool.Get(s.value[kCity]);
        const bool chinese = !city.empty() && static_cast<unsigned char>(city[0]) >= 0xE0;
        if (s.value[kCountry] == china && chinese && city != province &&
            !city_table.Contains(province, city)) {
            std::cerr << "city " << city << " is not in " << province << "\n";
            return 1;
        }
    }

    // Texts and the size of their data records.
    std::ofstream out(options.out, std::ios::binary);
    std::unordered_set<std::string> distinct;
    std::uint64_t data_bytes = 0;
    for (const Segment& s : coarse) {
        const std::string text =
            ComposeRegionText(pool.Get(s.value[kCountry]), pool.Get(s.value[kProvince]),
                              pool.Get(s.value[kCity]), pool.Get(s.value[kProvider]));
        if (distinct.insert(text).second)
            data_bytes += 4 + text.size();
        out << s.start << ',' << s.end << ',' << text << '\n';
    }
    out.close();
    if (!out) {
        std::cerr << options.out << ": cannot write\n";
        return 1;
    }

    const Coverage coverage = MeasureCoverage(fine, coarse);
    if (options.details) {
        std::map<std::uint32_t, std::array<std::uint64_t, 4>> lost;
        std::size_t j = 0;
        for (const Segment& s : fine) {
            while (coarse[j].end < s.start)
                ++j;
            const std::uint64_t size = std::uint64_t{s.end} - s.start + 1;
            auto& l = lost[s.value[0]];
            l[3] += 1;
            if (s.value[1] && coarse[j].value[1] != s.value[1])
                l[0] += size, l[2] += 1;
            if (s.value[2] && coarse[j].value[2] != s.value[2])
                l[1] += size;
        }
        std::vector<std::pair<std::uint64_t, std::uint32_t>> order;
        for (auto& [c, l] : lost)
            order.emplace_back(l[0], c);
        std::sort(order.rbegin(), order.rend());
        for (std::size_t k = 0; k < 15 && k < order.size(); ++k) {
            const auto& l = lost[order[k].second];
            std::cerr << pool.Get(order[k].second) << " province lost " << l[0] << " in " << l[2]
                      << " ranges; city lost " << l[1] << "; fine ranges " << l[3] << "\n";
        }
    }
    char line[512];
    std::string report;
    std::snprintf(line, sizeof line,
                  "ranges: %zu (source pieces %zu, after joining identical %zu)\n"
                  "distinct texts: %zu, data records %llu bytes (limit %llu)\n",
                  coarse.size(), pieces, fine.size(), distinct.size(),
                  static_cast<unsigned long long>(data_bytes),
                  static_cast<unsigned long long>(kDataBudgetBytes));
    report += line;
    {
        const std::time_t epoch = static_cast<std::time_t>(mmdb.build_epoch());
        std::tm utc{};
        gmtime_r(&epoch, &utc);
        std::strftime(line, sizeof line, "city source build: %Y-%m-%d\n", &utc);
        report += line;
    }
    const char* names[kFieldCount] = {"country", "province", "city", "provider"};
    auto add_coverage = [&](const char* where, const Coverage& part) {
        for (int f = 0; f < kFieldCount; ++f) {
            std::snprintf(line, sizeof line, "coverage%s %-8s %7.3f%%  (%llu of %llu addresses)\n",
                          where, names[f], part.Percent(f),
                          static_cast<unsigned long long>(part.kept[f]),
                          static_cast<unsigned long long>(part.with_value[f]));
            report += line;
        }
    };
    add_coverage("", coverage);
    const auto in_china = [china](const Segment& s) { return s.value[kCountry] == china; };
    add_coverage(" China", MeasureCoverage(fine, coarse, in_china));
    add_coverage(" elsewhere",
                 MeasureCoverage(fine, coarse, [&](const Segment& s) { return !in_china(s); }));
    {
        // What a user sees: China's addresses whose city is written in Chinese.
        std::uint64_t china_addresses = 0;
        std::uint64_t chinese_city = 0;
        for (const Segment& s : coarse) {
            if (!in_china(s)) {
                continue;
            }
            const std::uint64_t size = std::uint64_t{s.end} - s.start + 1;
            const std::string& city = pool.Get(s.value[kCity]);
            china_addresses += size;
            if (!city.empty() && static_cast<unsigned char>(city[0]) >= 0xE0) {
                chinese_city += size;
            }
        }
        std::snprintf(line, sizeof line, "China: city in Chinese %.3f%% of %llu addresses\n",
                      china_addresses == 0 ? 0.0 : 100.0 * chinese_city / china_addresses,
                      static_cast<unsigned long long>(china_addresses));
        report += line;
        std::array<std::uint64_t, 4> by_basis{};
        std::uint64_t chosen_total = 0;
        for (std::size_t i = 0; i < choices.size(); ++i) {
            by_basis[static_cast<int>(chosen[i].basis)] += choices[i].addresses;
            chosen_total += choices[i].addresses;
        }
        auto share = [&](CityBasis basis) {
            return chosen_total == 0 ? 0.0
                                     : 100.0 * by_basis[static_cast<int>(basis)] / chosen_total;
        };
        std::snprintf(line, sizeof line,
                      "China outside the four municipalities, Hong Kong and Macao: city by its "
                      "name %.3f%%, the likeliest of several %.3f%%, guessed %.3f%%, none %.3f%%\n",
                      share(CityBasis::kName), share(CityBasis::kAmongSeveral),
                      share(CityBasis::kGuessed), share(CityBasis::kNone));
        report += line;
    }
    // What the range budget allows at best, so that a shortfall can be told from a poor merge.
    report += "upper bounds (every range spent on that field alone):";
    for (int f = kProvince; f < kFieldCount; ++f) {
        std::snprintf(line, sizeof line, " %s %.3f%%", names[f],
                      CoverageUpperBound(fine, f, options.max_ranges));
        report += line;
    }
    report += "\n";
    {
        // Places of one name in several source records are one mapping.
        std::map<std::string, std::pair<std::uint64_t, std::size_t>> by_source;
        for (std::size_t i = 0; i < choices.size(); ++i) {
            auto& entry = by_source.try_emplace(choice_source[i], 0, i).first->second;
            entry.first += choices[i].addresses;
        }
        std::vector<std::pair<std::uint64_t, std::size_t>> order;
        for (const auto& [source, entry] : by_source) {
            order.push_back(entry);
        }
        std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first > b.first : a.second < b.second;
        });
        static constexpr const char* kBasisNames[] = {"", " (likeliest of several)", " (guessed)",
                                                      " (none)"};
        report +=
            "largest mappings of source places to Chinese cities (addresses, state / city "
            "-> city):\n";
        for (std::size_t k = 0; k < order.size() && k < 30; ++k) {
            const std::size_t i = order[k].second;
            std::snprintf(line, sizeof line, "  %10llu  %s -> %s%s\n",
                          static_cast<unsigned long long>(order[k].first), choice_source[i].c_str(),
                          chosen[i].city.c_str(), kBasisNames[static_cast<int>(chosen[i].basis)]);
            report += line;
        }
    }
    std::cout << report;
    if (!options.report.empty()) {
        std::ofstream report_file(options.report);
        report_file << report;
    }
    if (data_bytes > kDataBudgetBytes) {
        std::cerr << "data records exceed the 16 MiB the format can address\n";
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace quorvane::dbpipeline

int main(int argc, char** argv) {
    quorvane::dbpipeline::Options options;
    if (!quorvane::dbpipeline::ParseArgs(argc, argv, options)) {
        std::cerr << "usage: quorvane-dbpipeline --mmdb FILE --asn FILE --countries FILE"
                     " --places FILE --out CSV"
                     " [--max-ranges N] [--weights P,C,I] [--invent-divisor N] [--report FILE]"
                     " [--details]\n";
        return 2;
    }
    return quorvane::dbpipeline::Run(options);
}
