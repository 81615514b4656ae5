#include "tools/dbpipeline/coarsen.h"

#include <limits>
#include <optional>
#include <queue>

namespace quorvane::dbpipeline {

namespace {

struct Node {
    std::uint32_t start;
    std::uint32_t end;
    std::array<std::uint32_t, kFieldCount> rep;
    // Addresses inside the node whose source value equals rep (0 when rep is "no value").
    std::array<std::uint64_t, kFieldCount> matched;
    std::uint64_t size;
    std::int32_t prev;
    std::int32_t next;
    std::uint32_t version;
    std::uint8_t pinned;
    bool special;
    bool alive;
};

struct Plan {
    std::uint64_t loss = 0;
    std::array<std::uint32_t, kFieldCount> rep{};
    std::array<std::uint64_t, kFieldCount> matched{};
};

struct Candidate {
    std::uint64_t loss;
    // Ranges this merge removes: 2 when the merged range equals a neighbour, which then joins it
    // at no further cost.
    std::uint64_t saved;
    std::int32_t left;
    std::uint32_t leftVersion;
    std::uint32_t rightVersion;
};

struct LaterFirst {
    bool operator()(const Candidate& a, const Candidate& b) const {
        // Least loss per range removed first.
        const std::uint64_t ka = a.loss * b.saved;
        const std::uint64_t kb = b.loss * a.saved;
        if (ka != kb) {
            return ka > kb;
        }
        return a.left > b.left;
    }
};

// Picks the side that keeps field f. eligible_left / eligible_right say which sides may give it
// (the city must come from a side whose province was kept). Returns false when the merge is not
// allowed (both sides pin different values).
bool ChooseField(const Node& l, const Node& r, int f, bool eligibleLeft, bool eligibleRight,
                 Plan& plan, std::uint64_t& lost) {
    const std::uint32_t a = l.rep[f];
    const std::uint32_t b = r.rep[f];
    if (a == b) {
        plan.rep[f] = a;
        plan.matched[f] = l.matched[f] + r.matched[f];
        lost = 0;
        return true;
    }
    const bool pinL = (l.pinned >> f) & 1;
    const bool pinR = (r.pinned >> f) & 1;
    bool takeLeft;
    if (pinL && pinR) {
        return false;
    }
    if (pinL) {
        takeLeft = true;
    } else if (pinR) {
        takeLeft = false;
    } else if (eligibleLeft != eligibleRight) {
        takeLeft = eligibleLeft;
    } else if (l.matched[f] != r.matched[f]) {
        takeLeft = l.matched[f] > r.matched[f];
    } else {
        takeLeft = l.size >= r.size;
    }
    const Node& keep = takeLeft ? l : r;
    const Node& drop = takeLeft ? r : l;
    plan.rep[f] = keep.rep[f];
    plan.matched[f] = keep.matched[f];
    lost = drop.matched[f];
    return true;
}

bool PlanMerge(const Node& l, const Node& r, const CoarsenOptions& options, Plan& plan) {
    if (l.special || r.special) {
        return false;
    }
    const std::uint32_t cl = l.rep[kCountry];
    const std::uint32_t cr = r.rep[kCountry];
    if (cl != 0 && cr != 0 && cl != cr) {
        return false;
    }
    // A range pinned to "no country" cannot take in addresses that have one.
    if ((cl == 0 && cr != 0 && (l.pinned & 1)) || (cr == 0 && cl != 0 && (r.pinned & 1))) {
        return false;
    }
    std::uint64_t lost = 0;
    std::uint64_t loss = 0;
    if (!ChooseField(l, r, kCountry, true, true, plan, lost)) {
        return false;
    }
    if ((cl == 0) != (cr == 0)) {
        loss += (cl == 0 ? l.size : r.size) / options.inventDivisor;
    }
    if (!ChooseField(l, r, kProvince, true, true, plan, lost)) {
        return false;
    }
    loss += lost * options.weight[kProvince];
    const std::uint32_t province = plan.rep[kProvince];
    const bool cityLeft = l.rep[kProvince] == province || l.rep[kProvince] == 0;
    const bool cityRight = r.rep[kProvince] == province || r.rep[kProvince] == 0;
    if (!ChooseField(l, r, kCity, cityLeft, cityRight, plan, lost)) {
        return false;
    }
    loss += lost * options.weight[kCity];
    if (!ChooseField(l, r, kProvider, true, true, plan, lost)) {
        return false;
    }
    loss += lost * options.weight[kProvider];
    plan.loss = loss;
    return true;
}

// Merges adjacent nodes, cheapest loss per removed range first.
class Merger {
  public:
    Merger(const std::vector<Segment>& segments, const CoarsenOptions& options)
        : m_options(options), m_queue(LaterFirst{}, Reserved(segments.size())) {
        const std::size_t n = segments.size();
        m_nodes.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            const Segment& s = segments[i];
            Node& node = m_nodes[i];
            node.start = s.start;
            node.end = s.end;
            node.rep = s.value;
            node.size = std::uint64_t{s.end} - s.start + 1;
            for (int f = 0; f < kFieldCount; ++f) {
                node.matched[f] = s.value[f] != 0 ? node.size : 0;
            }
            node.prev = static_cast<std::int32_t>(i) - 1;
            node.next = i + 1 < n ? static_cast<std::int32_t>(i + 1) : -1;
            node.version = 0;
            node.pinned = s.pinned;
            node.special = s.special;
            node.alive = true;
        }
        for (std::size_t i = 0; i + 1 < n; ++i) {
            Offer(static_cast<std::int32_t>(i));
        }
        m_alive = n;
    }

