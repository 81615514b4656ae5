/* The layout of an ip2region.db file, for everything that reads or writes one: the engine, the
 * database writer and checker, the fuzzer and the tests. Internal: it is not installed, since a
 * program that searches through the engine never needs it.
 *
 * A file holds, in this order: the bounds (offsets of the first and the last index entry), the
 * header index (up to 1,024 entries of start address and index offset, zero-filled after the
 * last), then data records and the index, wherever the bounds and entries say. Every integer is an
 * unsigned 32-bit little-endian value; a data pointer packs a record's length into its top 8 bits
 * and its offset into the low 24. A data record is its record number followed by its text. */
#ifndef QUORVANE_REGION_REGION_FORMAT_H_
#define QUORVANE_REGION_REGION_FORMAT_H_

#include <stdint.h>

#ifdef __cplusplus
namespace quorvane::format {
#endif

enum {
    kBoundsSize = 8,
    kHeaderOffset = 8,
    kHeaderBlockSize = 8192,
    kHeaderEntrySize = 8,
    kMaxHeaderEntries = kHeaderBlockSize / kHeaderEntrySize, /* 1,024 */
    kIndexEntrySize = 12,
    /* Two neighbouring header entries point at index entries at most this many entries apart, so
     * that the stretch between them, both ends included, fits an 8,192-byte read. */
    kMaxHeaderSpacing = kHeaderBlockSize / kIndexEntrySize - 1, /* 681 */
    /* The most index entries a full header index at full spacing can reach. */
    kMaxRanges = (kMaxHeaderEntries - 1) * kMaxHeaderSpacing + 1,
    kRecordHeaderSize = 4, /* the record number */
    kMinRecordLength = kRecordHeaderSize,
    kMaxRecordLength = 255,
    kMaxTextBytes = kMaxRecordLength - kRecordHeaderSize, /* 251 */
    kMaxDataOffset = 1 << 24,                             /* data offsets lie below this */
    /* First byte after the bounds and the header index: the earliest place for other blocks. */
    kFixedBlocksEnd = kHeaderOffset + kHeaderBlockSize /* 8,200 */
};

/* The one decoder of the file's integers: little-endian whatever the host. Compilers turn this
 * pattern into a single load on little-endian machines. */
static inline uint32_t ReadU32(const unsigned char* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

static inline void WriteU32(unsigned char* p, uint32_t value) {
    p[0] = (unsigned char)value;
    p[1] = (unsigned char)(value >> 8);
    p[2] = (unsigned char)(value >> 16);
    p[3] = (unsigned char)(value >> 24);
}

static inline uint32_t DataPointerOffset(uint32_t pointer) {
    return pointer & 0x00FFFFFFu;
}

static inline uint32_t DataPointerLength(uint32_t pointer) {
    return pointer >> 24;
}

/* REQUIRES: length <= 255 and offset < kMaxDataOffset. */
static inline uint32_t MakeDataPointer(uint32_t length, uint32_t offset) {
    return length << 24 | offset;
}

#ifdef __cplusplus
}  // namespace quorvane::format
#endif

#endif /* QUORVANE_REGION_REGION_FORMAT_H_ */
