// Fitting millions of source ranges into the few hundred thousand index entries the database
// format holds: the segments a coarsening works on, the rules every coarse range keeps (two known
// countries never share one, a special range stays alone, pinned values survive, a city stays in
// its province), what a range keeps of the source (weighted per field), and the boundary
// refinement and coverage figures that follow. The coarsening itself is PartitionByPrice
// (priced_partition.h).
#ifndef QUORVANE_TOOLS_DBPIPELINE_COARSEN_H_
#define QUORVANE_TOOLS_DBPIPELINE_COARSEN_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace quorvane::dbpipeline {

enum Field : int { kCountry = 0, kProvince = 1, kCity = 2, kProvider = 3 };
constexpr int kFieldCount = 4;

// A closed range of addresses and its four values as ids into a string pool (0 = no value).
struct Segment {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::array<std::uint32_t, kFieldCount> value{};
    // Bit f set: value[f] must survive coarsening exactly for these addresses.
    std::uint8_t pinned = 0;
    // A special-purpose range: never merged with a neighbour.
    bool special = false;
};

constexpr std::uint8_t kAllFieldsPinned = 0x0F;

// Joins adjacent segments (end + 1 == next start) with the same values and flags. Nothing is
// lost: the result describes every address exactly as before.
void JoinIdentical(std::vector<Segment>& segments);

struct CoarsenOptions {
    // Stop merging once at most this many ranges remain.
    std::size_t maxRanges = 0;
    // Cost of losing one address's value, per field (the country is never lost).
    std::array<std::uint64_t, kFieldCount> weight{0, 10, 3, 3};
    // Giving a country to addresses that have none costs (their count / this) per address
    // group; it keeps unknown space unknown while cheaper merges are left.
    std::uint64_t inventDivisor = 16;
    // The addresses of this country (0: none) count heavierFactor times as much: most lookups are
    // of them.
    std::uint32_t heavierCountry = 0;
    std::uint64_t heavierFactor = 1;
};

// Whether piece may lie in a range with these values: not under another known country, and
// holding every value piece pins.
bool MayLieIn(const Segment& piece, const std::array<std::uint32_t, kFieldCount>& values);

// What piece keeps inside a range with these values: its addresses whose value survives,
// weighted per field, less the cost of giving unknown space a country.
std::int64_t KeptInRange(const Segment& piece, const std::array<std::uint32_t, kFieldCount>& values,
                         const CoarsenOptions& options);

// Moves the boundary between each pair of neighbouring coarse ranges to the place where the fine
// segments of both keep most (as KeptInRange weighs it), the ranges' values unchanged; repeated
// until no boundary moves. A segment never moves into a range of another known country or one
// that lacks a value it pins; special ranges stay as they are.
// REQUIRES: every fine segment lies inside one coarse segment; both sorted and gap-free.
void RefineBoundaries(const std::vector<Segment>& fine, const CoarsenOptions& options,
                      std::vector<Segment>& coarse);

// Share of addresses, per field, whose value survived: counted over the addresses that have a
// value in fine, kept when coarse gives the same value there.
struct Coverage {
    std::array<std::uint64_t, kFieldCount> withValue{};
    std::array<std::uint64_t, kFieldCount> kept{};
    double Percent(int field) const {
        return withValue[field] == 0 ? 100.0 : 100.0 * kept[field] / withValue[field];
    }
};

// When counts is given, only the fine segments it accepts are counted.
// REQUIRES: every fine segment lies inside one coarse segment; both sorted.
Coverage MeasureCoverage(const std::vector<Segment>& fine, const std::vector<Segment>& coarse,
                         const std::function<bool(const Segment&)>& counts = {});

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_COARSEN_H_
