/* The region databases of one server process, one per address family (ip2region.db for IPv4,
 * region6.db for IPv6): each read whole into the process's private memory and checked on first
 * use, read anew when its path setting changes, kept until the process ends. The two are opened
 * apart, so a broken file of one family never stops lookups of the other.
 * Private memory rather than a mapping: a file may be replaced or rewritten in place while the
 * server runs (a cp over it is the natural mistake), and neither may crash a backend or change
 * its answers; a process sees a new file when its setting changes or it starts. */
#ifndef QUORVANE_POSTGRES_DATABASE_H_
#define QUORVANE_POSTGRES_DATABASE_H_

#include <stdbool.h>
#include <stdint.h>

#include <quorvane/region.h>

/* Makes path the open IPv4 database unless it already is. A file that cannot be opened or that is
 * no IPv4 region database raises an ERROR naming the path; the database open before stays open.
 * Never waits on a named pipe.
 * REQUIRES: path is not NULL. */
void QuorvaneDatabaseUse(const char* path);

/* QuorvaneDatabaseUse for the IPv6 database (a region6.db file). */
void QuorvaneDatabase6Use(const char* path);

/* Searches the open IPv4 database (address in host order); false when no range covers the
 * address. The text filled is valid UTF-8 (the open checked every record).
 * REQUIRES: QuorvaneDatabaseUse has succeeded in this process. */
bool QuorvaneDatabaseSearch(uint32_t address, region_result* result);

/* QuorvaneDatabaseSearch for an IPv6 address (16 bytes, network order) in the IPv6 database.
 * REQUIRES: QuorvaneDatabase6Use has succeeded in this process. */
bool QuorvaneDatabaseSearch6(const unsigned char address[16], region_result* result);

#endif /* QUORVANE_POSTGRES_DATABASE_H_ */
