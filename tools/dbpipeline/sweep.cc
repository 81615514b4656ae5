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

// Walks one sorted list of closed ranges alongside the sweep.
template <typename Range>
class Cursor {
  public:
    explicit Cursor(const std::vector<Range>& list) : m_list(list) {}

    // Whether position lies in a range of the list; lowers end to where that answer stops
    // holding (the range's end, or the address before the next range).
    // REQUIRES: position never decreases between calls.
    bool Clip(std::uint32_t position, std::uint64_t& end) {
        while (m_index < m_list.size() && m_list[m_index].end < position) {
            ++m_index;
        }
        if (m_index >= m_list.size()) {
            return false;
        }
        const Range& range = m_list[m_index];
        if (range.start <= position) {
            end = std::min<std::uint64_t>(end, range.end);
            return true;
        }
        end = std::min<std::uint64_t>(end, std::uint64_t{range.start} - 1);
        return false;
    }

    std::size_t Index() const { return m_index; }

  private:
    const std::vector<Range>& m_list;
    std::size_t m_index = 0;
};

}  // namespace

std::vector<Segment> SweepSources(const SourcePlaces& places, const std::vector<AsnRange>& asn,
                                  std::uint32_t china, StringPool& pool) {
    // Provider ids per AS row: the general name and the one used inside mainland China.
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
    const std::vector<SpecialRange>& specials = SpecialRanges();
    std::vector<std::uint32_t> specialLabel(specials.size());
    for (std::size_t i = 0; i < specials.size(); ++i) {
        specialLabel[i] = pool.Intern(specials[i].label);
    }
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

}  // namespace quorvane::dbpipeline
