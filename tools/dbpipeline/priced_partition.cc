#include "tools/dbpipeline/priced_partition.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <queue>
#include <utility>

namespace quorvane::dbpipeline {

namespace {

using Values = std::array<std::uint32_t, kFieldCount>;

std::uint64_t SizeOf(const Segment& s) {
    return std::uint64_t{s.end} - s.start + 1;
}

// Open ranges kept at each segment once twice as many are open, the likeliest first: the best
// split rarely runs through the others, and following them all would make the pass quadratic.
constexpr std::size_t kOpenRanges = 8;

// The addresses of an open range per value of one field, weighted, and the value most of them
// hold (the first to get there). A pinned segment locks the field to its own value.
class Tally {
  public:
    void Add(std::uint32_t value, std::int64_t kept) {
        auto it = std::find_if(m_held.begin(), m_held.end(),
                               [value](const auto& held) { return held.first == value; });
        if (it == m_held.end()) {
            m_held.emplace_back(value, 0);
            it = m_held.end() - 1;
        }
        it->second += kept;
        if (it->second > m_leadKept) {
            m_lead = value;
            m_leadKept = it->second;
        }
    }
    // REQUIRES: !LocksOut(value).
    void Lock(std::uint32_t value) {
        m_locked = true;
        m_lockedValue = value;
    }
    bool LocksOut(std::uint32_t value) const { return m_locked && m_lockedValue != value; }
    std::uint32_t Value() const { return m_locked ? m_lockedValue : m_lead; }
    std::int64_t Kept() const {
        if (!m_locked) {
            return m_leadKept;
        }
        for (const auto& [value, kept] : m_held) {
            if (value == m_lockedValue) {
                return kept;
            }
        }
        return 0;
    }

  private:
    std::vector<std::pair<std::uint32_t, std::int64_t>> m_held;
    std::uint32_t m_lead = 0;
    std::int64_t m_leadKept = 0;
    bool m_locked = false;
    std::uint32_t m_lockedValue = 0;
};

class PricedSolver {
  public:
    PricedSolver(const std::vector<Segment>& fine, const CoarsenOptions& options)
        : m_fine(fine), m_options(options), m_steps(fine.size()) {}

    // Finds the best split when every range costs price; returns its number of ranges.
    std::uint64_t Solve(std::int64_t price) {
        m_open.clear();
        std::int64_t best = 0;
        std::uint64_t bestRanges = 0;
        for (std::size_t i = 0; i < m_fine.size(); ++i) {
            const Segment& piece = m_fine[i];
            if (i == 0 || piece.special || m_fine[i - 1].special ||
                m_fine[i - 1].end + 1 != piece.start) {
                m_open.clear();
            }
            // What a range opening at this segment starts from.
            const std::int64_t fresh = best - price;
            const std::uint64_t freshRanges = bestRanges + 1;
            const auto index = static_cast<std::uint32_t>(i);
            std::size_t kept = 0;
            for (std::size_t k = 0; k < m_open.size(); ++k) {
                Open& open = m_open[k];
                if (!Fits(piece, open)) {
                    continue;
                }
                Add(piece, open);
                if (kept != k) {
                    m_open[kept] = std::move(open);
                }
                ++kept;
            }
            m_open.resize(kept);
            // A range opens here with the segment's own country and province.
            Open& opened = m_open.emplace_back();
            opened.country = piece.value[kCountry];
            opened.province = piece.value[kProvince];
            opened.total = fresh;
            opened.ranges = freshRanges;
            opened.start = index;
            Add(piece, opened);
            const Open* winner = &m_open.front();
            for (const Open& open : m_open) {
                if (open.Total() > winner->Total() ||
                    (open.Total() == winner->Total() && open.ranges < winner->ranges)) {
                    winner = &open;
                }
            }
            best = winner->Total();
            bestRanges = winner->ranges;
            m_steps[i] = Step{winner->start,
                              {winner->country, winner->province, winner->city.Value(),
                               winner->provider.Value()}};
            if (m_open.size() > 2 * kOpenRanges) {
                std::stable_sort(m_open.begin(), m_open.end(), [](const Open& a, const Open& b) {
                    return a.Total() > b.Total();
                });
                m_open.resize(kOpenRanges);
            }
        }
        return bestRanges;
    }

