#include "tools/dbpipeline/coarsen.h"

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
    std::uint32_t left_version;
    std::uint32_t right_version;
};

struct LaterFirst {
    bool operator()(const Candidate& a, const Candidate& b) const {
        // Least loss per range removed first.
        const std::uint64_t ka = a.loss * b.saved;
        const std::uint64_t kb = b.loss * a.saved;
        if (ka != kb)
            return ka > kb;
        return a.left > b.left;
    }
};

// Picks the side that keeps field f. eligible_left / eligible_right say which sides may give it
// (the city must come from a side whose province was kept). Returns false when the merge is not
// allowed (both sides pin different values).
bool ChooseField(const Node& l, const Node& r, int f, bool eligible_left, bool eligible_right,
                 Plan& plan, std::uint64_t& lost) {
    const std::uint32_t a = l.rep[f];
    const std::uint32_t b = r.rep[f];
    if (a == b) {
        plan.rep[f] = a;
        plan.matched[f] = l.matched[f] + r.matched[f];
        lost = 0;
        return true;
    }
    const bool pin_l = (l.pinned >> f) & 1;
    const bool pin_r = (r.pinned >> f) & 1;
    bool take_left;
    if (pin_l && pin_r)
        return false;
    if (pin_l) {
        take_left = true;
    } else if (pin_r) {
        take_left = false;
    } else if (eligible_left != eligible_right) {
        take_left = eligible_left;
    } else if (l.matched[f] != r.matched[f]) {
        take_left = l.matched[f] > r.matched[f];
    } else {
        take_left = l.size >= r.size;
    }
    const Node& keep = take_left ? l : r;
    const Node& drop = take_left ? r : l;
    plan.rep[f] = keep.rep[f];
    plan.matched[f] = keep.matched[f];
    lost = drop.matched[f];
    return true;
}

bool PlanMerge(const Node& l, const Node& r, const CoarsenOptions& options, Plan& plan) {
    if (l.special || r.special)
        return false;
    const std::uint32_t cl = l.rep[kCountry];
    const std::uint32_t cr = r.rep[kCountry];
    if (cl != 0 && cr != 0 && cl != cr)
        return false;
    // A range pinned to "no country" cannot take in addresses that have one.
    if ((cl == 0 && cr != 0 && (l.pinned & 1)) || (cr == 0 && cl != 0 && (r.pinned & 1)))
        return false;
    std::uint64_t lost = 0;
    std::uint64_t loss = 0;
    if (!ChooseField(l, r, kCountry, true, true, plan, lost))
        return false;
    if ((cl == 0) != (cr == 0))
        loss += (cl == 0 ? l.size : r.size) / options.invent_divisor;
    if (!ChooseField(l, r, kProvince, true, true, plan, lost))
        return false;
    loss += lost * options.weight[kProvince];
    const std::uint32_t province = plan.rep[kProvince];
    const bool city_left = l.rep[kProvince] == province || l.rep[kProvince] == 0;
    const bool city_right = r.rep[kProvince] == province || r.rep[kProvince] == 0;
    if (!ChooseField(l, r, kCity, city_left, city_right, plan, lost))
        return false;
    loss += lost * options.weight[kCity];
    if (!ChooseField(l, r, kProvider, true, true, plan, lost))
        return false;
    loss += lost * options.weight[kProvider];
    plan.loss = loss;
    return true;
}

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

