/* Internal to the engine: the search over a region6.db file held in memory (loaded or mapped by
 * the caller). The layout is checked once, whole, by Region6Open; the searches then read only
 * where that check has proved the file's own offsets lie. */
#ifndef QUORVANE_REGION_REGION6_SEARCH_H_
#define QUORVANE_REGION_REGION6_SEARCH_H_

#include <stddef.h>
#include <stdint.h>

#include "region6_format.h" /* REGION6_NO_RECORD */

/* The compact copy's search tree (see Region6Image). */
enum {
    /* Sixteen u64 keys: a node is two cache lines, which a search fetches together, and a level
     * needs four halvings. */
    kRegion6Fanout = 16,
    /* Enough levels for 2^32 ranges at that fanout. */
    kRegion6MaxLevels = 8,
    /* The compact copy keeps its columns and levels on cache-line boundaries, so that a node never
     * straddles a third line. */
    kRegion6Align = 64
};

/* A compact copy's range record: the record index (below 2^30: the text index of a file of at
 * most 4 GiB holds fewer entries) with this bit set when the range's start has a low half that is
 * not zero, which only then needs a look at the side lists. */
#define REGION6_LOW_FLAG 0x80000000u
/* A compact copy's record of a range without data (the flag bit apart). */
#define REGION6_COMPACT_NO_RECORD 0x7FFFFFFFu

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
    uint32_t texts_size;
    /* A compact copy (Region6Compact) has no low column (low is NULL): it keeps the low halves
     * that are not zero, side_count of them, as two ascending lists: the ranges' indexes (u32)
     * and their low halves (u64). Region6Open counts them already, for the copy's size. */
    uint32_t side_count;
    const unsigned char* side_ranges;
    const unsigned char* side_lows;
    /* A compact copy searches its high column through a tree of samples instead of the file's
     * table: level 0 is the high column itself, level k + 1 holds every kRegion6Fanout-th entry
     * of level k (u64), up to a top level of at most kRegion6Fanout entries. level_count is 0 in
     * a file image. In a compact copy each range record also carries REGION6_LOW_FLAG when its
     * start's low half is not zero, and a range without data holds REGION6_COMPACT_NO_RECORD. */
    uint32_t level_count;
    uint32_t level_sizes[kRegion6MaxLevels];
    const unsigned char* levels[kRegion6MaxLevels];
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

/* How many bytes a compact copy of db takes, for Region6Compact's block (alignment included).
 * REQUIRES: Region6Open filled db. */
size_t Region6CompactSize(const Region6Image* db);

/* Copies what the searches read of db into block (Region6CompactSize(db) bytes, any alignment) and
 * fills out to search the copy: the same answers and texts, without the column of low halves,
 * which is almost all zeros (a range starts below a /64 boundary only where a /64 is cut; the
 * shipped file has about 10,000 such starts among four million), and with a tree of samples of the
 * high column in place of the file's table, which a search walks one node (two cache lines) a
 * level. The copy does not depend on db's image, which may be freed.
 * REQUIRES: Region6Open filled db; block holds Region6CompactSize(db) writable bytes; out is not
 * db. */
void Region6Compact(const Region6Image* db, unsigned char* block, Region6Image* out);

/* Region6Compact inside db's own image, when its layout lets the copy be written over it front to
 * back, each part before what is still to be read (so the writer lays it out: the table, the high
 * column, the low column, the range records, the text index and the texts, and the copy fits in
 * what dropping the low column and the table frees): the copy then needs no second block of the
 * image's size. Returns how many bytes from the image's start the compact database takes (the rest
 * may be released; db's pointers lie in them), or 0, changing nothing, when it cannot be done so
 * (another layout, or no memory for the side lists).
 * REQUIRES: Region6Open filled db over a writable image that nothing else reads. */
size_t Region6CompactInPlace(Region6Image* db);

/* Points db, a compact copy, at image: the same bytes moved there (a block that realloc moved).
 * REQUIRES: Region6Compact or Region6CompactInPlace filled db; image holds the bytes db->image
 * held, up to db->size. */
void Region6Move(Region6Image* db, const unsigned char* image);

/* Reads bytes bytes of a file at offset into to: 1, or 0 when they cannot all be read. */
typedef int (*Region6ReadAt)(void* source, uint64_t offset, void* to, size_t bytes);

/* What Region6Load reports. */
enum { kRegion6Loaded = 0, kRegion6Invalid, kRegion6NoMemory, kRegion6ReadFailed };

/* Makes the compact copy of the region6.db file of size bytes that read_at reads from source,
 * without ever holding the file whole: each section is read straight to its place in the copy, and
 * the low column passes through a small buffer. Checks all that Region6Open checks and refuses
 * what it refuses (kRegion6Invalid, with *reason as Region6Open gives it). On success *block is a
 * new block from allocate (to be freed with free()) that out searches; otherwise it is NULL.
 * REQUIRES: allocate returns blocks that free() releases, or NULL. */
int Region6Load(Region6ReadAt read_at, void* source, uint64_t size,
                unsigned char* (*allocate)(size_t), unsigned char** block, Region6Image* out,
                const char** reason);

/* The record index of the range holding address, or REGION6_NO_RECORD.
 * REQUIRES: Region6Open or Region6Compact filled db and its memory is unchanged. */
uint32_t Region6FindRecord(const Region6Image* db, Region6Address address);

/* Region6FindRecord for count addresses at once: records[i] receives the answer for addresses[i].
 * The same answers, in less time per address: the searches advance side by side, so that the
 * cache misses of one overlap with those of the others.
 * REQUIRES: as for Region6FindRecord; addresses and records hold count elements. */
void Region6FindRecords(const Region6Image* db, const Region6Address* addresses, uint32_t* records,
                        size_t count);

/* The text of record (not NUL-terminated) and its length in *length.
 * REQUIRES: Region6Open or Region6Compact filled db; record < db->record_count. */
const unsigned char* Region6RecordText(const Region6Image* db, uint32_t record, size_t* length);

#ifdef __cplusplus
}
#endif

#endif /* QUORVANE_REGION_REGION6_SEARCH_H_ */