    // The ranges of the last Solve.
    std::vector<Segment> Ranges() const {
        std::vector<Segment> ranges;
        for (std::size_t end = m_fine.size(); end > 0;) {
            const Step& step = m_steps[end - 1];
            Segment range;
            range.start = m_fine[step.start].start;
            range.end = m_fine[end - 1].end;
            range.value = step.values;
            for (std::size_t i = step.start; i < end; ++i) {
                range.pinned |= m_fine[i].pinned;
                range.special = range.special || m_fine[i].special;
            }
            ranges.push_back(range);
            end = step.start;
        }
        std::reverse(ranges.begin(), ranges.end());
        return ranges;
    }

  private:
    // A range open at the current segment with a country and province: the best total before it
    // less its price plus what it keeps besides its city and provider, the ranges that uses, the
    // segment it opened at, and its city and provider as most of its addresses hold them.
    struct Open {
        std::uint32_t country = 0;
        std::uint32_t province = 0;
        std::int64_t total = 0;
        std::uint64_t ranges = 0;
        std::uint32_t start = 0;
        Tally city;
        Tally provider;
        std::int64_t Total() const { return total + city.Kept() + provider.Kept(); }
    };
    // The best range ending at a segment: where it starts and its values.
    struct Step {
        std::uint32_t start;
        Values values;
    };

    // Whether piece may join open: its known country, and for a pinned segment every value,
    // since it keeps them all.
    static bool Fits(const Segment& piece, const Open& open) {
        if (piece.value[kCountry] != 0 && piece.value[kCountry] != open.country) {
            return false;
        }
        if (piece.pinned == 0) {
            return true;
        }
        return piece.pinned == kAllFieldsPinned && piece.value[kCountry] == open.country &&
               piece.value[kProvince] == open.province && !open.city.LocksOut(piece.value[kCity]) &&
               !open.provider.LocksOut(piece.value[kProvider]);
    }

    // Counts piece into open as KeptInRange weighs it; the city only under the range's province.
    void Add(const Segment& piece, Open& open) {
        const std::uint64_t size = SizeOf(piece);
        const std::int64_t factor =
            m_options.heavierCountry != 0 && piece.value[kCountry] == m_options.heavierCountry
                ? static_cast<std::int64_t>(m_options.heavierFactor)
                : 1;
        auto weighted = [&](int field) {
            return static_cast<std::int64_t>(size * m_options.weight[field]) * factor;
        };
        if (piece.value[kProvince] != 0 && piece.value[kProvince] == open.province) {
            open.total += weighted(kProvince);
        }
        if (piece.value[kCountry] == 0 && open.country != 0) {
            open.total -= static_cast<std::int64_t>(size / m_options.inventDivisor);
        }
        if (piece.value[kCity] != 0 && piece.value[kProvince] == open.province) {
            open.city.Add(piece.value[kCity], weighted(kCity));
        }
        if (piece.value[kProvider] != 0) {
            open.provider.Add(piece.value[kProvider], weighted(kProvider));
        }
        if (piece.pinned != 0) {
            open.city.Lock(piece.value[kCity]);
            open.provider.Lock(piece.value[kProvider]);
        }
    }

