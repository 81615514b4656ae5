/* The search over a region6.db image. Region6Open proves every offset, count and index the file
 * holds before any search uses it, so the searches themselves carry no checks: a file that fails
 * any part of the check is never searched. */
#include "region6_search.h"

#include <stdlib.h>
#include <string.h>

#include "region6_format.h"

/* What a layout check reports when it refuses an image. */
static int Refuse(const char** reason, const char* why) {
    if (reason != NULL) {
        *reason = why;
    }
    return 0;
}

int Region6HasMagic(const unsigned char* image, size_t size) {
    return size >= kRegion6MagicSize && memcmp(image, REGION6_MAGIC, kRegion6MagicSize) == 0;
}

/* Where each section of a file starts, in bytes from the file's start. */
typedef struct {
    uint64_t fences;
    uint64_t high;
    uint64_t low;
    uint64_t range_records;
    uint64_t text_index;
    uint64_t texts;
} SectionOffsets;

/* Stores in *at where a section of count items of width bytes starts; 0 when any of it lies
 * outside a file of size bytes or over the header. count * width cannot overflow: count < 2^33 and
 * width <= 8. */
static int Section(const unsigned char* header, uint64_t size, uint32_t offset_at, uint64_t count,
                   uint64_t width, uint64_t* at) {
    *at = Region6ReadU32(header + offset_at);
    return *at >= kRegion6HeaderSize && *at <= size && count * width <= size - *at;
}

/* Reads the counts of the file of size bytes whose header is header (kRegion6HeaderSize bytes,
 * the magic already found) into db, and where its sections lie into *at, each checked to lie
 * inside the file. The section pointers of db are left to the caller. */
static int ReadLayout(const unsigned char* header, uint64_t size, Region6Image* db,
                      SectionOffsets* at, const char** reason) {
    if (Region6ReadU32(header + kRegion6VersionAt) != kRegion6Version ||
        Region6ReadU32(header + kRegion6HeaderSizeAt) != kRegion6HeaderSize ||
        Region6ReadU32(header + kRegion6ReservedAt) != 0) {
        return Refuse(reason, "a region6.db version this program does not read");
    }
    if (Region6ReadU32(header + kRegion6FileSizeAt) != size) {
        return Refuse(reason, "the file is not the size its header gives (truncated or padded)");
    }
    memset(db, 0, sizeof *db);
    db->texts_size = Region6ReadU32(header + kRegion6TextsSizeAt);
    db->range_count = Region6ReadU32(header + kRegion6RangeCountAt);
    db->record_count = Region6ReadU32(header + kRegion6RecordCountAt);
    db->block_bits = Region6ReadU32(header + kRegion6BlockBitsAt);
    if (db->range_count == 0 || db->record_count == REGION6_NO_RECORD ||
        db->block_bits > kRegion6MaxBlockBits) {
        return Refuse(reason, "the header's counts are out of range");
    }
    uint64_t n = db->range_count;
    db->fence_count = (uint32_t)((n + ((uint64_t)1 << db->block_bits) - 1) >> db->block_bits);
    if (!Section(header, size, kRegion6FencesAt, db->fence_count, 8, &at->fences) ||
        !Section(header, size, kRegion6HighAt, n, 8, &at->high) ||
        !Section(header, size, kRegion6LowAt, n, 8, &at->low) ||
        !Section(header, size, kRegion6RangeRecordAt, n, 4, &at->range_records) ||
        !Section(header, size, kRegion6TextIndexAt, (uint64_t)db->record_count + 1, 4,
                 &at->text_index) ||
        !Section(header, size, kRegion6TextsAt, db->texts_size, 1, &at->texts)) {
        return Refuse(reason, "a section lies outside the file");
    }
    return 1;
}

static int ReadHeader(const unsigned char* image, size_t size, Region6Image* db,
                      const char** reason) {
    if (!Region6HasMagic(image, size) || size < kRegion6HeaderSize) {
        return Refuse(reason, "not a region6.db file (no magic or no header)");
    }
    SectionOffsets at;
    if (!ReadLayout(image, size, db, &at, reason)) {
        return 0;
    }
    db->image = image;
    db->size = size;
    db->fences = image + at.fences;
    db->high = image + at.high;
    db->low = image + at.low;
    db->range_records = image + at.range_records;
    db->text_index = image + at.text_index;
    db->texts = image + at.texts;
    return 1;
}

