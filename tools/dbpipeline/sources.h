// Readers for the provider and country-name sources.
#ifndef QUORVANE_TOOLS_DBPIPELINE_SOURCES_H_
#define QUORVANE_TOOLS_DBPIPELINE_SOURCES_H_

#include <cstdint>
#include <istream>
#include <map>
#include <string>
#include <vector>

#include "tools/dbpipeline/mmdb_reader.h"

namespace quorvane::dbpipeline {

// One row of the AS number table: [start, end] announced by an AS run by organisation.
struct AsnRange {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::string organisation;
};

// Reads CSV rows "start,end,asn,organisation" with decimal addresses; fields may be quoted with
// "" as an escaped quote. Rows are returned sorted by start; a row that overlaps the one before
// it is clipped to the part after it (and dropped when nothing is left), so the result never
// overlaps. False with error "line N: ..." on a malformed row.
bool ReadAsnCsv(std::istream& in, std::vector<AsnRange>& ranges, std::string& error);

// One row of the IPv6 AS number table.
struct AsnRange6 {
    Address6 start = 0;
    Address6 end = 0;
    std::string organisation;
};

// ReadAsnCsv for the IPv6 table: addresses as decimal numbers up to 2^128 - 1.
bool ReadAsnCsv6(std::istream& in, std::vector<AsnRange6>& ranges, std::string& error);

// Reads the "countries" object of a locale file ({"locale": .., "countries": {"CN": "中国",
// "XX": ["name", "alias"], ...}}) into code -> name, taking the first name of a list. False with
// error set on malformed JSON.
bool ReadCountryNames(std::istream& in, std::map<std::string, std::string>& names,
                      std::string& error);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_SOURCES_H_
