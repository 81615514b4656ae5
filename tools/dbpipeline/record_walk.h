// The blocks of a MaxMind DB file with each distinct data record decoded once: records are shared
// by many blocks (a city's record by all of its networks).
#ifndef QUORVANE_TOOLS_DBPIPELINE_RECORD_WALK_H_
#define QUORVANE_TOOLS_DBPIPELINE_RECORD_WALK_H_

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

#include "tools/dbpipeline/mmdb_reader.h"

namespace quorvane::dbpipeline {

// Walks the blocks through walk (a callable that takes a sink for Block, MmdbBlock or MmdbBlock6,
// runs one of MmdbReader's ForEach...Block with it and returns its result). The first time a
// block's data record is met, calls decode with the record's offset (it returns false with error
// set to stop the walk); then calls block with the block and the record's ordinal, counted from 0
// in the order of first meeting. False with error set on a malformed tree or when decode fails.
template <typename Block, typename Walk>
bool WalkRecordsOnce(
    const Walk& walk,
    const std::function<bool(std::uint32_t dataOffset, std::string& error)>& decode,
    const std::function<void(const Block&, std::uint32_t ordinal)>& block, std::string& error) {
    std::unordered_map<std::uint32_t, std::uint32_t> ordinalOf;
    bool decodeFailed = false;
    const bool walked = walk(std::function<void(const Block&)>([&](const Block& each) {
        if (decodeFailed) {
            return;
        }
        const auto [it, inserted] =
            ordinalOf.try_emplace(each.dataOffset, static_cast<std::uint32_t>(ordinalOf.size()));
        if (inserted && !decode(each.dataOffset, error)) {
            decodeFailed = true;
            return;
        }
        block(each, it->second);
    }));
    return walked && !decodeFailed;
}

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_RECORD_WALK_H_