static int AtOrBelow(Region6Address a, Region6Address b) {
    return a.high < b.high || (a.high == b.high && a.low <= b.low);
}

/* The low half of range's start, for ranges taken in ascending order: from the low column, or
 * where there is none (a loaded copy) from the side lists, *next being the first side entry not yet
 * passed. */
static uint64_t NextLow(const Region6Image* db, uint32_t range, uint32_t* next) {
    if (db->low != NULL) {
        return Region6ReadU64(db->low + (size_t)range * 8);
    }
    if (*next < db->side_count && Region6ReadU32(db->side_ranges + (size_t)*next * 4) == range) {
        return Region6ReadU64(db->side_lows + (size_t)(*next)++ * 8);
    }
    return 0;
}

/* The record of a range as a compact copy holds it: the flag for a start with a low half that is
 * not zero, and REGION6_COMPACT_NO_RECORD for none. */
static uint32_t CompactRecord(uint32_t record, uint64_t low) {
    record = record == REGION6_NO_RECORD ? REGION6_COMPACT_NO_RECORD : record;
    return low != 0 ? record | REGION6_LOW_FLAG : record;
}

/* Also counts the starts whose low half is not zero, for the compact copy's size, and when put is
 * not NULL writes each checked range's record there as a compact copy holds it (put may be the
 * records' own column: each is written after it is read). */
static int CheckRanges(Region6Image* db, unsigned char* put, const char** reason) {
    uint32_t side = 0;
    uint32_t next = 0;
    Region6Address previous = {0, 0};
    for (uint32_t i = 0; i < db->range_count; ++i) {
        Region6Address start = {Region6ReadU64(db->high + (size_t)i * 8), NextLow(db, i, &next)};
        if (i == 0 && (start.high != 0 || start.low != 0)) {
            return Refuse(reason, "the first range does not start at ::");
        }
        if (i > 0 && AtOrBelow(start, previous)) {
            return Refuse(reason, "the ranges are not in strictly ascending order");
        }
        side += start.low != 0;
        previous = start;
        uint32_t record = Region6ReadU32(db->range_records + (size_t)i * 4);
        if (record >= db->record_count && record != REGION6_NO_RECORD) {
            return Refuse(reason, "a range names a record the file does not hold");
        }
        if (put != NULL) {
            Region6WriteU32(put + (size_t)i * 4, CompactRecord(record, start.low));
        }
    }
    db->side_count = side;
    return 1;
}

/* How many bytes the UTF-8 sequence at text[0..length) takes, or 0 when it is not one well-formed
 * character other than NUL (overlong forms, surrogates and values past U+10FFFF are not). */
static size_t Utf8Sequence(const unsigned char* text, size_t length) {
    unsigned char lead = text[0];
    if (lead < 0x80) {
        return lead != 0; /* texts are handed on NUL-terminated: a NUL would cut one short */
    }
    size_t size = lead >= 0xC2 && lead <= 0xDF   ? 2
                  : lead >= 0xE0 && lead <= 0xEF ? 3
                  : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                 : 0;
    if (size == 0 || size > length) {
        return 0;
    }
    /* The second byte's range depends on the lead: it rules out the overlong and surrogate forms
     * and the values past U+10FFFF. */
    unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (text[1] < low || text[1] > high) {
        return 0;
    }
    for (size_t i = 2; i < size; ++i) {
        if (text[i] < 0x80 || text[i] > 0xBF) {
            return 0;
        }
    }
    return size;
}

/* Whether the 8 bytes at text are all ASCII other than NUL: the texts are mostly such bytes, and a
 * word at a time checks them eight times as fast as Utf8Sequence. */
static int AsciiWord(const unsigned char* text) {
    const uint64_t high_bits = 0x8080808080808080u;
    const uint64_t low_bits = 0x0101010101010101u;
    uint64_t word;
    memcpy(&word, text, 8);
    /* A zero byte borrows in word - low_bits and so sets its high bit there, while its high bit
     * in ~word is set too; a byte of 0x80 and above has its high bit set in word itself. */
    return ((word | ((word - low_bits) & ~word)) & high_bits) == 0;
}

static int ValidUtf8(const unsigned char* text, size_t length) {
    size_t at = 0;
    while (at < length) {
        if (length - at >= 8 && AsciiWord(text + at)) {
            at += 8;
            continue;
        }
        size_t step = Utf8Sequence(text + at, length - at);
        if (step == 0) {
            return 0;
        }
        at += step;
    }
    return 1;
}

