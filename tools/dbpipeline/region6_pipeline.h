// The IPv6 half of the pipeline: region6.db from the IPv6 city source and the IPv6 AS table, with
// the same naming rules as the IPv4 file and no range budget.
#ifndef QUORVANE_TOOLS_DBPIPELINE_REGION6_PIPELINE_H_
#define QUORVANE_TOOLS_DBPIPELINE_REGION6_PIPELINE_H_

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/dbpipeline/chinese_cities.h"
#include "tools/dbpipeline/mmdb_reader.h"
#include "tools/dbpipeline/sources.h"

namespace quorvane::dbpipeline {

struct Region6Sources {
    MmdbReader* mmdb = nullptr;
    const std::map<std::string, std::string>* countryNames = nullptr;
    const ChineseCityTable* cityTable = nullptr;
    const std::vector<AsnRange6>* asn = nullptr;
};

// Builds the image of region6.db from the sources and appends to report its sizes and how far
// the file agrees with the sources, field by field, at addresses drawn (with a fixed seed) inside
// the AS table's rows. False with a message on stderr when a source is malformed or the image
// cannot be built.
bool BuildRegion6Image(const Region6Sources& sources, std::vector<std::uint8_t>& image,
                       std::string& report);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_REGION6_PIPELINE_H_
