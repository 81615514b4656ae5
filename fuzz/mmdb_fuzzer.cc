// Feeds arbitrary bytes to the database pipeline's MaxMind DB reader. Beyond the sanitizers'
// checks (and libFuzzer's limit on single allocations, which catches sizes taken from the file
// on trust) it asserts that the blocks come in ascending order without overlap and that each
// names data inside the data section.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "tools/dbpipeline/mmdb_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvane::dbpipeline::MmdbReader reader(std::vector<std::uint8_t>(data, data + size));
    std::string error;
    if (!reader.Open(error)) {
        return 0;
    }
    std::vector<quorvane::dbpipeline::MmdbBlock> blocks;
    const bool walked = reader.ForEachIpv4Block(
        [&](const quorvane::dbpipeline::MmdbBlock& block) {
            if (block.start > block.end || (!blocks.empty() && block.start <= blocks.back().end)) {
                std::abort();
            }
            if (blocks.size() < 64) {
                blocks.push_back(block);
            }
        },
        error);
    if (!walked) {
        return 0;
    }
    std::map<std::string, std::string> fields;
    for (const auto& block : blocks) {
        reader.ReadStringFields(block.dataOffset, fields, error);
    }
    return 0;
}
