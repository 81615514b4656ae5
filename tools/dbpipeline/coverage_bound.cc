#include "tools/dbpipeline/coverage_bound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace quorvane::dbpipeline {

namespace {

// A best partial solution: the field's kept addresses minus the price of its ranges, and the
// number of ranges (fewer wins a tie, so the count is that of the cheapest optimum).
struct Best {
    double value = 0;
    std::uint64_t ranges = 0;
    bool operator<(const Best& other) const {
        return value != other.value ? value < other.value : ranges > other.ranges;
    }
};

// Units lie in stretches separated by breaks no range may span: a special range, or two
// different known countries side by side. A unit is a fine segment, not special, that holds a
// value of the field.
struct Unit {
    std::uint32_t value;
    std::uint32_t stretch;
    double size;
};

// Best solution when every range costs price. In an optimal solution every range can be taken
// to begin and end with addresses that keep its value (the others can go to a neighbour at no
// loss), so a solution is a choice of kept units; consecutive kept units with the same value in
// one stretch share a range, and everything between them is lost.
// REQUIRES: every unit's value is below value_count.
Best Solve(const std::vector<Unit>& units, std::uint32_t valueCount, double price) {
    struct Entry {
        Best best;
        std::uint32_t stretch = std::numeric_limits<std::uint32_t>::max();
    };
    // The best solution whose last kept unit holds this value, if that unit is in the current
    // stretch.
    std::vector<Entry> byValue(valueCount);
    Best any;
    for (const Unit& u : units) {
        Entry& entry = byValue[u.value];
        const bool sameStretch = entry.stretch == u.stretch;
        Best best{any.value - price, any.ranges + 1};
        if (sameStretch && best < entry.best) {
            best = entry.best;
        }
        best.value += u.size;
        if (!sameStretch || entry.best < best) {
            entry = Entry{best, u.stretch};
        }
        if (any < best) {
            any = best;
        }
    }
    return any;
}

}  // namespace

double CoverageUpperBound(const std::vector<Segment>& fine, int field, std::size_t maxRanges) {
    std::vector<Unit> units;
    std::uint32_t valueCount = 0;
    double total = 0;
    // Addresses of special ranges keep everything; they and the stretches that hold no value of
    // the field use up ranges the field cannot have.
    double fixed = 0;
    std::uint64_t forced = 0;
    std::uint32_t stretch = 0;
    std::uint32_t country = 0;
    bool stretchUsed = false;
    bool stretchHasValue = false;
    auto closeStretch = [&] {
        if (stretchUsed && !stretchHasValue) {
            ++forced;
        }
        ++stretch;
        stretchUsed = false;
        stretchHasValue = false;
    };
    for (const Segment& s : fine) {
        const double size = static_cast<double>(std::uint64_t{s.end} - s.start + 1);
        if (s.value[field] != 0) {
            total += size;
        }
        if (s.special) {
            closeStretch();
            ++forced;
            if (s.value[field] != 0) {
                fixed += size;
            }
            country = 0;
            continue;
        }
        // Only two different known countries side by side are a sure break: addresses without a
        // country between them may join either side, so the bound lets a range span them.
        const std::uint32_t c = s.value[kCountry];
        if (c != 0 && country != 0 && c != country) {
            closeStretch();
        }
        country = c;
        stretchUsed = true;
        if (s.value[field] != 0) {
            stretchHasValue = true;
            units.push_back(Unit{s.value[field], stretch, size});
            valueCount = std::max(valueCount, s.value[field] + 1);
        }
    }
    closeStretch();
    if (total == 0) {
        return 100.0;
    }
    if (forced >= maxRanges) {
        return 100.0 * fixed / total;
    }
    const double budget = static_cast<double>(maxRanges - forced);

    // For every price, best.value + price * budget bounds the kept addresses. The best price is
    // where the optimum's range count crosses the budget; bisect for it on a log scale.
    double low = 1e-3;
    double high = total + 1;
    double bound = total - fixed;
    for (int step = 0; step < 64 && high > low * (1 + 1e-6); ++step) {
        const double price = std::sqrt(low * high);
        const Best best = Solve(units, valueCount, price);
        bound = std::min(bound, best.value + price * budget);
        if (static_cast<double>(best.ranges) > budget) {
            low = price;
        } else {
            high = price;
        }
    }
    return 100.0 * std::min(total, fixed + bound) / total;
}

}  // namespace quorvane::dbpipeline
