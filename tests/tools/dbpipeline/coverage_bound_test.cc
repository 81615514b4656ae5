// The coverage bound must never claim less than some valid coarsening reaches: checked against
// every partition of small random inputs, and against the priced split itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

#include "tests/tools/dbpipeline/segment_builder.h"
#include "tools/dbpipeline/coarsen.h"
#include "tools/dbpipeline/coverage_bound.h"
#include "tools/dbpipeline/priced_partition.h"

namespace quorvane::dbpipeline {
namespace {

// The best Percent(field) over every split of fine into at most maxRanges valid ranges, each
// taking the field's most common value; -1 when no split is valid.
double BestByExhaustion(const std::vector<Segment>& fine, int field, std::size_t maxRanges) {
    const std::size_t n = fine.size();
    std::uint64_t total = 0;
    for (const Segment& s : fine) {
        total += s.value[field] != 0 ? std::uint64_t{s.end} - s.start + 1 : 0;
    }
    std::uint64_t best = 0;
    bool any = false;
    for (std::uint32_t cuts = 0; cuts < (1u << (n - 1)); ++cuts) {
        std::size_t ranges = 1;
        std::uint64_t kept = 0;
        bool valid = true;
        std::size_t begin = 0;
        for (std::size_t i = 1; i <= n && valid; ++i) {
            if (i < n && !((cuts >> (i - 1)) & 1)) {
                continue;
            }
            std::uint32_t country = 0;
            std::map<std::uint32_t, std::uint64_t> count;
            for (std::size_t k = begin; k < i; ++k) {
                const Segment& s = fine[k];
                if (s.special && i - begin > 1) {
                    valid = false;
                }
                if (s.value[kCountry] != 0) {
                    if (country != 0 && country != s.value[kCountry]) {
                        valid = false;
                    }
                    country = s.value[kCountry];
                }
                if (s.value[field] != 0) {
                    count[s.value[field]] += std::uint64_t{s.end} - s.start + 1;
                }
            }
            std::uint64_t most = 0;
            for (const auto& [value, addresses] : count) {
                most = std::max(most, addresses);
            }
            kept += most;
            if (i < n) {
                ++ranges;
            }
            begin = i;
        }
        if (valid && ranges <= maxRanges) {
            best = std::max(best, kept);
            any = true;
        }
    }
    if (!any) {
        return -1;
    }
    if (total == 0) {
        return 100.0;
    }
    return 100.0 * static_cast<double>(best) / static_cast<double>(total);
}

TEST(CoverageBound, AlternatingValuesInOneRangeKeepHalf) {
    std::vector<Segment> fine;
    for (std::uint32_t i = 0; i < 4; ++i) {
        fine.push_back(Seg(i * 10, i * 10 + 9, 1, 1 + i % 2, 0, 0));
    }
    EXPECT_NEAR(CoverageUpperBound(fine, kProvince, 1), 50.0, 0.01);
    EXPECT_NEAR(CoverageUpperBound(fine, kProvince, 4), 100.0, 0.01);
    // No city at all: nothing to lose.
    EXPECT_EQ(CoverageUpperBound(fine, kCity, 1), 100.0);
}

TEST(CoverageBound, NeverBelowTheBestSplitNorBelowThePricedSplit) {
    std::mt19937 rng(20261207);
    for (int round = 0; round < 1000; ++round) {
        std::vector<Segment> fine;
        std::uint32_t at = 0;
        const std::size_t n = 2 + rng() % 9;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t size = 1 + rng() % 200;
            Segment s = Seg(at, at + size - 1, rng() % 3, rng() % 4, rng() % 4, rng() % 3);
            s.special = rng() % 12 == 0;
            fine.push_back(s);
            at += size;
        }
        const std::size_t budget = 1 + rng() % n;
        CoarsenOptions options;
        options.maxRanges = budget;
        std::vector<Segment> coarse;
        const bool reached = PartitionByPrice(fine, options, coarse);
        const Coverage merged = MeasureCoverage(fine, coarse);
        for (int field = kProvince; field < kFieldCount; ++field) {
            const double bound = CoverageUpperBound(fine, field, budget);
            const double best = BestByExhaustion(fine, field, budget);
            if (best < 0) {
                break;  // No coarsening exists: any figure is sound.
            }
            ASSERT_LE(bound, 100.0 + 1e-9);
            ASSERT_GE(bound, best - 1e-6) << "round " << round << " field " << field;
            if (reached) {
                ASSERT_GE(bound, merged.Percent(field) - 1e-6)
                    << "round " << round << " field " << field;
            }
        }
    }
}

}  // namespace
}  // namespace quorvane::dbpipeline