    const std::vector<Segment>& m_fine;
    CoarsenOptions m_options;
    std::vector<Step> m_steps;
    std::vector<Open> m_open;
};

// The value of field among pieces (those that pass accept) that most addresses hold; 0 if none.
template <typename Accept>
std::uint32_t MostHeld(const Segment* begin, const Segment* end, int field, Accept accept) {
    std::map<std::uint32_t, std::uint64_t> held;
    for (const Segment* s = begin; s != end; ++s) {
        if (s->value[field] != 0 && accept(*s)) {
            held[s->value[field]] += SizeOf(*s);
        }
    }
    std::uint32_t most = 0;
    std::uint64_t mostAddresses = 0;
    for (const auto& [value, addresses] : held) {
        if (addresses > mostAddresses) {
            most = value;
            mostAddresses = addresses;
        }
    }
    return most;
}

// Gives each range, per field, the value most of its addresses hold when that keeps more than
// the segment's values it took. Ranges holding a pinned segment keep theirs.
void TakeMostHeldValues(const std::vector<Segment>& fine, const CoarsenOptions& options,
                        std::vector<Segment>& coarse) {
    std::size_t i = 0;
    for (Segment& range : coarse) {
        const std::size_t first = i;
        while (i < fine.size() && fine[i].start <= range.end) {
            ++i;
        }
        if (range.pinned != 0 || range.special) {
            continue;
        }
        const Segment* begin = fine.data() + first;
        const Segment* end = fine.data() + i;
        const auto all = [](const Segment&) { return true; };
        Values values = range.value;
        values[kProvince] = MostHeld(begin, end, kProvince, all);
        // A city only from segments of the province taken, so none lands in another province.
        values[kCity] = MostHeld(begin, end, kCity, [&](const Segment& s) {
            return s.value[kProvince] == values[kProvince];
        });
        values[kProvider] = MostHeld(begin, end, kProvider, all);
        std::int64_t before = 0;
        std::int64_t after = 0;
        for (const Segment* s = begin; s != end; ++s) {
            before += KeptInRange(*s, range.value, options);
            after += KeptInRange(*s, values, options);
        }
        if (after > before) {
            range.value = values;
        }
    }
}

// Merges neighbouring ranges, the pair that loses least first, until a budget is met or no pair
// may merge. A merged range keeps the values of one of the two.
class CheapestMerger {
  public:
    // REQUIRES: every fine segment lies inside one coarse segment; both sorted.
    CheapestMerger(const std::vector<Segment>& fine, const CoarsenOptions& options,
                   std::vector<Segment>& coarse)
        : m_fine(fine),
          m_options(options),
          m_coarse(coarse),
          m_n(coarse.size()),
          m_first(m_n + 1, fine.size()),
          m_next(m_n),
          m_prev(m_n),
          m_version(m_n, 0),
          m_alive(m_n, true) {
        for (std::size_t i = 0, c = 0; i < fine.size(); ++i) {
            while (coarse[c].end < fine[i].start) {
                ++c;
            }
            m_first[c] = std::min(m_first[c], i);
        }
        for (std::size_t c = 0; c < m_n; ++c) {
            m_next[c] = c + 1;
            m_prev[c] = c == 0 ? m_n : c - 1;
        }
    }

    void MergeDownTo(std::size_t maxRanges) {
        for (std::size_t c = 0; c + 1 < m_n; ++c) {
            Offer(c);
        }
        std::size_t count = m_n;
        while (count > maxRanges && !m_queue.empty()) {
            const Candidate candidate = m_queue.top();
            m_queue.pop();
            const std::size_t c = candidate.left;
            if (!m_alive[c] || m_next[c] >= m_n || m_version[c] != candidate.leftVersion ||
                m_version[m_next[c]] != candidate.rightVersion) {
                continue;
            }
            Merge(c);
            --count;
        }
        std::size_t out = 0;
        for (std::size_t c = 0; c < m_n; ++c) {
            if (m_alive[c]) {
                m_coarse[out++] = m_coarse[c];
            }
        }
        m_coarse.resize(out);
    }

  private:
    struct Candidate {
        std::int64_t loss;
        std::size_t left;
        std::uint32_t leftVersion;
        std::uint32_t rightVersion;
        bool operator>(const Candidate& other) const {
            return loss != other.loss ? loss > other.loss : left > other.left;
        }
    };

    // What fine segments begin .. end - 1 keep in a range with values; nothing when one of them
    // may not lie there.
    std::optional<std::int64_t> Keeps(std::size_t begin, std::size_t end,
                                      const Values& values) const {
        std::int64_t kept = 0;
        for (std::size_t i = begin; i < end; ++i) {
            if (!MayLieIn(m_fine[i], values)) {
                return std::nullopt;
            }
            kept += KeptInRange(m_fine[i], values, m_options);
        }
        return kept;
    }

    // The loss of merging c with its next range, and the values the merged range takes.
    std::optional<std::int64_t> Plan(std::size_t c, Values& values) const {
        const std::size_t d = m_next[c];
        if (d >= m_n || m_coarse[c].special || m_coarse[d].special ||
            m_coarse[c].end + 1 != m_coarse[d].start) {
            return std::nullopt;
        }
        const std::size_t begin = m_first[c];
        const std::size_t middle = m_first[d];
        const std::size_t end = m_next[d] < m_n ? m_first[m_next[d]] : m_fine.size();
        const std::int64_t now =
            *Keeps(begin, middle, m_coarse[c].value) + *Keeps(middle, end, m_coarse[d].value);
        std::optional<std::int64_t> best;
        for (const Segment* side : {&m_coarse[c], &m_coarse[d]}) {
            const auto kept = Keeps(begin, end, side->value);
            if (kept && (!best || *kept > *best)) {
                best = kept;
                values = side->value;
            }
        }
        if (!best) {
            return std::nullopt;
        }
        return now - *best;
    }

