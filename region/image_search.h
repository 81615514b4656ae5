/* Internal to the engine and to programs built from its sources (the SQL extension): the memory
 * search over a whole database file held in memory, either the engine's own image or a read-only
 * mapping that the caller holds and several processes share. Not part of the shared library's
 * interface, which exports only the eleven functions of <quorvane/region.h>. */
#ifndef QUORVANE_REGION_IMAGE_SEARCH_H_
#define QUORVANE_REGION_IMAGE_SEARCH_H_

#include <stddef.h>
#include <stdint.h>

#include <quorvane/region.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A first-level table of an index by the top bits of an address (a slice; 16 bits, so 65,536
 * slices, in the product): for each slice, how many entries start below it and the data_pointer
 * of the one entry that covers all of it (else 0), side by side so that a lookup touches one cache
 * line of the table. With it a search halves only the few entries of its own slice, or none. */
#ifndef QUORVANE_REGION_SLICE_SHIFT
/* The fuzz build sets 24 (256 slices): its inputs are small databases, and filling a half-megabyte
 * table for each would leave little time for the searches. */
#define QUORVANE_REGION_SLICE_SHIFT 16
#endif
enum {
    kRegionSliceShift = QUORVANE_REGION_SLICE_SHIFT,
    kRegionSliceCount = 1 << (32 - kRegionSliceShift),
    kRegionSliceTableBytes = (kRegionSliceCount + 1) * 8
};

/* Fills table for the count index entries at entries and returns 1, or returns 0 when their start
 * addresses are not in ascending order: the table describes only a sorted index, and any other is
 * searched without one.
 * REQUIRES: entries holds count * 12 readable bytes; table holds kRegionSliceTableBytes, aligned
 * for uint32_t. */
int RegionBuildSliceTable(const unsigned char* entries, uint32_t count, uint32_t* table);

/* The data pointer of the record that RegionSearchImage would fill its result from for address,
 * or 0 where it would return 0. A pointer returned names a record of at least 4 bytes that lies
 * wholly inside the image, so its text can be read straight from the image; callers that want
 * only a record's identity (the batch lookups, which keep the decoded fields of each record)
 * skip the copy. Same arguments and REQUIRES as RegionSearchImage. */
uint32_t RegionFindRecord(const unsigned char* image, uint64_t size, uint32_t first_index_offset,
                          uint32_t last_index_offset, const uint32_t* slices, uint32_t address);

/* RegionFindRecord for count addresses at once: pointers[i] receives the answer for addresses[i].
 * The same answers, in less time per address: the searches advance side by side, so the cache
 * misses of one overlap with those of the others instead of following one another.
 * REQUIRES: as for RegionFindRecord; addresses and pointers hold count elements. */
void RegionFindRecords(const unsigned char* image, uint64_t size, uint32_t first_index_offset,
                       uint32_t last_index_offset, const uint32_t* slices,
                       const uint32_t* addresses, uint32_t* pointers, size_t count);

/* Fills result from the data record at record, length bytes long: its record_number, then its
 * text ended by a zero byte. Reads nothing past the record and writes nothing past the zero byte.
 * REQUIRES: length is at least 4 and at most 255 (the most a data pointer names); the record's
 * bytes are readable. */
void RegionFillResult(const unsigned char* record, uint32_t length, region_result* result);

/* Finds the range that covers address in the index that runs from first_index_offset through
 * last_index_offset of image (size bytes) and fills result from its data record. Returns 1 when
 * found, 0 for a miss or for anything that would read outside the image (reversed bounds, an
 * index or a record past the end, a record shorter than 4 bytes); result is then untouched.
 * REQUIRES: image holds size readable bytes; slices is NULL or a table that
 * RegionBuildSliceTable filled (returning 1) for exactly this index. */
int RegionSearchImage(const unsigned char* image, uint64_t size, uint32_t first_index_offset,
                      uint32_t last_index_offset, const uint32_t* slices, uint32_t address,
                      region_result* result);

#ifdef __cplusplus
}
#endif

#endif /* QUORVANE_REGION_IMAGE_SEARCH_H_ */
