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

// Merges neighbouring ranges, the pair that loses least first, until options.maxRanges is met
// or no pair may merge. A merged range keeps the values of one of the two.
// REQUIRES: every fine segment lies inside one coarse segment; both sorted.
void MergeCheapest(const std::vector<Segment>& fine, const CoarsenOptions& options,
                   std::vector<Segment>& coarse) {
    if (coarse.size() <= options.maxRanges) {
        return;
    }
    const std::size_t n = coarse.size();
    // Fine segments first[c] .. first[next[c]] - 1 lie in range c while it is alive.
    std::vector<std::size_t> first(n + 1, fine.size());
    for (std::size_t i = 0, c = 0; i < fine.size(); ++i) {
        while (coarse[c].end < fine[i].start) {
            ++c;
        }
        first[c] = std::min(first[c], i);
    }
    std::vector<std::size_t> next(n);
    std::vector<std::size_t> prev(n);
    std::vector<std::uint32_t> version(n, 0);
    for (std::size_t c = 0; c < n; ++c) {
        next[c] = c + 1;
        prev[c] = c == 0 ? n : c - 1;
    }
    auto keeps = [&](std::size_t begin, std::size_t end, const Values& values) {
        std::int64_t kept = 0;
        for (std::size_t i = begin; i < end; ++i) {
            if (!MayLieIn(fine[i], values)) {
                return std::optional<std::int64_t>{};
            }
            kept += KeptInRange(fine[i], values, options);
        }
        return std::optional<std::int64_t>{kept};
    };
    // The loss of merging c with its next range, and the values the merged range takes.
    auto plan = [&](std::size_t c, Values& values) -> std::optional<std::int64_t> {
        const std::size_t d = next[c];
        if (d >= n || coarse[c].special || coarse[d].special ||
            coarse[c].end + 1 != coarse[d].start) {
            return std::nullopt;
        }
        const std::size_t begin = first[c];
        const std::size_t middle = first[d];
        const std::size_t end = next[d] < n ? first[next[d]] : fine.size();
        const std::int64_t now =
            *keeps(begin, middle, coarse[c].value) + *keeps(middle, end, coarse[d].value);
        std::optional<std::int64_t> best;
        for (const Segment* side : {&coarse[c], &coarse[d]}) {
            const auto kept = keeps(begin, end, side->value);
            if (kept && (!best || *kept > *best)) {
                best = kept;
                values = side->value;
            }
        }
        if (!best) {
            return std::nullopt;
        }
        return now - *best;
    };
    struct Candidate {
        std::int64_t loss;
        std::size_t left;
        std::uint32_t leftVersion;
        std::uint32_t rightVersion;
        bool operator>(const Candidate& other) const {
            return loss != other.loss ? loss > other.loss : left > other.left;
        }
    };
    std::priority_queue<Candidate, std::vector<Candidate>, std::greater<>> queue;
    Values values{};
    auto offer = [&](std::size_t c) {
        if (c >= n || next[c] >= n) {
            return;
        }
        if (const auto loss = plan(c, values)) {
            queue.push(Candidate{*loss, c, version[c], version[next[c]]});
        }
    };
    for (std::size_t c = 0; c + 1 < n; ++c) {
        offer(c);
    }
    std::vector<bool> alive(n, true);
    std::size_t count = n;
    while (count > options.maxRanges && !queue.empty()) {
        const Candidate candidate = queue.top();
        queue.pop();
        const std::size_t c = candidate.left;
        if (!alive[c] || next[c] >= n || version[c] != candidate.leftVersion ||
            version[next[c]] != candidate.rightVersion) {
            continue;
        }
        const std::size_t d = next[c];
        plan(c, values);
        coarse[c].end = coarse[d].end;
        coarse[c].value = values;
        coarse[c].pinned |= coarse[d].pinned;
        alive[d] = false;
        next[c] = next[d];
        if (next[d] < n) {
            prev[next[d]] = c;
        }
        ++version[c];
        --count;
        offer(prev[c]);
        offer(c);
    }
    std::size_t out = 0;
    for (std::size_t c = 0; c < n; ++c) {
        if (alive[c]) {
            coarse[out++] = coarse[c];
        }
    }
    coarse.resize(out);
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
