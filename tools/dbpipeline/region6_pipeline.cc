#include "tools/dbpipeline/region6_pipeline.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <sstream>
#include <string_view>

#include "region6_format.h"
#include "region6_search.h"
#include "tools/dbpipeline/region_text.h"
#include "tools/dbpipeline/source_places.h"
#include "tools/dbpipeline/sweep.h"
#include "tools/dbpipeline/tables.h"
#include "tools/dbwriter/region6_writer.h"

namespace quorvane::dbpipeline {

namespace {

// Enough draws that a field agreeing on 99.9% of the addresses shows as such to a tenth of a
// point; few enough to take a second.
constexpr std::size_t kAgreementSamples = 200000;

Region6Address Halves(Address6 value) {
    return {static_cast<std::uint64_t>(value >> 64), static_cast<std::uint64_t>(value)};
}

// A fixed-seed generator (splitmix64): the report is the same on every build.
class Draws {
  public:
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // An address in [start, end].
    Address6 Inside(Address6 start, Address6 end) {
        const Address6 value = (Address6{Next()} << 64) | Next();
        const Address6 span = end - start;
        return span == ~Address6{0} ? value : start + value % (span + 1);
    }

  private:
    std::uint64_t m_state = 20260605;
};

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    for (std::size_t bar; (bar = text.find('|', at)) != std::string_view::npos; at = bar + 1) {
        fields.push_back(text.substr(at, bar - at));
    }
    fields.push_back(text.substr(at));
    return fields;
}

// Per field: draws whose source has a value, and of those the ones the file gives the same.
struct Tally {
    std::array<std::uint64_t, kFieldCount> withValue{};
    std::array<std::uint64_t, kFieldCount> kept{};
};

std::string Percent(const Tally& tally, int field) {
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(3);
    out << (tally.withValue[field] == 0 ? 100.0
                                        : 100.0 * static_cast<double>(tally.kept[field]) /
                                              static_cast<double>(tally.withValue[field]));
    return out.str();
}

// The values the sources give one address: its city block's place (named by the same rules as
// the file's) and its AS row's provider.
std::array<std::uint32_t, kFieldCount> SourceValues(const SourcePlaces6& places,
                                                    const AsnRange6& row, Address6 address,
                                                    StringPool& pool) {
    Place place;
    const auto block =
        std::upper_bound(places.blocks.begin(), places.blocks.end(), address,
                         [](Address6 a, const MmdbBlock6& b) { return a < b.start; });
    if (block != places.blocks.begin() && std::prev(block)->end >= address) {
        place = places.places[places.blockPlace[std::prev(block) - places.blocks.begin()]];
    }
    std::string provider = KnownProviderName(row.organisation, place.mainland);
    if (provider.empty()) {
        provider = CleanField(row.organisation);
    }
    return {place.country, place.province, place.city, pool.Intern(provider)};
}

// How far the file's fields agree with the sources at addresses drawn inside the AS rows, for
// the world outside China and for China (whose provinces and cities the name matching decides).
std::string Agreement(const std::vector<std::uint8_t>& image, const SourcePlaces6& places,
                      const std::vector<AsnRange6>& asn, std::uint32_t china, StringPool& pool) {
    Region6Image db;
    if (asn.empty() || Region6Open(image.data(), image.size(), &db, nullptr) == 0) {
        return "agreement: not measured\n";
    }
    Tally world, chinese;
    Draws draws;
    for (std::size_t i = 0; i < kAgreementSamples; ++i) {
        const AsnRange6& row = asn[draws.Next() % asn.size()];
        const Address6 address = draws.Inside(row.start, row.end);
        const auto expected = SourceValues(places, row, address, pool);
        const std::uint32_t record = Region6FindRecord(&db, Halves(address));
        std::string_view text;
        if (record != REGION6_NO_RECORD) {
            std::size_t length = 0;
            const unsigned char* bytes = Region6RecordText(&db, record, &length);
            text = {reinterpret_cast<const char*>(bytes), length};
        }
        const std::vector<std::string_view> fields = SplitFields(text);
        Tally& tally = expected[kCountry] == china ? chinese : world;
        for (int f = 0; f < kFieldCount; ++f) {
            // The file's fields: country, the unused second, province, city, provider.
            const std::size_t at = f == kCountry ? 0 : static_cast<std::size_t>(f) + 1;
            if (expected[f] != 0) {
                ++tally.withValue[f];
                tally.kept[f] += at < fields.size() && fields[at] == pool.Get(expected[f]);
            }
        }
    }
    std::string out =
        "agreement at " + std::to_string(kAgreementSamples) +
        " addresses drawn inside the AS rows: share of those with a value in the\n"
        "sources whose value the file gives (by the naming rules: Chinese country and carrier\n"
        "names; in China the provinces and cities the place matching decides):\n";
    const char* names[kFieldCount] = {"country", "province", "city", "provider"};
    for (int f = 0; f < kFieldCount; ++f) {
        out += std::string("  ") + names[f] + ": outside China " + Percent(world, f) + "%, China " +
               Percent(chinese, f) + "%\n";
    }
    return out;
}

}  // namespace

bool BuildRegion6Image(const Region6Sources& sources, std::vector<std::uint8_t>& image,
                       std::string& report) {
    StringPool pool;
    const std::uint32_t china = pool.Intern("中国");
    SourcePlaces6 places;
    std::string error;
    if (!DecodePlaces6(*sources.mmdb, *sources.countryNames, *sources.cityTable, china, pool,
                       places, error)) {
        std::cerr << "IPv6 city source: " << error << "\n";
        return false;
    }
    NameChineseCities(pool, places);
    const std::vector<Segment6> pieces = SweepSources6(places, *sources.asn, pool);
    std::vector<dbwriter::Range6> ranges;
    ranges.reserve(pieces.size());
    for (const Segment6& s : pieces) {
        ranges.push_back(
            {Halves(s.start), Halves(s.end),
             ComposeRegionText(pool.Get(s.value[kCountry]), pool.Get(s.value[kProvince]),
                               pool.Get(s.value[kCity]), pool.Get(s.value[kProvider]))});
    }
    if (!dbwriter::BuildRegion6(ranges, image, error)) {
        std::cerr << "region6.db: " << error << "\n";
        return false;
    }
    using namespace format6;
    report += "IPv6 sources: " + std::to_string(places.blocks.size()) + " city blocks (" +
              std::to_string(places.places.size()) + " places), " +
              std::to_string(sources.asn->size()) + " AS rows; " + std::to_string(pieces.size()) +
              " pieces with data\n";
    report += "region6.db: " + std::to_string(Region6ReadU32(image.data() + kRegion6RangeCountAt)) +
              " ranges (with the gaps between them), " +
              std::to_string(Region6ReadU32(image.data() + kRegion6RecordCountAt)) +
              " distinct texts, " + std::to_string(image.size()) + " bytes\n";
    report += Agreement(image, places, *sources.asn, china, pool);
    return true;
}

}  // namespace quorvane::dbpipeline
