/* The layout of a region6.db file (IPv6 ranges and their region texts), for everything that reads
 * or writes one: the engine's reader, the database writer, the fuzzer and the tests. Internal: it
 * is not installed. docs/region6-format.md describes the same layout for readers written from the
 * page alone.
 *
 * A file holds a 64-byte header, then six sections wherever the header's offsets say:
 *   - the first-level table: for every block of (1 << block_bits) ranges, the high 64 bits of its
 *     first range's start (u64),
 *   - the range starts, as two columns: the high 64 bits of each start (u64), then the low 64
 *     bits of each start (u64). The ranges cover the whole address space in ascending order:
 *     range i runs from its start up to the address before the next start (the last one up to
 *     ffff:...:ffff), and the first starts at ::,
 *   - the record of each range (u32): a record index, or kRegion6NoRecord for addresses without
 *     data,
 *   - the text index: record_count + 1 offsets (u32) into the texts section, ascending; record i's
 *     text is the bytes from entry i up to entry i + 1,
 *   - the texts: UTF-8, without terminators.
 * A search finds its block in the small first-level table, then halves only that block's ranges.
 * Every integer is unsigned little-endian. */
#ifndef QUORVANE_REGION_REGION6_FORMAT_H_
#define QUORVANE_REGION_REGION6_FORMAT_H_

#include <stdint.h>

#ifdef __cplusplus
namespace quorvane::format6 {
#endif

/* "QVR6", then CR LF SUB LF as a PNG file has: a transfer that rewrites line ends or stops at
 * end-of-file characters spoils the magic, not the ranges behind it. */
#define REGION6_MAGIC "QVR6\r\n\x1a\n"

enum {
    kRegion6MagicSize = 8,
    kRegion6Version = 1,
    kRegion6HeaderSize = 64,
    /* Byte offsets of the header's fields (each a u32 after the magic). */
    kRegion6VersionAt = 8,
    kRegion6HeaderSizeAt = 12,
    kRegion6FileSizeAt = 16,
    kRegion6RangeCountAt = 20,
    kRegion6RecordCountAt = 24,
    kRegion6BlockBitsAt = 28,
    kRegion6FencesAt = 32,
    kRegion6HighAt = 36,
    kRegion6LowAt = 40,
    kRegion6RangeRecordAt = 44,
    kRegion6TextIndexAt = 48,
    kRegion6TextsAt = 52,
    kRegion6TextsSizeAt = 56,
    /* 60..63 are zero in version 1. */
    kRegion6ReservedAt = 60,
    /* Blocks of more than 2^16 ranges would leave the first level nothing to narrow. */
    kRegion6MaxBlockBits = 16,
    /* The writer's choice: blocks of 64 ranges. The table of the shipped file (one entry per 64 of
     * its four million ranges, 500 KiB) stays in the second-level cache, and a block's starts take
     * eight cache lines. A table keyed by the address's top bits would not do: the allocated space
     * is so bunched that one /16 holds 650,000 of the ranges. */
    kRegion6BlockBits = 6,
    /* A region text fits the engine's result buffer, as in the IPv4 file. */
    kRegion6MaxTextBytes = 251
};

/* The record of a range that holds no data. Record indexes are below record_count. */
#define REGION6_NO_RECORD 0xFFFFFFFFu

/* The one decoder of the file's integers: little-endian whatever the host. Compilers turn these
 * patterns into single loads on little-endian machines. */
static inline uint32_t Region6ReadU32(const unsigned char* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

static inline uint64_t Region6ReadU64(const unsigned char* p) {
    return (uint64_t)Region6ReadU32(p) | ((uint64_t)Region6ReadU32(p + 4) << 32);
}

static inline void Region6WriteU32(unsigned char* p, uint32_t value) {
    p[0] = (unsigned char)value;
    p[1] = (unsigned char)(value >> 8);
    p[2] = (unsigned char)(value >> 16);
    p[3] = (unsigned char)(value >> 24);
}

static inline void Region6WriteU64(unsigned char* p, uint64_t value) {
    Region6WriteU32(p, (uint32_t)value);
    Region6WriteU32(p + 4, (uint32_t)(value >> 32));
}

#ifdef __cplusplus
}  // namespace quorvane::format6
#endif

#endif /* QUORVANE_REGION_REGION6_FORMAT_H_ */
