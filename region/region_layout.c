/* The layout rules of an IPv4 region database (region_layout.h). Every offset is checked against
 * the image before it is read, so any byte sequence can be checked. */
#include "region_layout.h"

#include <stddef.h>
#include <stdlib.h>
#include <string.h>

#include "region_format.h"

/* The data pointers whose records have been checked: a database names each of its records from
 * several ranges, far apart in the index, and checking each text once instead of once per range
 * is most of what keeps the open cheap. Open addressing, sized for the index at the start; 0 is
 * never stored (it names no record). */
typedef struct PointerSet {
    uint32_t* slots; /* NULL: no memory for it, or full; every record is then checked each time */
    uint32_t mask;
    uint32_t count;
} PointerSet;

/* Twice the entries of the largest index a header can reach, rounded up to a power of two. */
enum { kMaxSetSlots = 1 << 21 };

static void SetInit(PointerSet* set, uint32_t entries) {
    uint32_t size = 1024;
    while (size < kMaxSetSlots && size / 2 < entries) {
        size *= 2;
    }
    set->slots = (uint32_t*)calloc(size, sizeof *set->slots);
    set->mask = size - 1;
    set->count = 0;
}

static uint32_t SlotOf(uint32_t pointer, uint32_t mask) {
    return (pointer * 2654435761u >> 7) & mask;
}

/* Starts fetching the slot where pointer's search begins. */
static void SetPrefetch(const PointerSet* set, uint32_t pointer) {
#if defined(__GNUC__)
    if (set->slots != NULL) {
        __builtin_prefetch(set->slots + SlotOf(pointer, set->mask));
    }
#else
    (void)set;
    (void)pointer;
#endif
}

/* Inserts pointer; returns 1 when it was not there yet (or the set cannot tell). */
static int SetInsert(PointerSet* set, uint32_t pointer) {
    if (set->slots == NULL) {
        return 1;
    }
    uint32_t i = SlotOf(pointer, set->mask);
    while (set->slots[i] != 0) {
        if (set->slots[i] == pointer) {
            return 0;
        }
        i = (i + 1) & set->mask;
    }
    if ((set->count + 1) * 2 > set->mask + 1) {
        free(set->slots); /* a crafted index larger than any header reaches */
        set->slots = NULL;
        return 1;
    }
    set->slots[i] = pointer;
    ++set->count;
    return 1;
}

typedef struct Check {
    const unsigned char* image;
    uint64_t size;
    RegionFaultSink sink;
    void* context;
    int faults;
    int stopped; /* the sink asked for no more, or there is none to tell */
    uint32_t first;
    uint32_t last;
    uint32_t count;
} Check;

/* Records a fault; returns 1 while the check should go on. */
static int Report(Check* check, RegionFaultKind kind, uint32_t entry, uint64_t value,
                  uint64_t other) {
    RegionFault fault;
    fault.kind = kind;
    fault.entry = entry;
    fault.value = value;
    fault.other = other;
    ++check->faults;
    if (check->sink == NULL || !check->sink(check->context, &fault)) {
        check->stopped = 1;
    }
    return !check->stopped;
}

/* 1 when the index bounds describe whole entries inside the file, so the index can be walked. */
static int CheckBounds(Check* check) {
    check->first = ReadU32(check->image);
    check->last = ReadU32(check->image + 4);
    if (check->last < check->first) {
        Report(check, kFaultBoundsReversed, 0, check->first, check->last);
        return 0;
    }
    if ((check->last - check->first) % kIndexEntrySize != 0 &&
        !Report(check, kFaultBoundsUneven, 0, check->first, check->last)) {
        return 0;
    }
    int readable = 1;
    if ((uint64_t)check->last + kIndexEntrySize > check->size) {
        readable = 0;
        if (!Report(check, kFaultIndexPastEnd, 0, check->last, check->size)) {
            return 0;
        }
    }
    if (check->first < kFixedBlocksEnd && !Report(check, kFaultIndexInFixed, 0, check->first, 0)) {
        return 0;
    }
    check->count = (check->last - check->first) / kIndexEntrySize + 1;
    return readable;
}

/* 1 when offset names an index entry. */
static int IsIndexEntry(const Check* check, uint32_t offset) {
    return offset >= check->first && offset <= check->last &&
           (offset - check->first) % kIndexEntrySize == 0;
}

/* The rules between header entry h and the one before it. */
static void CheckHeaderPair(Check* check, uint32_t h, const unsigned char* entry) {
    const unsigned char* previous = entry - kHeaderEntrySize;
    uint32_t start = ReadU32(entry);
    uint32_t offset = ReadU32(entry + 4);
    uint32_t previous_start = ReadU32(previous);
    uint32_t previous_offset = ReadU32(previous + 4);
    if (start < previous_start &&
        !Report(check, kFaultHeaderStartOrder, h, start, previous_start)) {
        return;
    }
    if (offset < previous_offset) {
        Report(check, kFaultHeaderOrder, h, offset, previous_offset);
    } else if ((uint64_t)offset - previous_offset + kIndexEntrySize > kHeaderBlockSize) {
        Report(check, kFaultHeaderSpacing, h, (offset - previous_offset) / kIndexEntrySize, 0);
    }
}

