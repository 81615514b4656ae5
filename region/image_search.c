/* The memory search over a whole file image held in memory: the engine's own image, loaded by the
 * first memory search, or a read-only mapping of the file. Every offset and length taken from the
 * image is checked against its size before it is used. */
#include "image_search.h"

#include <stddef.h>
#include <string.h>

#include "region_format.h"

#if defined(__GNUC__)
#define REGION_PREFETCH(address) __builtin_prefetch(address)
#else
#define REGION_PREFETCH(address) ((void)(address))
#endif

int RegionBuildSliceTable(const unsigned char* entries, uint32_t count, uint32_t* table) {
    uint32_t i;
    for (i = 1; i < count; ++i) {
        if (ReadU32(entries + (size_t)i * kIndexEntrySize) <
            ReadU32(entries + (size_t)(i - 1) * kIndexEntrySize)) {
            return 0;
        }
    }
    i = 0;
    for (uint32_t slice = 0; slice <= kRegionSliceCount; ++slice) {
        uint64_t slice_start = (uint64_t)slice << kRegionSliceShift;
        while (i < count && ReadU32(entries + (size_t)i * kIndexEntrySize) < slice_start) {
            ++i;
        }
        table[2 * slice] = i;
        table[2 * slice + 1] = 0;
    }
    for (uint32_t slice = 0; slice < kRegionSliceCount; ++slice) {
        /* One entry covers the slice when none starts inside it after its first address and the
         * one holding its first address reaches its last. */
        uint32_t slice_start = slice << kRegionSliceShift;
        uint32_t slice_last = slice_start | ((1u << kRegionSliceShift) - 1);
        uint32_t holder = table[2 * slice];
        if (holder < count && ReadU32(entries + (size_t)holder * kIndexEntrySize) == slice_start) {
            ++holder; /* an entry starting exactly at the slice's first address holds it */
        }
        if (holder > 0 && holder == table[2 * slice + 2]) {
            const unsigned char* entry = entries + (size_t)(holder - 1) * kIndexEntrySize;
            if (ReadU32(entry + 4) >= slice_last) {
                table[2 * slice + 1] = ReadU32(entry + 8);
            }
        }
    }
    return 1;
}

/* Stretches longer than this many entries (64 entries span 12 cache lines) are halved with
 * prefetches; shorter ones, which are nearly all the stretches a slice leaves, without. */
enum { kPrefetchedStretch = 64 };

/* One step of the halving: keeps the upper half of the stretch at base when its first start is
 * at or below address, else the lower half, without a branch. *length must be at least 2. */
static inline const unsigned char* HalveStretch(const unsigned char* base, uint32_t* length,
                                                uint32_t address) {
    uint32_t half = *length / 2;
    const unsigned char* probe = base + (size_t)half * kIndexEntrySize;
    *length -= half;
    return ReadU32(probe) <= address ? probe : base;
}

/* Finds the entry whose start address is the last one at or below address, among count entries
 * sorted by start address. On a sorted, non-overlapping index that entry is the one range that
 * can hold the address, the same entry a three-way binary search finds.
 *
 * Why not the three-way search itself: on an index far larger than the caches each of its ~20
 * probes waits for a cache miss, and its data-dependent branches mispredict half the time. The
 * halving below has no such branch, so the processor keeps running ahead. While the stretch is
 * long each step prefetches the four entries that the step after next may probe (at 1/8, 3/8,
 * 5/8 and 7/8 of the remaining stretch), so that two levels of misses overlap with the current
 * one. On the few entries of a slice (see RegionBuildSliceTable) those prefetches only add
 * instructions: each one a lookup executes leaves less room in the processor's window for the
 * next lookup's misses, and measured over the shipped database the short stretches are found
 * about a tenth sooner without them, one address at a time or side by side. */
static inline const unsigned char* LastStartAtOrBelow(const unsigned char* entries, uint32_t count,
                                                      uint32_t address) {
    const unsigned char* base = entries;
    uint32_t length = count;
    while (length > kPrefetchedStretch) {
        uint32_t half = length / 2;
        uint32_t quarter = half / 2;
        uint32_t eighth = half / 4;
        REGION_PREFETCH(base + (size_t)(quarter - eighth) * kIndexEntrySize);
        REGION_PREFETCH(base + (size_t)(quarter + eighth) * kIndexEntrySize);
        REGION_PREFETCH(base + (size_t)(half + quarter - eighth) * kIndexEntrySize);
        REGION_PREFETCH(base + (size_t)(half + quarter + eighth) * kIndexEntrySize);
        base = HalveStretch(base, &length, address);
    }
    while (length > 1) {
        base = HalveStretch(base, &length, address);
    }
    return base;
}

