#include "tools/dbpipeline/asn_mmdb.h"

#include <map>
#include <unordered_map>

namespace quorvane::dbpipeline {

bool ReadAsnMmdb(MmdbReader& mmdb, std::vector<AsnRange>& ranges, std::string& error) {
    ranges.clear();
    // Records are shared by many blocks: each is decoded once.
    std::unordered_map<std::uint32_t, std::string> organisationAt;
    std::map<std::string, std::string> fields;
    bool decodeFailed = false;
    const bool walked = mmdb.ForEachIpv4Block(
        [&](const MmdbBlock& block) {
            if (decodeFailed) {
                return;
            }
            auto found = organisationAt.find(block.dataOffset);
            if (found == organisationAt.end()) {
                if (!mmdb.ReadStringFields(block.dataOffset, fields, error)) {
                    decodeFailed = true;
                    return;
                }
                found = organisationAt
                            .emplace(block.dataOffset, fields["autonomous_system_organization"])
                            .first;
            }
            if (!found->second.empty()) {
                ranges.push_back({block.start, block.end, found->second});
            }
        },
        error);
    if (!walked || decodeFailed) {
        return false;
    }
    if (ranges.empty()) {
        error = "no record carries autonomous_system_organization: not an ASN database";
        return false;
    }
    return true;
}

}  // namespace quorvane::dbpipeline
