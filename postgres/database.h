/* The region database of one server process: read whole into the process's private memory and
 * checked on first use, read anew when the path setting changes, kept until the process ends.
 * Private memory rather than a mapping: the file may be replaced or rewritten in place while the
 * server runs (a cp over it is the natural mistake), and neither may crash a backend or change
 * its answers; a process sees a new file when its setting changes or it starts. */
#ifndef QUORVANE_POSTGRES_DATABASE_H_
#define QUORVANE_POSTGRES_DATABASE_H_

#include <stdbool.h>
#include <stdint.h>

#include <quorvane/region.h>

/* Makes path the open database unless it already is. A file that cannot be opened or that is not
 * a region database raises an ERROR naming the path; the database open before stays open.
 * Never waits on a named pipe.
 * REQUIRES: path is not NULL. */
void QuorvaneDatabaseUse(const char* path);

/* Searches the open database; false when no range covers the address. The text filled is valid
 * UTF-8 (the open checked every record).
 * REQUIRES: QuorvaneDatabaseUse has succeeded in this process. */
bool QuorvaneDatabaseSearch(uint32_t address, region_result* result);

#endif /* QUORVANE_POSTGRES_DATABASE_H_ */
