/* Internal to the engine and to programs built from its sources (the SQL extension): the memory
 * search over a whole database file that the caller holds, such as a read-only mapping shared by
 * several processes. Not part of the shared library's interface, which exports only the eleven
 * functions of <quorvane/region.h>. */
#ifndef QUORVANE_REGION_IMAGE_SEARCH_H_
#define QUORVANE_REGION_IMAGE_SEARCH_H_

#include <stdint.h>

#include <quorvane/region.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Finds the range that covers address in the index that runs from first_index_offset through
 * last_index_offset of image (size bytes) and fills result from its data record. Returns 1 when
 * found, 0 for a miss or for anything that would read outside the image (reversed bounds, an
 * index or a record past the end, a record shorter than 4 bytes); result is then untouched.
 * REQUIRES: image holds size readable bytes. */
int RegionSearchImage(const unsigned char* image, uint64_t size, uint32_t first_index_offset,
                      uint32_t last_index_offset, uint32_t address, region_result* result);

#ifdef __cplusplus
}
#endif

#endif /* QUORVANE_REGION_IMAGE_SEARCH_H_ */
