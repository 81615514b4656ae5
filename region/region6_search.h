/* Internal to the engine: the search over a region6.db file held in memory (loaded or mapped by
 * the caller). The layout is checked once, whole, by Region6Open; the searches then read only
 * where that check has proved the file's own offsets lie. */
#ifndef QUORVANE_REGION_REGION6_SEARCH_H_
#define QUORVANE_REGION_REGION6_SEARCH_H_

#include <stddef.h>
#include <stdint.h>

#include "region6_format.h" /* REGION6_NO_RECORD */

#ifdef __cplusplus
extern "C" {
#endif

/* An IPv6 address as two halves: high holds the first 64 bits (the first four groups of its text),
 * low the last 64. Ordered as the pair (high, low). */
typedef struct {
    uint64_t high;
    uint64_t low;
} Region6Address;

/* A checked region6.db image: where each section lies. Filled by Region6Open; valid while the
 * image it was opened on stays in place and unchanged. */
typedef struct {
    const unsigned char* image;
    size_t size;
    uint32_t range_count;
    uint32_t record_count;
    uint32_t block_bits;
    uint32_t fence_count;
    const unsigned char* fences;
    const unsigned char* high;
    const unsigned char* low;
    const unsigned char* range_records;
    const unsigned char* text_index;
    const unsigned char* texts;
} Region6Image;

/* Whether image starts with the region6.db magic: how the engine tells the IPv6 file from the IPv4
 * one before checking either. */
int Region6HasMagic(const unsigned char* image, size_t size);

/* Checks the whole layout of image (size bytes) and fills out: the magic, version and header; every
 * section inside the image; the ranges starting at :: in strictly ascending order; every range's
 * record below record_count or REGION6_NO_RECORD; the text index ascending and ending at the texts'
 * size; every text valid UTF-8 without NUL of at most kRegion6MaxTextBytes bytes; the first-level
 * table holding exactly the high half of each block's first start. Returns 1, or 0 with *reason
 * (when reason is not NULL) set to a static English sentence saying what is wrong; out is then
 * unspecified. Takes time linear in the ranges and texts.
 * REQUIRES: image holds size readable bytes. */
int Region6Open(const unsigned char* image, size_t size, Region6Image* out, const char** reason);

/* The record index of the range holding address, or REGION6_NO_RECORD.
 * REQUIRES: Region6Open filled db and its image is unchanged. */
uint32_t Region6FindRecord(const Region6Image* db, Region6Address address);

/* Region6FindRecord for count addresses at once: records[i] receives the answer for addresses[i].
 * The same answers, in less time per address: the searches advance side by side, so that the
 * cache misses of one overlap with those of the others.
 * REQUIRES: as for Region6FindRecord; addresses and records hold count elements. */
void Region6FindRecords(const Region6Image* db, const Region6Address* addresses, uint32_t* records,
                        size_t count);

/* The text of record (not NUL-terminated) and its length in *length.
 * REQUIRES: Region6Open filled db; record < db->record_count. */
const unsigned char* Region6RecordText(const Region6Image* db, uint32_t record, size_t* length);

#ifdef __cplusplus
}
#endif

#endif /* QUORVANE_REGION_REGION6_SEARCH_H_ */
