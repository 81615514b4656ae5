// Providers from an ASN database in the MaxMind DB format (GeoLite2-ASN and its kin), in place of
// the AS number table.
#ifndef QUORVANE_TOOLS_DBPIPELINE_ASN_MMDB_H_
#define QUORVANE_TOOLS_DBPIPELINE_ASN_MMDB_H_

#include <string>
#include <vector>

#include "tools/dbpipeline/mmdb_reader.h"
#include "tools/dbpipeline/sources.h"

namespace quorvane::dbpipeline {

// Walks the IPv4 blocks and returns one range per block whose record carries a non-empty
// "autonomous_system_organization", in ascending order; blocks without one are left out. False
// with error set on a malformed file, or when no record carries the field (the file is no ASN
// database).
// REQUIRES: mmdb opened.
bool ReadAsnMmdb(MmdbReader& mmdb, std::vector<AsnRange>& ranges, std::string& error);

// ReadAsnMmdb over the IPv6 blocks (the IPv4 part and its aliases left out, see
// ForEachIpv6Block). An IPv4 file, or one with no IPv6 block carrying the field, gives no ranges
// and succeeds: ReadAsnMmdb has already told whether the file is an ASN database.
// REQUIRES: mmdb opened.
bool ReadAsnMmdb6(MmdbReader& mmdb, std::vector<AsnRange6>& ranges, std::string& error);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_ASN_MMDB_H_