static void CheckHeader(Check* check, int index_readable) {
    const unsigned char* header = check->image + kHeaderOffset;
    uint32_t count = 0;
    while (count < kMaxHeaderEntries &&
           kHeaderOffset + ((uint64_t)count + 1) * kHeaderEntrySize <= check->size &&
           ReadU32(header + (size_t)count * kHeaderEntrySize + 4) != 0) {
        ++count;
    }
    if (count < 2 && !Report(check, kFaultHeaderCount, 0, count, 0)) {
        return;
    }
    if (count == 0) {
        return;
    }
    uint32_t front = ReadU32(header + 4);
    uint32_t back = ReadU32(header + (size_t)(count - 1) * kHeaderEntrySize + 4);
    if (front != check->first && !Report(check, kFaultHeaderFirst, 0, front, check->first)) {
        return;
    }
    if (back != check->last && !Report(check, kFaultHeaderLast, count - 1, back, check->last)) {
        return;
    }
    for (uint32_t h = 0; h < count && !check->stopped; ++h) {
        const unsigned char* entry = header + (size_t)h * kHeaderEntrySize;
        uint32_t start = ReadU32(entry);
        uint32_t offset = ReadU32(entry + 4);
        if (!IsIndexEntry(check, offset)) {
            if (!Report(check, kFaultHeaderPointer, h, offset, 0)) {
                return;
            }
        } else if (index_readable && start != ReadU32(check->image + offset) &&
                   !Report(check, kFaultHeaderStart, h, start, ReadU32(check->image + offset))) {
            return;
        }
        if (h > 0) {
            CheckHeaderPair(check, h, entry);
        }
    }
}

/* The rules of the data record that index entry i names by pointer (not 0). */
static void CheckRecord(Check* check, uint32_t i, uint32_t pointer) {
    uint32_t offset = DataPointerOffset(pointer);
    uint32_t length = DataPointerLength(pointer);
    if (length < kMinRecordLength && !Report(check, kFaultRecordShort, i, pointer, 0)) {
        return;
    }
    if ((uint64_t)offset + length > check->size) {
        Report(check, kFaultRecordOutside, i, pointer, 0);
        return;
    }
    if (offset < kFixedBlocksEnd && !Report(check, kFaultRecordOverFixed, i, pointer, 0)) {
        return;
    }
    if (offset < (uint64_t)check->last + kIndexEntrySize && offset + length > check->first &&
        !Report(check, kFaultRecordOverIndex, i, pointer, 0)) {
        return;
    }
    if (length >= kMinRecordLength &&
        !RegionIsValidUtf8(check->image + offset + kRecordHeaderSize, length - kRecordHeaderSize)) {
        Report(check, kFaultRecordText, i, pointer, 0);
    }
}

/* How far ahead of the entry being checked its successors' slots in the set are fetched. */
enum { kPrefetchAhead = 16 };

static void CheckIndex(Check* check) {
    const unsigned char* entries = check->image + check->first;
    uint32_t previous_end = 0;
    PointerSet checked;
    SetInit(&checked, check->count);
    for (uint32_t i = 0; i < check->count && !check->stopped; ++i) {
        const unsigned char* entry = entries + (size_t)i * kIndexEntrySize;
        uint32_t start = ReadU32(entry);
        uint32_t end = ReadU32(entry + 4);
        uint32_t pointer = ReadU32(entry + 8);
        if (start > end && !Report(check, kFaultEntryReversed, i, start, end)) {
            break; /* the set is freed below */
        }
        if (i > 0 && start <= previous_end &&
            !Report(check, kFaultEntryOrder, i, start, previous_end)) {
            break; /* the set is freed below */
        }
        previous_end = end;
        if (i + kPrefetchAhead < check->count) {
            SetPrefetch(&checked, ReadU32(entry + kPrefetchAhead * kIndexEntrySize + 8));
        }
        if (pointer != 0 && SetInsert(&checked, pointer)) {
            CheckRecord(check, i, pointer);
        }
    }
    free(checked.slots);
}

int RegionCheckLayout(const unsigned char* image, uint64_t size, RegionFaultSink sink,
                      void* context) {
    Check check = {0};
    check.image = image;
    check.size = size;
    check.sink = sink;
    check.context = context;
    if (size < kBoundsSize) {
        Report(&check, kFaultShortFile, 0, size, 0);
        return 0;
    }
    if (size < kFixedBlocksEnd && !Report(&check, kFaultShortFile, 0, size, 0)) {
        return 0;
    }
    int index_readable = CheckBounds(&check);
    if (!check.stopped) {
        CheckHeader(&check, index_readable);
    }
    if (index_readable && !check.stopped) {
        CheckIndex(&check);
    }
    return check.faults == 0;
}

/* The length of the sequence that lead starts, 0 for a byte no sequence starts with; *low and
 * *high bound the byte after it (the shortest-form and surrogate rules). */
static int SequenceLength(unsigned char lead, unsigned char* low, unsigned char* high) {
    *low = 0x80;
    *high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        *low = lead == 0xE0 ? 0xA0 : 0x80;
        *high = lead == 0xED ? 0x9F : 0xBF;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        *low = lead == 0xF0 ? 0x90 : 0x80;
        *high = lead == 0xF4 ? 0x8F : 0xBF;
        return 4;
    }
    return 0;
}

int RegionIsValidUtf8(const unsigned char* text, uint64_t length) {
    uint64_t i = 0;
    while (i < length) {
        /* Runs of ASCII (the separators, the provider names) eight bytes at a time. */
        uint64_t word;
        while (length - i >= sizeof word &&
               (memcpy(&word, text + i, sizeof word), (word & 0x8080808080808080u) == 0)) {
            i += sizeof word;
        }
        if (i == length) {
            break;
        }
        if (text[i] < 0x80) {
            ++i;
            continue;
        }
        unsigned char low;
        unsigned char high;
        int n = SequenceLength(text[i], &low, &high);
        if (n == 0 || length - i < (uint64_t)n || text[i + 1] < low || text[i + 1] > high) {
            return 0;
        }
        for (int k = 2; k < n; ++k) {
            if ((text[i + k] & 0xC0) != 0x80) {
                return 0;
            }
        }
        i += (uint64_t)n;
    }
    return 1;
}
