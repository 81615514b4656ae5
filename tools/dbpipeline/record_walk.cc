#include "tools/dbpipeline/record_walk.h"

#include <unordered_map>

namespace quorvane::dbpipeline {

bool WalkRecordsOnce(
    MmdbReader& mmdb,
    const std::function<bool(std::uint32_t dataOffset, std::string& error)>& decode,
    const std::function<void(const MmdbBlock&, std::uint32_t ordinal)>& block, std::string& error) {
    std::unordered_map<std::uint32_t, std::uint32_t> ordinalOf;
    bool decodeFailed = false;
    const bool walked = mmdb.ForEachIpv4Block(
        [&](const MmdbBlock& each) {
            if (decodeFailed) {
                return;
            }
            const auto [it, inserted] = ordinalOf.try_emplace(
                each.dataOffset, static_cast<std::uint32_t>(ordinalOf.size()));
            if (inserted && !decode(each.dataOffset, error)) {
                decodeFailed = true;
                return;
            }
            block(each, it->second);
        },
        error);
    return walked && !decodeFailed;
}

}  // namespace quorvane::dbpipeline