bool Coarsen(const std::vector<Segment>& segments, const CoarsenOptions& options,
             std::vector<Segment>& coarse) {
    const std::size_t n = segments.size();
    std::vector<Node> nodes(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Segment& s = segments[i];
        Node& node = nodes[i];
        node.start = s.start;
        node.end = s.end;
        node.rep = s.value;
        node.size = std::uint64_t{s.end} - s.start + 1;
        for (int f = 0; f < kFieldCount; ++f)
            node.matched[f] = s.value[f] != 0 ? node.size : 0;
        node.prev = static_cast<std::int32_t>(i) - 1;
        node.next = i + 1 < n ? static_cast<std::int32_t>(i + 1) : -1;
        node.version = 0;
        node.pinned = s.pinned;
        node.special = s.special;
        node.alive = true;
    }

    std::vector<Candidate> storage;
    storage.reserve(n);
    std::priority_queue<Candidate, std::vector<Candidate>, LaterFirst> queue(LaterFirst{},
                                                                             std::move(storage));
    Plan plan;
    // Plans the merge of left with its next neighbour; false when it is not allowed.
    auto evaluate = [&](std::int32_t left, Candidate& candidate) {
        if (left < 0)
            return false;
        const std::int32_t right = nodes[left].next;
        if (right < 0)
            return false;
        const Node& l = nodes[left];
        const Node& r = nodes[right];
        // Ranges with a gap between them cannot be joined without covering the gap.
        if (l.end + 1 != r.start)
            return false;
        if (!PlanMerge(l, r, options, plan))
            return false;
        auto joins = [&](std::int32_t other, bool before) {
            if (other < 0)
                return false;
            const Node& o = nodes[other];
            const bool adjacent = before ? o.end + 1 == l.start : r.end + 1 == o.start;
            return adjacent && !o.special && o.rep == plan.rep;
        };
        candidate.loss = plan.loss;
        candidate.saved = joins(l.prev, true) || joins(r.next, false) ? 2 : 1;
        candidate.left = left;
        candidate.left_version = l.version;
        candidate.right_version = r.version;
        return true;
    };
    auto offer = [&](std::int32_t left) {
        Candidate candidate;
        if (evaluate(left, candidate))
            queue.push(candidate);
    };
    for (std::size_t i = 0; i + 1 < n; ++i)
        offer(static_cast<std::int32_t>(i));

    std::size_t alive = n;
    while (alive > options.max_ranges && !queue.empty()) {
        const Candidate c = queue.top();
        queue.pop();
        Node& l = nodes[c.left];
        if (!l.alive || l.version != c.left_version || l.next < 0 ||
            nodes[l.next].version != c.right_version)
            continue;
        // A neighbour of the pair may have changed since the candidate was queued, which changes
        // what the merge saves: queue it again with its current value instead.
        Candidate now;
        if (!evaluate(c.left, now))
            continue;
        if (now.loss != c.loss || now.saved != c.saved) {
            queue.push(now);
            continue;
        }
        Node& r = nodes[l.next];
        l.end = r.end;
        l.size += r.size;
        l.rep = plan.rep;
        l.matched = plan.matched;
        l.pinned |= r.pinned;
        l.next = r.next;
        if (r.next >= 0)
            nodes[r.next].prev = c.left;
        r.alive = false;
        ++l.version;
        --alive;
        // Pairs next to the merged range may now save more (or less) than when queued.
        const std::int32_t before = l.prev;
        offer(before);
        offer(c.left);
        if (before >= 0)
            offer(nodes[before].prev);
        if (l.next >= 0)
            offer(l.next);
    }

    coarse.clear();
    coarse.reserve(alive);
    for (std::int32_t i = n > 0 ? 0 : -1; i >= 0; i = nodes[i].next) {
        const Node& node = nodes[i];
        Segment s;
        s.start = node.start;
        s.end = node.end;
        s.value = node.rep;
        s.pinned = node.pinned;
        s.special = node.special;
        coarse.push_back(s);
    }
    return alive <= options.max_ranges;
}

Coverage MeasureCoverage(const std::vector<Segment>& fine, const std::vector<Segment>& coarse,
                         const std::function<bool(const Segment&)>& counts) {
    Coverage coverage;
    std::size_t j = 0;
    for (const Segment& s : fine) {
        while (j < coarse.size() && coarse[j].end < s.start)
            ++j;
        if (counts && !counts(s)) {
            continue;
        }
        const std::uint64_t size = std::uint64_t{s.end} - s.start + 1;
        for (int f = 0; f < kFieldCount; ++f) {
            if (s.value[f] == 0)
                continue;
            coverage.with_value[f] += size;
            if (j < coarse.size() && coarse[j].start <= s.start && coarse[j].value[f] == s.value[f])
                coverage.kept[f] += size;
        }
    }
    return coverage;
}

}  // namespace quorvane::dbpipeline
