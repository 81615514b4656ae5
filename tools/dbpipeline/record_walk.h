// The IPv4 blocks of a MaxMind DB file with each distinct data record decoded once: records are
// shared by many blocks (a city's record by all of its networks).
#ifndef QUORVANE_TOOLS_DBPIPELINE_RECORD_WALK_H_
#define QUORVANE_TOOLS_DBPIPELINE_RECORD_WALK_H_

#include <cstdint>
#include <functional>
#include <string>

#include "tools/dbpipeline/mmdb_reader.h"

namespace quorvane::dbpipeline {

// Walks the blocks in ascending order. The first time a block's data record is met, calls
// decode with the record's offset (it returns false with error set to stop the walk); then calls
// block with the block and the record's ordinal, counted from 0 in the order of first meeting.
// False with error set on a malformed tree or when decode fails.
// REQUIRES: mmdb opened.
bool WalkRecordsOnce(
    MmdbReader& mmdb,
    const std::function<bool(std::uint32_t dataOffset, std::string& error)>& decode,
    const std::function<void(const MmdbBlock&, std::uint32_t ordinal)>& block, std::string& error);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_RECORD_WALK_H_
