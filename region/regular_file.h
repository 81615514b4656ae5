/* Opening the database file for the engine. Internal to the library. */
#ifndef QUORVANE_REGION_REGULAR_FILE_H_
#define QUORVANE_REGION_REGULAR_FILE_H_

#include <stdint.h>
#include <stdio.h>

/* Every offset of the format is 32 bits wide: a larger file can only be damaged or something
 * else, and its image would be read whole into memory. */
#define QUORVANE_MAX_IMAGE_BYTES ((uint64_t)1 << 32)

/* Opens path for reading in binary mode when it names a regular file of at most
 * QUORVANE_MAX_IMAGE_BYTES; NULL otherwise. Never blocks on a named pipe or a device: a pipe
 * would hold the caller until someone writes to it, and a directory or a device has no size that
 * an image could be made of. */
FILE* OpenRegularFile(const char* path);

#endif /* QUORVANE_REGION_REGULAR_FILE_H_ */