    void Offer(std::size_t c) {
        if (c >= m_n || m_next[c] >= m_n) {
            return;
        }
        Values values{};
        if (const auto loss = Plan(c, values)) {
            m_queue.push(Candidate{*loss, c, m_version[c], m_version[m_next[c]]});
        }
    }

    // Merges c with its next range as Plan says, and offers the pairs it changed.
    void Merge(std::size_t c) {
        const std::size_t d = m_next[c];
        Values values{};
        Plan(c, values);
        m_coarse[c].end = m_coarse[d].end;
        m_coarse[c].value = values;
        m_coarse[c].pinned |= m_coarse[d].pinned;
        m_alive[d] = false;
        m_next[c] = m_next[d];
        if (m_next[d] < m_n) {
            m_prev[m_next[d]] = c;
        }
        ++m_version[c];
        Offer(m_prev[c]);
        Offer(c);
    }

    const std::vector<Segment>& m_fine;
    const CoarsenOptions& m_options;
    std::vector<Segment>& m_coarse;
    const std::size_t m_n;
    // Fine segments m_first[c] .. m_first[m_next[c]] - 1 lie in range c while it is alive.
    std::vector<std::size_t> m_first;
    std::vector<std::size_t> m_next;
    std::vector<std::size_t> m_prev;
    std::vector<std::uint32_t> m_version;
    std::vector<bool> m_alive;
    std::priority_queue<Candidate, std::vector<Candidate>, std::greater<>> m_queue;
};

// Merges neighbouring ranges, the pair that loses least first, until options.maxRanges is met
// or no pair may merge.
// REQUIRES: every fine segment lies inside one coarse segment; both sorted.
void MergeCheapest(const std::vector<Segment>& fine, const CoarsenOptions& options,
                   std::vector<Segment>& coarse) {
    if (coarse.size() > options.maxRanges) {
        CheapestMerger(fine, options, coarse).MergeDownTo(options.maxRanges);
    }
}

}  // namespace

bool PartitionByPrice(const std::vector<Segment>& fine, const CoarsenOptions& options,
                      std::vector<Segment>& coarse) {
    coarse.clear();
    if (fine.empty()) {
        return true;
    }
    PricedSolver solver(fine, options);
    // The range count falls as the price rises. Bracket the lowest price that fits the budget,
    // starting near what a /24 keeps, then bisect.
    constexpr std::int64_t kCeiling = std::int64_t{1} << 52;
    std::int64_t high =
        256 * static_cast<std::int64_t>(options.weight[kProvince] + options.weight[kCity] +
                                        options.weight[kProvider]) +
        1;
    std::int64_t low = 0;
    if (solver.Solve(high) <= options.maxRanges) {
        for (low = high / 2; low > 0 && solver.Solve(low) <= options.maxRanges; low /= 2) {
            high = low;
        }
    } else {
        do {
            low = high;
            high *= 2;
            if (high > kCeiling) {
                coarse = solver.Ranges();
                return false;
            }
        } while (solver.Solve(high) > options.maxRanges);
    }
    while (high - low > 1) {
        const std::int64_t price = low + (high - low) / 2;
        if (solver.Solve(price) <= options.maxRanges) {
            high = price;
        } else {
            low = price;
        }
    }
    // Ties make the count jump at the last price step; the split just below the budget's price
    // has a few ranges too many, and merging its cheapest neighbours spends the budget exactly.
    solver.Solve(low);
    coarse = solver.Ranges();
    TakeMostHeldValues(fine, options, coarse);
    MergeCheapest(fine, options, coarse);
    RefineBoundaries(fine, options, coarse);
    // Moved boundaries can change which values most addresses of a range hold.
    TakeMostHeldValues(fine, options, coarse);
    RefineBoundaries(fine, options, coarse);
    return coarse.size() <= options.maxRanges;
}

std::int64_t WeightedKept(const std::vector<Segment>& fine, const std::vector<Segment>& coarse,
                          const CoarsenOptions& options) {
    std::int64_t kept = 0;
    std::size_t j = 0;
    for (const Segment& s : fine) {
        while (j < coarse.size() && coarse[j].end < s.start) {
            ++j;
        }
        if (j < coarse.size() && coarse[j].start <= s.start) {
            kept += KeptInRange(s, coarse[j].value, options);
        }
    }
    return kept;
}

}  // namespace quorvane::dbpipeline
