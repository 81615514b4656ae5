#include "tools/dbpipeline/coarsen.h"

#include <limits>
#include <optional>

namespace quorvane::dbpipeline {

void JoinIdentical(std::vector<Segment>& segments) {
    std::size_t out = 0;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (out > 0) {
            Segment& last = segments[out - 1];
            const Segment& cur = segments[i];
            if (last.end != 0xFFFFFFFFu && last.end + 1 == cur.start && last.value == cur.value &&
                last.pinned == cur.pinned && last.special == cur.special) {
                last.end = cur.end;
                continue;
            }
        }
        segments[out++] = segments[i];
    }
    segments.resize(out);
}

bool MayLieIn(const Segment& piece, const std::array<std::uint32_t, kFieldCount>& values) {
    const std::uint32_t country = piece.value[kCountry];
    if (country != 0 && values[kCountry] != country) {
        return false;
    }
    for (int f = 0; f < kFieldCount; ++f) {
        if (((piece.pinned >> f) & 1) != 0 && values[f] != piece.value[f]) {
            return false;
        }
    }
    return true;
}

std::int64_t KeptInRange(const Segment& piece, const std::array<std::uint32_t, kFieldCount>& values,
                         const CoarsenOptions& options) {
    const std::uint64_t size = std::uint64_t{piece.end} - piece.start + 1;
    std::int64_t kept = 0;
    for (int f = kProvince; f < kFieldCount; ++f) {
        if (piece.value[f] != 0 && piece.value[f] == values[f]) {
            kept += static_cast<std::int64_t>(size * options.weight[f]);
        }
    }
    if (options.heavierCountry != 0 && piece.value[kCountry] == options.heavierCountry) {
        kept *= static_cast<std::int64_t>(options.heavierFactor);
    }
    if (piece.value[kCountry] == 0 && values[kCountry] != 0) {
        kept -= static_cast<std::int64_t>(size / options.inventDivisor);
    }
    return kept;
}

namespace {

// first[c]: index of the first fine segment inside coarse[c]; first[coarse.size()] ends it.
std::vector<std::size_t> FirstFineOf(const std::vector<Segment>& fine,
                                     const std::vector<Segment>& coarse) {
    std::vector<std::size_t> first(coarse.size() + 1, fine.size());
    for (std::size_t i = 0, c = 0; i < fine.size(); ++i) {
        while (coarse[c].end < fine[i].start) {
            ++c;
        }
        if (first[c] == fine.size()) {
            first[c] = i;
        }
    }
    return first;
}

// Where the boundary between two neighbouring ranges keeps most of their fine segments.
class BoundaryMover {
  public:
    BoundaryMover(const std::vector<Segment>& fine, const CoarsenOptions& options)
        : m_fine(fine), m_options(options) {}

    // The cut, counted in segments from begin, that keeps most of fine[begin, end) with l's values
    // before it and r's after it; current, the cut today, wins ties. Cuts leave both sides a
    // segment and no gap.
    std::size_t BestCut(std::size_t begin, std::size_t end, std::size_t current, const Segment& l,
                        const Segment& r) {
        // m_before[k]: what the segments begin..begin+k-1 keep on the left side; m_after[k]: what
        // begin+k..end-1 keep on the right; kNone where some segment may not lie there.
        const std::size_t count = end - begin;
        m_before.assign(count + 1, 0);
        m_after.assign(count + 1, 0);
        for (std::size_t k = 0; k < count; ++k) {
            const auto kept = Score(m_fine[begin + k], l);
            m_before[k + 1] = m_before[k] == kNone || !kept ? kNone : m_before[k] + *kept;
        }
        for (std::size_t k = count; k-- > 0;) {
            const auto kept = Score(m_fine[begin + k], r);
            m_after[k] = m_after[k + 1] == kNone || !kept ? kNone : m_after[k + 1] + *kept;
        }
        std::size_t best = current;
        std::int64_t bestKept = m_before[current] + m_after[current];
        for (std::size_t k = 1; k < count; ++k) {
            if (m_before[k] == kNone || m_after[k] == kNone ||
                m_fine[begin + k - 1].end + 1 != m_fine[begin + k].start) {
                continue;
            }
            if (m_before[k] + m_after[k] > bestKept) {
                best = k;
                bestKept = m_before[k] + m_after[k];
            }
        }
        return best;
    }

  private:
    static constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::min();

    // What a fine segment keeps inside a range with the values of side, or nothing when it may
    // not lie there (another known country, a pinned value the side does not hold).
    std::optional<std::int64_t> Score(const Segment& piece, const Segment& side) const {
        if (!MayLieIn(piece, side.value)) {
            return std::nullopt;
        }
        return KeptInRange(piece, side.value, m_options);
    }

    const std::vector<Segment>& m_fine;
    const CoarsenOptions& m_options;
    std::vector<std::int64_t> m_before;
    std::vector<std::int64_t> m_after;
};

}  // namespace

void RefineBoundaries(const std::vector<Segment>& fine, const CoarsenOptions& options,
                      std::vector<Segment>& coarse) {
    if (coarse.size() < 2) {
        return;
    }
    std::vector<std::size_t> first = FirstFineOf(fine, coarse);
    BoundaryMover mover(fine, options);
    for (bool moved = true; moved;) {
        moved = false;
        for (std::size_t c = 0; c + 1 < coarse.size(); ++c) {
            Segment& l = coarse[c];
            Segment& r = coarse[c + 1];
            const std::size_t begin = first[c];
            const std::size_t end = first[c + 2];
            if (l.special || r.special || l.end + 1 != r.start || end - begin < 2) {
                continue;
            }
            const std::size_t current = first[c + 1] - begin;
            const std::size_t best = mover.BestCut(begin, end, current, l, r);
            if (best != current) {
                first[c + 1] = begin + best;
                l.end = fine[begin + best - 1].end;
                r.start = fine[begin + best].start;
                moved = true;
            }
        }
    }
    for (std::size_t c = 0; c < coarse.size(); ++c) {
        coarse[c].pinned = 0;
        for (std::size_t i = first[c]; i < first[c + 1]; ++i) {
            coarse[c].pinned |= fine[i].pinned;
        }
    }
}

Coverage MeasureCoverage(const std::vector<Segment>& fine, const std::vector<Segment>& coarse,
                         const std::function<bool(const Segment&)>& counts) {
    Coverage coverage;
    std::size_t j = 0;
    for (const Segment& s : fine) {
        while (j < coarse.size() && coarse[j].end < s.start) {
            ++j;
        }
        if (counts && !counts(s)) {
            continue;
        }
        const std::uint64_t size = std::uint64_t{s.end} - s.start + 1;
        for (int f = 0; f < kFieldCount; ++f) {
            if (s.value[f] == 0) {
                continue;
            }
            coverage.withValue[f] += size;
            if (j < coarse.size() && coarse[j].start <= s.start &&
                coarse[j].value[f] == s.value[f]) {
                coverage.kept[f] += size;
            }
        }
    }
    return coverage;
}

}  // namespace quorvane::dbpipeline