static int CheckTexts(const Region6Image* db, const char** reason) {
    uint32_t texts_size = db->texts_size;
    uint32_t start = Region6ReadU32(db->text_index);
    if (start != 0 || Region6ReadU32(db->text_index + (size_t)db->record_count * 4) != texts_size) {
        return Refuse(reason, "the text index does not span the texts");
    }
    for (uint32_t i = 0; i < db->record_count; ++i) {
        uint32_t end = Region6ReadU32(db->text_index + (size_t)(i + 1) * 4);
        /* Each end is checked against the texts' size before its text is read: an entry past it
         * followed by a smaller one would otherwise send the UTF-8 check outside the file. */
        if (end < start || end > texts_size || end - start > kRegion6MaxTextBytes) {
            return Refuse(reason, "a record's text is out of order or too long");
        }
        if (!ValidUtf8(db->texts + start, end - start)) {
            return Refuse(reason, "a record's text is not valid UTF-8");
        }
        start = end;
    }
    return 1;
}

/* Every table entry must be the high half of its block's first start: a search trusts it to
 * bound the stretch it halves. */
static int CheckFences(const Region6Image* db, const char** reason) {
    for (uint32_t block = 0; block < db->fence_count; ++block) {
        size_t first = (size_t)block << db->block_bits;
        if (Region6ReadU64(db->fences + (size_t)block * 8) !=
            Region6ReadU64(db->high + first * 8)) {
            return Refuse(reason, "the first-level table does not match the ranges");
        }
    }
    return 1;
}

int Region6Open(const unsigned char* image, size_t size, Region6Image* out, const char** reason) {
    return ReadHeader(image, size, out, reason) && CheckRanges(out, NULL, reason) &&
           CheckTexts(out, reason) && CheckFences(out, reason);
}

/* One halving step of a search for the last of a sorted run of u64 values at or below key: no
 * branch on the outcome, so the processor runs ahead into the next probe's load. */
static void HalveU64(const unsigned char* values, uint64_t key, uint32_t* first, uint32_t* count) {
    uint32_t half = *count / 2;
    uint32_t probe = *first + half;
    *first = Region6ReadU64(values + (size_t)probe * 8) <= key ? probe : *first;
    *count -= half;
}

/* The stretch of ranges that can hold address, from the block whose table entry is the last at or
 * below its high half (block): its block, and the blocks before it whose entry equals that half
 * (a /64 cut into more ranges than a block holds). A range before the stretch starts below the
 * address, and a range after it above. */
static void BlockStretch(const Region6Image* db, Region6Address address, uint32_t block,
                         uint32_t* first, uint32_t* count) {
    uint32_t low_block = block;
    while (low_block > 0 && Region6ReadU64(db->fences + (size_t)low_block * 8) == address.high) {
        --low_block;
    }
    uint64_t end = ((uint64_t)block + 1) << db->block_bits;
    if (end > db->range_count) {
        end = db->range_count;
    }
    *first = low_block << db->block_bits;
    *count = (uint32_t)(end - *first);
}

/* The low half of range's start: from the low column, or in a compact copy from the side lists
 * (zero for a range not in them). */