/* The data pointer itself when it names a record of at least 4 bytes inside the image, else 0 (0
 * itself means no data). */
static inline uint32_t CheckedRecord(uint64_t image_size, uint32_t data_pointer) {
    uint32_t offset = DataPointerOffset(data_pointer);
    uint32_t length = DataPointerLength(data_pointer);
    if (length < kRecordHeaderSize || (uint64_t)offset + length > image_size) {
        return 0;
    }
    return data_pointer;
}

/* The checked data pointer of entry when entry holds address, else 0. */
static inline uint32_t RecordOfEntry(const unsigned char* entry, uint32_t address,
                                     uint64_t image_size) {
    if (address < ReadU32(entry) || address > ReadU32(entry + 4)) {
        return 0;
    }
    return CheckedRecord(image_size, ReadU32(entry + 8));
}

/* What the slice table says of address. Returns 1 when one entry holds the address's whole slice,
 * with *record that entry's checked record; else 0, with the search to go on among the *count
 * entries from *first: entries before them start below the address, entries after them above, so
 * the answer is their last start at or below the address. */
static inline int NarrowBySlice(const uint32_t* slices, uint64_t size, uint32_t address,
                                uint32_t* record, uint32_t* first, uint32_t* count) {
    const uint32_t* words = slices + 2 * (address >> kRegionSliceShift);
    if (words[1] != 0) {
        *record = CheckedRecord(size, words[1]);
        return 1;
    }
    uint32_t below = words[0];
    *first = below > 0 ? below - 1 : 0;
    *count = words[2] > *first ? words[2] - *first : 1;
    return 0;
}

/* RegionFindRecord, inline for RegionSearchImage: a memory search's own instructions decide how
 * far the processor gets into the caller's next lookup while this one waits on memory, and the
 * call costs more of them than the copy of the text. */
static inline uint32_t FindRecord(const unsigned char* image, uint64_t size,
                                  uint32_t first_index_offset, uint32_t last_index_offset,
                                  const uint32_t* slices, uint32_t address) {
    /* The last entry must lie wholly inside the image; the entries before it then do too. */
    if (first_index_offset > last_index_offset ||
        (uint64_t)last_index_offset + kIndexEntrySize > size) {
        return 0;
    }
    const unsigned char* entries = image + first_index_offset;
    uint32_t first = 0;
    uint32_t count = (last_index_offset - first_index_offset) / kIndexEntrySize + 1;
    uint32_t record = 0;
    if (slices != NULL && NarrowBySlice(slices, size, address, &record, &first, &count)) {
        return record;
    }
    return RecordOfEntry(
        LastStartAtOrBelow(entries + (size_t)first * kIndexEntrySize, count, address), address,
        size);
}

uint32_t RegionFindRecord(const unsigned char* image, uint64_t size, uint32_t first_index_offset,
                          uint32_t last_index_offset, const uint32_t* slices, uint32_t address) {
    return FindRecord(image, size, first_index_offset, last_index_offset, slices, address);
}

/* How many searches advance side by side: enough that their misses overlap, few enough that the
 * lines they prefetch stay in the first-level cache until they are read. */
enum { kSideBySide = 16 };

