#include "tools/dbpipeline/asn_mmdb.h"

#include <functional>
#include <map>

#include "tools/dbpipeline/record_walk.h"

namespace quorvane::dbpipeline {

bool ReadAsnMmdb(MmdbReader& mmdb, std::vector<AsnRange>& ranges, std::string& error) {
    ranges.clear();
    std::vector<std::string> organisations;
    std::map<std::string, std::string> fields;
    const auto walk = [&](const std::function<void(const MmdbBlock&)>& sink) {
        return mmdb.ForEachIpv4Block(sink, error);
    };
    const bool walked = WalkRecordsOnce<MmdbBlock>(
        walk,
        [&](std::uint32_t dataOffset, std::string& decodeError) {
            if (!mmdb.ReadStringFields(dataOffset, fields, decodeError)) {
                return false;
            }
            organisations.push_back(fields["autonomous_system_organization"]);
            return true;
        },
        [&](const MmdbBlock& block, std::uint32_t record) {
            if (!organisations[record].empty()) {
                ranges.push_back({block.start, block.end, organisations[record]});
            }
        },
        error);
    if (!walked) {
        return false;
    }
    if (ranges.empty()) {
        error = "no record carries autonomous_system_organization: not an ASN database";
        return false;
    }
    return true;
}

}  // namespace quorvane::dbpipeline