    // Takes the cheapest allowed merge until at most maxRanges nodes are left or no merge is
    // allowed. Returns the number of nodes left.
    std::size_t MergeDownTo(std::size_t maxRanges) {
        while (m_alive > maxRanges && !m_queue.empty()) {
            const Candidate c = m_queue.top();
            m_queue.pop();
            const Node& l = m_nodes[c.left];
            if (!l.alive || l.version != c.leftVersion || l.next < 0 ||
                m_nodes[l.next].version != c.rightVersion) {
                continue;
            }
            // A neighbour of the pair may have changed since the candidate was queued, which
            // changes what the merge saves: queue it again with its current value instead.
            Candidate now;
            if (!Evaluate(c.left, now)) {
                continue;
            }
            if (now.loss != c.loss || now.saved != c.saved) {
                m_queue.push(now);
                continue;
            }
            Apply(c.left);
        }
        return m_alive;
    }

    std::vector<Segment> Ranges() const {
        std::vector<Segment> ranges;
        ranges.reserve(m_alive);
        for (std::int32_t i = m_nodes.empty() ? -1 : 0; i >= 0; i = m_nodes[i].next) {
            const Node& node = m_nodes[i];
            Segment s;
            s.start = node.start;
            s.end = node.end;
            s.value = node.rep;
            s.pinned = node.pinned;
            s.special = node.special;
            ranges.push_back(s);
        }
        return ranges;
    }

  private:
    static std::vector<Candidate> Reserved(std::size_t count) {
        std::vector<Candidate> storage;
        storage.reserve(count);
        return storage;
    }

    // Plans the merge of left with its next neighbour into m_plan; false when it is not allowed.
    bool Evaluate(std::int32_t left, Candidate& candidate) {
        if (left < 0) {
            return false;
        }
        const std::int32_t right = m_nodes[left].next;
        if (right < 0) {
            return false;
        }
        const Node& l = m_nodes[left];
        const Node& r = m_nodes[right];
        // Ranges with a gap between them cannot be joined without covering the gap.
        if (l.end + 1 != r.start) {
            return false;
        }
        if (!PlanMerge(l, r, m_options, m_plan)) {
            return false;
        }
        auto joins = [&](std::int32_t other, bool before) {
            if (other < 0) {
                return false;
            }
            const Node& o = m_nodes[other];
            const bool adjacent = before ? o.end + 1 == l.start : r.end + 1 == o.start;
            return adjacent && !o.special && o.rep == m_plan.rep;
        };
        candidate.loss = m_plan.loss;
        candidate.saved = joins(l.prev, true) || joins(r.next, false) ? 2 : 1;
        candidate.left = left;
        candidate.leftVersion = l.version;
        candidate.rightVersion = r.version;
        return true;
    }

