/* The region database of one server process: the file mapped read-only on first use, so that
 * every process of the server shares its pages; mapped anew when the path setting changes, kept
 * until the process ends. The file must be replaced, never rewritten in place, while the server
 * runs. */
#ifndef QUORVANE_POSTGRES_DATABASE_H_
#define QUORVANE_POSTGRES_DATABASE_H_

#include <stdbool.h>
#include <stdint.h>

#include <quorvane/region.h>

/* Makes path the open database unless it already is. A file that cannot be opened or that is not
 * a region database raises an ERROR naming the path; the database open before stays open.
 * REQUIRES: path is not NULL. */
void QuorvaneDatabaseUse(const char* path);

/* Searches the open database; false when no range covers the address.
 * REQUIRES: QuorvaneDatabaseUse has succeeded in this process. */
bool QuorvaneDatabaseSearch(uint32_t address, region_result* result);

#endif /* QUORVANE_POSTGRES_DATABASE_H_ */