void RegionFindRecords(const unsigned char* image, uint64_t size, uint32_t first_index_offset,
                       uint32_t last_index_offset, const uint32_t* slices,
                       const uint32_t* addresses, uint32_t* pointers, size_t count) {
    if (slices == NULL || first_index_offset > last_index_offset ||
        (uint64_t)last_index_offset + kIndexEntrySize > size) {
        for (size_t i = 0; i < count; ++i) {
            pointers[i] = RegionFindRecord(image, size, first_index_offset, last_index_offset,
                                           slices, addresses[i]);
        }
        return;
    }
    const unsigned char* entries = image + first_index_offset;
    for (size_t group = 0; group < count; group += kSideBySide) {
        const size_t n = count - group < kSideBySide ? count - group : kSideBySide;
        const uint32_t* address = addresses + group;
        uint32_t* pointer = pointers + group;
        const unsigned char* bases[kSideBySide];
        uint32_t lengths[kSideBySide];
        for (size_t i = 0; i < n; ++i) {
            REGION_PREFETCH(slices + 2 * (address[i] >> kRegionSliceShift));
        }
        /* The slice table answers or narrows each search, as in RegionFindRecord; the stretch
         * left is fetched from its middle and quarters, where the halving reads first. */
        for (size_t i = 0; i < n; ++i) {
            uint32_t first = 0;
            lengths[i] = 0;
            if (NarrowBySlice(slices, size, address[i], &pointer[i], &first, &lengths[i])) {
                continue;
            }
            bases[i] = entries + (size_t)first * kIndexEntrySize;
            REGION_PREFETCH(bases[i] + (size_t)(lengths[i] / 2) * kIndexEntrySize);
            REGION_PREFETCH(bases[i] + (size_t)(lengths[i] / 4) * kIndexEntrySize);
            REGION_PREFETCH(bases[i] + (size_t)(lengths[i] / 2 + lengths[i] / 4) * kIndexEntrySize);
        }
        for (size_t i = 0; i < n; ++i) {
            if (lengths[i] == 0) {
                continue;
            }
            pointer[i] = RecordOfEntry(LastStartAtOrBelow(bases[i], lengths[i], address[i]),
                                       address[i], size);
        }
    }
}

/* A text is copied in moves of kTextChunk bytes; the first kFixedChunks of them are made
 * whatever the length: texts of 16 to 64 bytes, 66% of the shipped database's address space
 * (another 17% are shorter than 33 bytes and 17% longer than 64), are copied without a branch on
 * their length. */
enum { kTextChunk = 16, kFixedChunks = 4 };

/* Copies length text bytes to out and ends them with a zero byte, reading nothing past the text
 * and writing nothing past the zero byte.
 *
 * Why not memcpy: a text's length changes unpredictably from one lookup to the next, and the
 * library's copy branches on it; every wrong guess discards the work the processor had begun on
 * the caller's next lookup while this one waited for its record. Compilers may also expand the
 * call inline as a string instruction that is slow to start on short texts. Here the moves sit at
 * offsets min(16 k, length - 16) and the last at length - 16: they overlap where the text is
 * short instead of branching.
 * Measured over the shipped database, a memory search takes about a tenth less time this way
 * than with a call to memcpy, and less than with two or eight moves at such offsets or with a
 * copy that branches on the length class. */
static inline void CopyText(char* out, const unsigned char* text, uint32_t length) {
    if (length >= kTextChunk) {
        const uint32_t last = length - kTextChunk;
        uint32_t offset = 0;
        for (int k = 1; k < kFixedChunks; ++k, offset += kTextChunk) {
            const uint32_t at = offset < last ? offset : last;
            memcpy(out + at, text + at, kTextChunk);
        }
        for (; offset < last; offset += kTextChunk) {
            memcpy(out + offset, text + offset, kTextChunk);
        }
        memcpy(out + last, text + last, kTextChunk);
    } else {
        for (uint32_t i = 0; i < length; ++i) {
            out[i] = (char)text[i];
        }
    }
    out[length] = '\0';
}

/* RegionFillResult, inline for RegionSearchImage as FindRecord is. */
static inline void FillResult(const unsigned char* record, uint32_t length, region_result* result) {
    result->record_number = ReadU32(record);
    CopyText(result->region_text, record + kRecordHeaderSize, length - kRecordHeaderSize);
}

void RegionFillResult(const unsigned char* record, uint32_t length, region_result* result) {
    FillResult(record, length, result);
}

int RegionSearchImage(const unsigned char* image, uint64_t size, uint32_t first_index_offset,
                      uint32_t last_index_offset, const uint32_t* slices, uint32_t address,
                      region_result* result) {
    uint32_t data_pointer =
        FindRecord(image, size, first_index_offset, last_index_offset, slices, address);
    if (data_pointer == 0) {
        return 0;
    }
    FillResult(image + DataPointerOffset(data_pointer), DataPointerLength(data_pointer), result);
    return 1;
}