static uint64_t LowOf(const Region6Image* db, uint32_t range) {
    if (db->low != NULL) {
        return Region6ReadU64(db->low + (size_t)range * 8);
    }
    uint32_t first = 0;
    uint32_t count = db->side_count;
    while (count > 0) {
        uint32_t half = count / 2;
        uint32_t at = Region6ReadU32(db->side_ranges + (size_t)(first + half) * 4);
        if (at == range) {
            return Region6ReadU64(db->side_lows + (size_t)(first + half) * 8);
        }
        if (at < range) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return 0;
}

/* Where each part of a compact copy lies, in bytes from its aligned start. */
typedef struct {
    size_t records;
    uint32_t level_count;
    uint32_t level_sizes[kRegion6MaxLevels];
    size_t levels[kRegion6MaxLevels]; /* levels[0], the high column, is at 0 */
    size_t side_ranges;
    size_t side_lows;
    size_t text_index;
    size_t texts;
    size_t end;
} CompactPlan;

static size_t AlignUp(size_t bytes) {
    return (bytes + kRegion6Align - 1) & ~(size_t)(kRegion6Align - 1);
}

static void PlanCompact(const Region6Image* db, CompactPlan* plan) {
    size_t n = db->range_count;
    plan->levels[0] = 0;
    plan->level_sizes[0] = db->range_count;
    plan->records = AlignUp(n * 8);
    size_t at = AlignUp(plan->records + n * 4);
    uint32_t k = 1;
    for (uint32_t size = db->range_count; size > kRegion6Fanout; ++k) {
        size = (size - 1) / kRegion6Fanout + 1;
        plan->levels[k] = at;
        plan->level_sizes[k] = size;
        at = AlignUp(at + (size_t)size * 8);
    }
    plan->level_count = k;
    plan->side_ranges = at;
    plan->side_lows = at + (size_t)db->side_count * 4;
    plan->text_index = plan->side_lows + (size_t)db->side_count * 8;
    plan->texts = plan->text_index + ((size_t)db->record_count + 1) * 4;
    plan->end = plan->texts + db->texts_size;
}

size_t Region6CompactSize(const Region6Image* db) {
    CompactPlan plan;
    PlanCompact(db, &plan);
    return plan.end + kRegion6Align - 1;
}

static unsigned char* AlignPointer(unsigned char* at) {
    return at + ((kRegion6Align - (uintptr_t)at % kRegion6Align) % kRegion6Align);
}

/* Writes the range records of a file image as a compact copy holds them to records, front to back,
 * reading each range's low half before its record is written: a destination at or before the low
 * column and the records overwrites only what has been read. The ranges whose start has a low half
 * that is not zero also go to the side lists ranges and lows (db->side_count of each). */
static void PutRecords(const Region6Image* db, unsigned char* records, unsigned char* ranges,
                       unsigned char* lows) {
    for (uint32_t i = 0, k = 0; i < db->range_count; ++i) {
        uint64_t low = Region6ReadU64(db->low + (size_t)i * 8);
        if (low != 0) {
            Region6WriteU32(ranges + (size_t)k * 4, i);
            Region6WriteU64(lows + (size_t)k * 8, low);
            ++k;
        }
        uint32_t record = Region6ReadU32(db->range_records + (size_t)i * 4);
        Region6WriteU32(records + (size_t)i * 4, CompactRecord(record, low));
    }
}

/* Writes the levels above the high column at base (aligned) by plan. */
static void BuildLevels(const CompactPlan* plan, unsigned char* base) {
    for (uint32_t k = 1; k < plan->level_count; ++k) {
        const unsigned char* below = base + plan->levels[k - 1];
        unsigned char* level = base + plan->levels[k];
        for (size_t j = 0; j < plan->level_sizes[k]; ++j) {
            memcpy(level + j * 8, below + j * kRegion6Fanout * 8, 8);
        }
    }
}

/* Points out, a copy of db's counts, at the compact copy at base (aligned) laid out by plan. */
static void PointAt(const Region6Image* db, const CompactPlan* plan, unsigned char* base,
                    Region6Image* out) {
    *out = *db;
    out->fences = NULL;
    out->fence_count = 0;
    out->high = base;
    out->low = NULL;
    out->range_records = base + plan->records;
    out->side_ranges = base + plan->side_ranges;
    out->side_lows = base + plan->side_lows;
    out->text_index = base + plan->text_index;
    out->texts = base + plan->texts;
    out->level_count = plan->level_count;
    for (uint32_t k = 0; k < kRegion6MaxLevels; ++k) {
        out->level_sizes[k] = k < plan->level_count ? plan->level_sizes[k] : 0;
        out->levels[k] = k < plan->level_count ? base + plan->levels[k] : NULL;
    }
}

/* Builds the compact copy of db at base (aligned) by plan, in an order that also serves when base
 * lies inside db's own image (see Region6CompactInPlace): the high column, the records (the side
 * lists gathered on the way at side_ranges and side_lows), the levels built from the moved
 * column, the side lists, the text index and the texts. Fills out for it. */
static void BuildCompact(const Region6Image* db, const CompactPlan* plan, unsigned char* base,
                         unsigned char* side_ranges, unsigned char* side_lows, Region6Image* out) {
    size_t n = db->range_count;
    Region6Image file = *db;
    memmove(base, file.high, n * 8);
    PutRecords(&file, base + plan->records, side_ranges, side_lows);
    BuildLevels(plan, base);
    memmove(base + plan->side_ranges, side_ranges, (size_t)file.side_count * 4);
    memmove(base + plan->side_lows, side_lows, (size_t)file.side_count * 8);
    memmove(base + plan->text_index, file.text_index, ((size_t)file.record_count + 1) * 4);
    if (file.texts_size > 0) {
        memmove(base + plan->texts, file.texts, file.texts_size);
    }
    PointAt(&file, plan, base, out);
}

void Region6Compact(const Region6Image* db, unsigned char* block, Region6Image* out) {
    CompactPlan plan;
    PlanCompact(db, &plan);
    unsigned char* base = AlignPointer(block);
    BuildCompact(db, &plan, base, base + plan.side_ranges, base + plan.side_lows, out);
    out->image = block;
    out->size = (size_t)(base - block) + plan.end;
}

/* Whether BuildCompact at base overwrites each part of db's image only once it has been read:
 * every destination ends before the sources still to be read. */
static int FitsInPlace(const Region6Image* db, const CompactPlan* plan, const unsigned char* base) {
    const unsigned char* high_end = base + (size_t)db->range_count * 8;
    const unsigned char* records = base + plan->records;
    const unsigned char* text_index = base + plan->text_index;
    return high_end <= db->low && high_end <= db->range_records && high_end <= db->texts &&
           records <= db->low && records <= db->range_records && text_index <= db->text_index &&
           db->texts >= db->text_index + ((size_t)db->record_count + 1) * 4;
}

size_t Region6CompactInPlace(Region6Image* db) {
    CompactPlan plan;
    PlanCompact(db, &plan);
    /* The image is the caller's to write (see the contract); only the view of it is const. */
    unsigned char* image = (unsigned char*)(uintptr_t)db->image;
    unsigned char* base = AlignPointer(image);
    if (db->low == NULL || !FitsInPlace(db, &plan, base)) {
        return 0;
    }
    /* The side lists are gathered aside: their places lie over columns still to be read. */
    size_t side = db->side_count;
    unsigned char* lists = (unsigned char*)malloc(side * 12 + 1);
    if (lists == NULL) {
        return 0;
    }
    Region6Image file = *db;
    BuildCompact(&file, &plan, base, lists, lists + side * 4, db);
    free(lists);
    db->size = (size_t)(base - image) + plan.end;
    return db->size;
}

/* How many low halves Region6Load reads at a time. */
enum { kLowChunk = 32768 };

/* A growing list of side entries (the ranges whose start has a low half that is not zero). */
typedef struct {
    uint32_t count;
    uint32_t capacity;
    uint32_t* ranges;
    uint64_t* lows;
} SideList;

static int AddSide(SideList* list, uint32_t range, uint64_t low) {
    if (list->count == list->capacity) {
        if (list->capacity > UINT32_MAX / 2) {
            return 0;
        }
        uint32_t capacity = list->capacity == 0 ? 1024 : list->capacity * 2;
        uint32_t* ranges = (uint32_t*)realloc(list->ranges, capacity * sizeof *ranges);
        list->ranges = ranges != NULL ? ranges : list->ranges;
        uint64_t* lows =
            ranges != NULL ? (uint64_t*)realloc(list->lows, capacity * sizeof *lows) : NULL;
        list->lows = lows != NULL ? lows : list->lows;
        if (ranges == NULL || lows == NULL) {
            return 0;
        }
        list->capacity = capacity;
    }
    list->ranges[list->count] = range;
    list->lows[list->count] = low;
    ++list->count;
    return 1;
}

/* Passes the low column at offset (db->range_count entries) through a small buffer into list. */
static int ReadLows(Region6ReadAt read_at, void* source, uint64_t offset, const Region6Image* db,
                    SideList* list) {
    unsigned char* chunk = (unsigned char*)malloc((size_t)kLowChunk * 8);
    if (chunk == NULL) {
        return kRegion6NoMemory;
    }
    int status = kRegion6Loaded;
    for (uint32_t first = 0; first < db->range_count && status == kRegion6Loaded;
         first += kLowChunk) {
        uint32_t count = db->range_count - first < kLowChunk ? db->range_count - first : kLowChunk;
        if (!read_at(source, offset + (uint64_t)first * 8, chunk, (size_t)count * 8)) {
            status = kRegion6ReadFailed;
        }
        for (uint32_t i = 0; i < count && status == kRegion6Loaded; ++i) {
            uint64_t low = Region6ReadU64(chunk + (size_t)i * 8);
            if (low != 0 && !AddSide(list, first + i, low)) {
                status = kRegion6NoMemory;
            }
        }
    }
    free(chunk);
    return status;
}

/* Reads the sections of the file at at where out points (its first-level table included), and
 * writes the side lists from list there. */
static int ReadSections(Region6ReadAt read_at, void* source, const SectionOffsets* at,
                        const SideList* list, const Region6Image* out) {
    size_t n = out->range_count;
    for (uint32_t k = 0; k < list->count; ++k) {
        Region6WriteU32((unsigned char*)(uintptr_t)out->side_ranges + (size_t)k * 4,
                        list->ranges[k]);
        Region6WriteU64((unsigned char*)(uintptr_t)out->side_lows + (size_t)k * 8, list->lows[k]);
    }
    /* The copy is this function's to fill; only the view of it is const. */
    return read_at(source, at->high, (void*)(uintptr_t)out->high, n * 8) &&
           read_at(source, at->range_records, (void*)(uintptr_t)out->range_records, n * 4) &&
           read_at(source, at->text_index, (void*)(uintptr_t)out->text_index,
                   ((size_t)out->record_count + 1) * 4) &&
           read_at(source, at->texts, (void*)(uintptr_t)out->texts, out->texts_size) &&
           read_at(source, at->fences, (void*)(uintptr_t)out->fences, (size_t)out->fence_count * 8);
}

/* Region6Load once the header is read and the low column gathered into list. */
static int LoadSections(Region6ReadAt read_at, void* source, const SectionOffsets* at,
                        const SideList* list, unsigned char* (*allocate)(size_t),
                        unsigned char** block, Region6Image* out, const char** reason) {
    CompactPlan plan;
    out->side_count = list->count;
    PlanCompact(out, &plan);
    unsigned char* fences = (unsigned char*)malloc((size_t)out->fence_count * 8);
    *block = fences != NULL ? allocate(plan.end + kRegion6Align - 1) : NULL;
    if (*block == NULL) {
        free(fences);
        return kRegion6NoMemory;
    }
    unsigned char* base = AlignPointer(*block);
    uint32_t fence_count = out->fence_count;
    PointAt(out, &plan, base, out);
    /* The table is read aside, for the check alone. */
    out->fences = fences;
    out->fence_count = fence_count;
    int status = kRegion6Loaded;
    if (!ReadSections(read_at, source, at, list, out)) {
        status = kRegion6ReadFailed;
    } else {
        /* The checks of Region6Open, on the sections where they now lie. */
        if (!CheckRanges(out, base + plan.records, reason) || !CheckTexts(out, reason) ||
            !CheckFences(out, reason)) {
            status = kRegion6Invalid;
        }
        out->fences = NULL;
        out->fence_count = 0;
    }
    free(fences);
    if (status != kRegion6Loaded) {
        free(*block);
        *block = NULL;
        return status;
    }
    BuildLevels(&plan, base);
    out->image = *block;
    out->size = (size_t)(base - *block) + plan.end;
    return kRegion6Loaded;
}

int Region6Load(Region6ReadAt read_at, void* source, uint64_t size,
                unsigned char* (*allocate)(size_t), unsigned char** block, Region6Image* out,
                const char** reason) {
    *block = NULL;
    unsigned char header[kRegion6HeaderSize];
    if (size >= kRegion6HeaderSize && !read_at(source, 0, header, sizeof header)) {
        return kRegion6ReadFailed;
    }
    if (size < kRegion6HeaderSize || !Region6HasMagic(header, sizeof header)) {
        Refuse(reason, "not a region6.db file (no magic or no header)");
        return kRegion6Invalid;
    }
    SectionOffsets at;
    if (!ReadLayout(header, size, out, &at, reason)) {
        return kRegion6Invalid;
    }
    SideList list = {0, 0, NULL, NULL};
    int status = ReadLows(read_at, source, at.low, out, &list);
    if (status == kRegion6Loaded) {
        status = LoadSections(read_at, source, &at, &list, allocate, block, out, reason);
    }
    free(list.ranges);
    free(list.lows);
    return status;
}

/* p moved by delta bytes, or NULL. */
static const unsigned char* Moved(const unsigned char* p, const unsigned char* from,
                                  const unsigned char* to) {
    return p == NULL ? NULL : to + (p - from);
}

void Region6Move(Region6Image* db, const unsigned char* image) {
    const unsigned char* from = db->image;
    db->high = Moved(db->high, from, image);
    db->range_records = Moved(db->range_records, from, image);
    db->text_index = Moved(db->text_index, from, image);
    db->texts = Moved(db->texts, from, image);
    db->side_ranges = Moved(db->side_ranges, from, image);
    db->side_lows = Moved(db->side_lows, from, image);
    for (uint32_t k = 0; k < db->level_count; ++k) {
        db->levels[k] = Moved(db->levels[k], from, image);
    }
    db->image = image;
}

/* One halving step of the search among ranges for the last start at or below address. The low
 * half is read only when the high halves tie, which keeps most steps to one cache line. */
static void Halve(const Region6Image* db, Region6Address address, uint32_t* first,
                  uint32_t* count) {
    uint32_t half = *count / 2;
    uint32_t probe = *first + half;
    uint64_t high = Region6ReadU64(db->high + (size_t)probe * 8);
    int below = high < address.high || (high == address.high && LowOf(db, probe) <= address.low);
    *first = below ? probe : *first;
    *count -= half;
}

#if defined(__GNUC__)
#define REGION6_PREFETCH(address) __builtin_prefetch(address)
#else
#define REGION6_PREFETCH(address) ((void)(address))
#endif

/* How many cache lines of a stretch's starts are fetched at once: a whole block of the shipped file
 * (64 starts of 8 bytes), so that its misses overlap instead of following one another step by
 * step. */
enum { kPrefetchLines = 8, kCacheLine = 64 };

/* Fetches node of a compact copy's level k (both its lines), and at the high column also the line
 * of the node's range records (16 records of 4 bytes: one line). */
static void PrefetchNode(const Region6Image* db, uint32_t k, uint32_t node) {
    const unsigned char* keys = db->levels[k] + (size_t)node * kRegion6Fanout * 8;
    REGION6_PREFETCH(keys);
    REGION6_PREFETCH(keys + kCacheLine);
    if (k == 0) {
        REGION6_PREFETCH(db->range_records + (size_t)node * kRegion6Fanout * 4);
    }
}

static void PrefetchStretch(const Region6Image* db, uint32_t first, uint32_t count) {
    const unsigned char* start = db->high + (size_t)first * 8;
    size_t bytes = (size_t)count * 8;
    for (size_t line = 0; line < kPrefetchLines && line * kCacheLine < bytes; ++line) {
        REGION6_PREFETCH(start + line * kCacheLine);
    }
}

/* The halvings of a full node below are written out for 16 entries. */
typedef char FullNodeHalvingsAreForSixteen[kRegion6Fanout == 16 ? 1 : -1];

/* The last entry at or below high of node of a compact copy's level k (whose first entry is at or
 * below high), as an index into the level: four halvings without a branch for a full node. */
static uint32_t InNode(const Region6Image* db, uint32_t k, uint32_t node, uint64_t high) {
    const unsigned char* level = db->levels[k];
    uint32_t first = node * kRegion6Fanout;
    uint32_t count = db->level_sizes[k] - first;
    if (count >= kRegion6Fanout) {
        first += Region6ReadU64(level + (size_t)(first + 8) * 8) <= high ? 8 : 0;
        first += Region6ReadU64(level + (size_t)(first + 4) * 8) <= high ? 4 : 0;
        first += Region6ReadU64(level + (size_t)(first + 2) * 8) <= high ? 2 : 0;
        first += Region6ReadU64(level + (size_t)(first + 1) * 8) <= high ? 1 : 0;
        return first;
    }
    while (count > 1) {
        HalveU64(level, high, &first, &count);
    }
    return first;
}

/* The last range whose start's high half is at or below high, through a compact copy's tree: one
 * node (two cache lines) a level, the next node's lines fetched as soon as it is known, and with
 * the leaf's lines also the line of its records. */
static uint32_t Descend(const Region6Image* db, uint64_t high) {
    uint32_t node = 0;
    for (uint32_t k = db->level_count; k-- > 0;) {
        node = InNode(db, k, node, high);
        if (k > 0) {
            PrefetchNode(db, k - 1, node);
        }
    }
    return node;
}

/* The answer of a compact copy for address from range, the last whose start's high half is at or
 * below address's: that range, unless it starts inside address's /64 but after it; then a range
 * before it, found by a plain search (rare: only starts that cut a /64 carry the flag). */
static uint32_t CompactAnswer(const Region6Image* db, Region6Address address, uint32_t range) {
    uint32_t record = Region6ReadU32(db->range_records + (size_t)range * 4);
    if ((record & REGION6_LOW_FLAG) != 0 &&
        Region6ReadU64(db->high + (size_t)range * 8) == address.high &&
        LowOf(db, range) > address.low) {
        uint32_t first = 0;
        uint32_t count = range;
        while (count > 1) {
            Halve(db, address, &first, &count);
        }
        record = Region6ReadU32(db->range_records + (size_t)first * 4);
    }
    record &= ~REGION6_LOW_FLAG;
    return record == REGION6_COMPACT_NO_RECORD ? REGION6_NO_RECORD : record;
}

uint32_t Region6FindRecord(const Region6Image* db, Region6Address address) {
    if (db->level_count > 0) {
        return CompactAnswer(db, address, Descend(db, address.high));
    }
    uint32_t block = 0;
    uint32_t blocks = db->fence_count;
    while (blocks > 1) {
        HalveU64(db->fences, address.high, &block, &blocks);
    }
    uint32_t first;
    uint32_t count;
    BlockStretch(db, address, block, &first, &count);
    PrefetchStretch(db, first, count);
    while (count > 1) {
        Halve(db, address, &first, &count);
    }
    return Region6ReadU32(db->range_records + (size_t)first * 4);
}

/* How many searches advance side by side: enough that their misses overlap, few enough that the
 * lines they prefetch stay in the first-level cache until they are read. */
enum { kSideBySide = 32 };

/* Descend for a group of addresses, a level at a time for all of them, so that the fetches of one
 * level's nodes overlap. */
static void DescendGroup(const Region6Image* db, const Region6Address* address, uint32_t* record,
                         size_t n) {
    uint32_t node[kSideBySide] = {0};
    for (uint32_t k = db->level_count; k-- > 0;) {
        for (size_t i = 0; i < n; ++i) {
            node[i] = InNode(db, k, node[i], address[i].high);
            if (k > 0) {
                PrefetchNode(db, k - 1, node[i]);
            }
        }
    }
    for (size_t i = 0; i < n; ++i) {
        record[i] = CompactAnswer(db, address[i], node[i]);
    }
}

/* Advances the searches of one group of a file image a step at a time each, prefetching every next
 * probe: first through the table, then through each one's block. */
static void FindGroup(const Region6Image* db, const Region6Address* address, uint32_t* record,
                      size_t n) {
    uint32_t first[kSideBySide];
    uint32_t count[kSideBySide];
    for (size_t i = 0; i < n; ++i) {
        first[i] = 0;
        count[i] = db->fence_count;
    }
    for (int active = 1; active;) {
        active = 0;
        for (size_t i = 0; i < n; ++i) {
            if (count[i] > 1) {
                HalveU64(db->fences, address[i].high, &first[i], &count[i]);
                REGION6_PREFETCH(db->fences + (size_t)(first[i] + count[i] / 2) * 8);
                active = 1;
            }
        }
    }
    for (size_t i = 0; i < n; ++i) {
        BlockStretch(db, address[i], first[i], &first[i], &count[i]);
        PrefetchStretch(db, first[i], count[i]);
    }
    for (int active = 1; active;) {
        active = 0;
        for (size_t i = 0; i < n; ++i) {
            if (count[i] > 1) {
                Halve(db, address[i], &first[i], &count[i]);
                active = 1;
            }
        }
    }
    for (size_t i = 0; i < n; ++i) {
        REGION6_PREFETCH(db->range_records + (size_t)first[i] * 4);
    }
    for (size_t i = 0; i < n; ++i) {
        record[i] = Region6ReadU32(db->range_records + (size_t)first[i] * 4);
    }
}

void Region6FindRecords(const Region6Image* db, const Region6Address* addresses, uint32_t* records,
                        size_t count) {
    for (size_t group = 0; group < count; group += kSideBySide) {
        size_t n = count - group < kSideBySide ? count - group : kSideBySide;
        if (db->level_count > 0) {
            DescendGroup(db, addresses + group, records + group, n);
        } else {
            FindGroup(db, addresses + group, records + group, n);
        }
    }
}

const unsigned char* Region6RecordText(const Region6Image* db, uint32_t record, size_t* length) {
    uint32_t start = Region6ReadU32(db->text_index + (size_t)record * 4);
    *length = Region6ReadU32(db->text_index + (size_t)record * 4 + 4) - start;
    return db->texts + start;
}