    void Offer(std::int32_t left) {
        Candidate candidate;
        if (Evaluate(left, candidate)) {
            m_queue.push(candidate);
        }
    }

    // Merges left with its next neighbour as m_plan (just evaluated for them) says.
    void Apply(std::int32_t left) {
        Node& l = m_nodes[left];
        Node& r = m_nodes[l.next];
        l.end = r.end;
        l.size += r.size;
        l.rep = m_plan.rep;
        l.matched = m_plan.matched;
        l.pinned |= r.pinned;
        l.next = r.next;
        if (r.next >= 0) {
            m_nodes[r.next].prev = left;
        }
        r.alive = false;
        ++l.version;
        --m_alive;
        // Pairs next to the merged range may now save more (or less) than when queued.
        const std::int32_t before = l.prev;
        Offer(before);
        Offer(left);
        if (before >= 0) {
            Offer(m_nodes[before].prev);
        }
        if (m_nodes[left].next >= 0) {
            Offer(m_nodes[left].next);
        }
    }

    std::vector<Node> m_nodes;
    CoarsenOptions m_options;
    Plan m_plan;
    std::priority_queue<Candidate, std::vector<Candidate>, LaterFirst> m_queue;
    std::size_t m_alive = 0;
};

}  // namespace

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

bool Coarsen(const std::vector<Segment>& segments, const CoarsenOptions& options,
             std::vector<Segment>& coarse) {
    Merger merger(segments, options);
    const std::size_t left = merger.MergeDownTo(options.maxRanges);
    coarse = merger.Ranges();
    RefineBoundaries(segments, options, coarse);
    return left <= options.maxRanges;
}

void RefineBoundaries(const std::vector<Segment>& fine, const CoarsenOptions& options,
                      std::vector<Segment>& coarse) {
    if (coarse.size() < 2) {
        return;
    }
    // first[c]: index of the first fine segment inside coarse[c]; first[coarse.size()] ends it.
    std::vector<std::size_t> first(coarse.size() + 1, fine.size());
    for (std::size_t i = 0, c = 0; i < fine.size(); ++i) {
        while (coarse[c].end < fine[i].start) {
            ++c;
        }
        if (first[c] == fine.size()) {
            first[c] = i;
        }
    }
    // What a fine segment keeps inside a range with the values of side, or nothing when it may
    // not lie there (another known country, a pinned value the side does not hold).
    auto score = [&](const Segment& piece, const Segment& side) -> std::optional<std::int64_t> {
        if (!MayLieIn(piece, side.value)) {
            return std::nullopt;
        }
        return KeptInRange(piece, side.value, options);
    };
    std::vector<std::int64_t> before;
    std::vector<std::int64_t> after;
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
            // before[k]: what the segments begin..begin+k-1 keep on the left side; after[k]: what
            // begin+k..end-1 keep on the right; kNone where some segment may not lie there.
            constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::min();
            const std::size_t count = end - begin;
            before.assign(count + 1, 0);
            after.assign(count + 1, 0);
            for (std::size_t k = 0; k < count; ++k) {
                const auto kept = score(fine[begin + k], l);
                before[k + 1] = before[k] == kNone || !kept ? kNone : before[k] + *kept;
            }
            for (std::size_t k = count; k-- > 0;) {
                const auto kept = score(fine[begin + k], r);
                after[k] = after[k + 1] == kNone || !kept ? kNone : after[k + 1] + *kept;
            }
            // Cuts that leave both sides a segment and no gap; the current one wins ties.
            const std::size_t current = first[c + 1] - begin;
            std::size_t best = current;
            std::int64_t bestKept = before[current] + after[current];
            for (std::size_t k = 1; k < count; ++k) {
                if (before[k] == kNone || after[k] == kNone ||
                    fine[begin + k - 1].end + 1 != fine[begin + k].start) {
                    continue;
                }
                if (before[k] + after[k] > bestKept) {
                    best = k;
                    bestKept = before[k] + after[k];
                }
            }
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
