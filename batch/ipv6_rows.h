// What a run needs to know of the IPv6 rows of a list before and after it: whether region6.db is
// worth loading at all (100 MB, read and checked in a few tenths of a second, which a list of
// IPv4 rows should not pay), and how many rows went without it.
#ifndef QUORVANE_BATCH_IPV6_ROWS_H_
#define QUORVANE_BATCH_IPV6_ROWS_H_

#include <cstddef>

#include "batch/address_block.h"

namespace quorvane {

// False only when no row of addresses can be an IPv6 address (none holds a ':').
bool MayHoldIpv6Rows(const CAddressBlock& addresses);

// How many of the first rows of addresses are IPv6 addresses that the IPv6 file answers:
// IPv4-mapped ones answer from the IPv4 file and are not counted.
// REQUIRES: rows <= addresses.Count().
std::size_t CountIpv6Rows(const CAddressBlock& addresses, std::size_t rows);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_IPV6_ROWS_H_
