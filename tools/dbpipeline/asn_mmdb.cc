#include "tools/dbpipeline/asn_mmdb.h"

#include <functional>
#include <map>

#include "tools/dbpipeline/record_walk.h"

namespace quorvane::dbpipeline {

namespace {

// The ranges of one family: walk runs the reader's walk of that family with a sink.
template <typename Block, typename Range, typename Walk>
bool ReadAsnBlocks(MmdbReader& mmdb, const Walk& walk, std::vector<Range>& ranges,
                   std::string& error) {
    ranges.clear();
    std::vector<std::string> organisations;
    std::map<std::string, std::string> fields;
    return WalkRecordsOnce<Block>(
        walk,
        [&](std::uint32_t dataOffset, std::string& decodeError) {
            if (!mmdb.ReadStringFields(dataOffset, fields, decodeError)) {
                return false;
            }
            organisations.push_back(fields["autonomous_system_organization"]);
            return true;
        },
        [&](const Block& block, std::uint32_t record) {
            if (!organisations[record].empty()) {
                ranges.push_back({block.start, block.end, organisations[record]});
            }
        },
        error);
}

}  // namespace

bool ReadAsnMmdb(MmdbReader& mmdb, std::vector<AsnRange>& ranges, std::string& error) {
    const auto walk = [&](const std::function<void(const MmdbBlock&)>& sink) {
        return mmdb.ForEachIpv4Block(sink, error);
    };
    if (!ReadAsnBlocks<MmdbBlock>(mmdb, walk, ranges, error)) {
        return false;
    }
    if (ranges.empty()) {
        error = "no record carries autonomous_system_organization: not an ASN database";
        return false;
    }
    return true;
}

bool ReadAsnMmdb6(MmdbReader& mmdb, std::vector<AsnRange6>& ranges, std::string& error) {
    if (!mmdb.HoldsIpv6()) {
        ranges.clear();
        return true;
    }
    const auto walk = [&](const std::function<void(const MmdbBlock6&)>& sink) {
        return mmdb.ForEachIpv6Block(sink, error);
    };
    return ReadAsnBlocks<MmdbBlock6>(mmdb, walk, ranges, error);
}

}  // namespace quorvane::dbpipeline
