#include "tools/dbpipeline/sweep.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_set>

#include "tools/dbpipeline/region_text.h"
#include "tools/dbpipeline/tables.h"

namespace quorvane::dbpipeline {

namespace {

// Every pinned block costs a range, whatever it holds. Below a /22 the ranges the pins took cost
// the rest of the world more province and city values than the pins kept in China, so smaller
// blocks are left to the coarsening's own weighing.
constexpr std::uint64_t kLeastPinnedCarrierBlock = 1024;

// Walks one sorted list of closed ranges alongside the sweep. Wide holds every address and the
// one past the last (for IPv4) or the last itself (for IPv6, where the sweep stops there).
template <typename Range, typename Wide = std::uint64_t>
class Cursor {
  public:
    explicit Cursor(const std::vector<Range>& list) : m_list(list) {}

    // Whether position lies in a range of the list; lowers end to where that answer stops
    // holding (the range's end, or the address before the next range).
    // REQUIRES: position never decreases between calls.
    bool Clip(Wide position, Wide& end) {
        while (m_index < m_list.size() && m_list[m_index].end < position) {
            ++m_index;
        }
        if (m_index >= m_list.size()) {
            return false;
        }
        const Range& range = m_list[m_index];
        if (range.start <= position) {
            end = std::min<Wide>(end, range.end);
            return true;
        }
        end = std::min<Wide>(end, Wide{range.start} - 1);
        return false;
    }

    std::size_t Index() const { return m_index; }

  private:
    const std::vector<Range>& m_list;
    std::size_t m_index = 0;
};

// Provider ids per AS row: the general name and the one used inside mainland China.
template <typename Row>
std::vector<std::array<std::uint32_t, 2>> ProviderIds(const std::vector<Row>& asn,
                                                      StringPool& pool) {
    std::vector<std::array<std::uint32_t, 2>> asnProvider(asn.size());
    for (std::size_t i = 0; i < asn.size(); ++i) {
        for (int mainland = 0; mainland < 2; ++mainland) {
            std::string name = KnownProviderName(asn[i].organisation, mainland != 0);
            if (name.empty()) {
                name = CleanField(asn[i].organisation);
            }
            asnProvider[i][mainland] = pool.Intern(name);
        }
    }
    return asnProvider;
}

template <typename Special>
std::vector<std::uint32_t> LabelIds(const std::vector<Special>& specials, StringPool& pool) {
    std::vector<std::uint32_t> specialLabel(specials.size());
    for (std::size_t i = 0; i < specials.size(); ++i) {
        specialLabel[i] = pool.Intern(specials[i].label);
    }
    return specialLabel;
}

}  // namespace

std::vector<Segment> SweepSources(const SourcePlaces& places, const std::vector<AsnRange>& asn,
                                  std::uint32_t china, StringPool& pool) {
    const std::vector<std::array<std::uint32_t, 2>> asnProvider = ProviderIds(asn, pool);
    const std::vector<SpecialRange>& specials = SpecialRanges();
    const std::vector<std::uint32_t> specialLabel = LabelIds(specials, pool);
    std::unordered_set<std::uint32_t> carrierIds;
    for (std::string_view name : kChineseCarriers) {
        carrierIds.insert(pool.Intern(std::string(name)));
    }

    std::vector<Segment> fine;
    fine.reserve(places.blocks.size() * 2);
    const std::vector<std::uint32_t>& pinnedAddresses = PinnedAddresses();
    Cursor<MmdbBlock> blocks(places.blocks);
    Cursor<AsnRange> asnRows(asn);
    Cursor<SpecialRange> specialRows(specials);
    std::size_t pinnedIndex = 0;
    for (std::uint64_t position = 0; position <= 0xFFFFFFFFull;) {
        const auto start = static_cast<std::uint32_t>(position);
        std::uint64_t end = 0xFFFFFFFFull;
        const bool inBlock = blocks.Clip(start, end);
        const bool inAsn = asnRows.Clip(start, end);
        const bool inSpecial = specialRows.Clip(start, end);

        Segment s;
        s.start = start;
        s.end = static_cast<std::uint32_t>(end);
        if (inSpecial) {
            s.value[kProvider] = specialLabel[specialRows.Index()];
            s.special = true;
        } else {
            Place place;
            if (inBlock) {
                place = places.places[places.blockPlace[blocks.Index()]];
            }
            s.value[kCountry] = place.country;
            s.value[kProvince] = place.province;
            s.value[kCity] = place.city;
            if (inAsn) {
                s.value[kProvider] = asnProvider[asnRows.Index()][place.mainland ? 1 : 0];
            }
            // China's carriers keep their provider and place exactly where a block is large
            // enough to be worth a range of its own.
            if (place.country == china && carrierIds.count(s.value[kProvider]) != 0 &&
                std::uint64_t{s.end} - s.start + 1 >= kLeastPinnedCarrierBlock) {
                s.pinned = kAllFieldsPinned;
            }
            while (pinnedIndex < pinnedAddresses.size() && pinnedAddresses[pinnedIndex] < s.start) {
                ++pinnedIndex;
            }
            if (pinnedIndex < pinnedAddresses.size() && pinnedAddresses[pinnedIndex] <= s.end) {
                s.pinned = kAllFieldsPinned;
            }
        }
        fine.push_back(s);
        position = end + 1;
    }
    return fine;
}

std::vector<Segment6> SweepSources6(const SourcePlaces6& places, const std::vector<AsnRange6>& asn,
                                    StringPool& pool) {
    const std::vector<std::array<std::uint32_t, 2>> asnProvider = ProviderIds(asn, pool);
    const std::vector<SpecialRange6>& specials = SpecialRanges6();
    const std::vector<std::uint32_t> specialLabel = LabelIds(specials, pool);
    constexpr Address6 kLast = ~Address6{0};

    std::vector<Segment6> pieces;
    pieces.reserve(places.blocks.size() * 2);
    Cursor<MmdbBlock6, Address6> blocks(places.blocks);
    Cursor<AsnRange6, Address6> asnRows(asn);
    Cursor<SpecialRange6, Address6> specialRows(specials);
    for (Address6 position = 0;;) {
        Address6 end = kLast;
        const bool inBlock = blocks.Clip(position, end);
        const bool inAsn = asnRows.Clip(position, end);
        const bool inSpecial = specialRows.Clip(position, end);
        Segment6 s;
        s.start = position;
        s.end = end;
        if (inSpecial) {
            s.value[kProvider] = specialLabel[specialRows.Index()];
        } else if (inBlock || inAsn) {
            Place place;
            if (inBlock) {
                place = places.places[places.blockPlace[blocks.Index()]];
            }
            s.value = {place.country, place.province, place.city,
                       inAsn ? asnProvider[asnRows.Index()][place.mainland ? 1 : 0] : 0};
        }
        // Space that no source covers holds no data: the file finds nothing there.
        if (inSpecial || inBlock || inAsn) {
            pieces.push_back(s);
        }
        if (end == kLast) {
            return pieces;
        }
        position = end + 1;
    }
}

}  // namespace quorvane::dbpipeline
