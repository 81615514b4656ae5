/* The search over a region6.db image. Region6Open proves every offset, count and index the file
 * holds before any search uses it, so the searches themselves carry no checks: a file that fails
 * any part of the check is never searched. */
#include "region6_search.h"

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

/* Where a section of count items of width bytes starts, or NULL when any of it lies outside the
 * image or over the header. count * width cannot overflow: count < 2^33 and width <= 8. */
static const unsigned char* Section(const unsigned char* image, size_t size, uint32_t offset_at,
                                    uint64_t count, uint64_t width) {
    uint64_t offset = Region6ReadU32(image + offset_at);
    if (offset < kRegion6HeaderSize || offset > size || count * width > (uint64_t)size - offset) {
        return NULL;
    }
    return image + offset;
}

static int ReadHeader(const unsigned char* image, size_t size, Region6Image* db,
                      const char** reason) {
    if (!Region6HasMagic(image, size) || size < kRegion6HeaderSize) {
        return Refuse(reason, "not a region6.db file (no magic or no header)");
    }
    if (Region6ReadU32(image + kRegion6VersionAt) != kRegion6Version ||
        Region6ReadU32(image + kRegion6HeaderSizeAt) != kRegion6HeaderSize ||
        Region6ReadU32(image + kRegion6ReservedAt) != 0) {
        return Refuse(reason, "a region6.db version this program does not read");
    }
    if (Region6ReadU32(image + kRegion6FileSizeAt) != size) {
        return Refuse(reason, "the file is not the size its header gives (truncated or padded)");
    }
    db->image = image;
    db->size = size;
    db->range_count = Region6ReadU32(image + kRegion6RangeCountAt);
    db->record_count = Region6ReadU32(image + kRegion6RecordCountAt);
    db->table_bits = Region6ReadU32(image + kRegion6TableBitsAt);
    if (db->range_count == 0 || db->record_count == REGION6_NO_RECORD ||
        db->table_bits < kRegion6MinTableBits || db->table_bits > kRegion6MaxTableBits) {
        return Refuse(reason, "the header's counts are out of range");
    }
    uint64_t n = db->range_count;
    db->table = Section(image, size, kRegion6TableAt, ((uint64_t)1 << db->table_bits) + 1, 4);
    db->high = Section(image, size, kRegion6HighAt, n, 8);
    db->low = Section(image, size, kRegion6LowAt, n, 8);
    db->range_records = Section(image, size, kRegion6RangeRecordAt, n, 4);
    db->text_index = Section(image, size, kRegion6TextIndexAt, (uint64_t)db->record_count + 1, 4);
    db->texts = Section(image, size, kRegion6TextsAt, Region6ReadU32(image + kRegion6TextsSizeAt),
                        1);
    if (db->table == NULL || db->high == NULL || db->low == NULL || db->range_records == NULL ||
        db->text_index == NULL || db->texts == NULL) {
        return Refuse(reason, "a section lies outside the file");
    }
    return 1;
}

static Region6Address StartOf(const Region6Image* db, uint32_t range) {
    Region6Address start = {Region6ReadU64(db->high + (size_t)range * 8),
                            Region6ReadU64(db->low + (size_t)range * 8)};
    return start;
}

static int AtOrBelow(Region6Address a, Region6Address b) {
    return a.high < b.high || (a.high == b.high && a.low <= b.low);
}

static int CheckRanges(const Region6Image* db, const char** reason) {
    Region6Address previous = StartOf(db, 0);
    if (previous.high != 0 || previous.low != 0) {
        return Refuse(reason, "the first range does not start at ::");
    }
    for (uint32_t i = 0; i < db->range_count; ++i) {
        if (i > 0) {
            Region6Address start = StartOf(db, i);
            if (AtOrBelow(start, previous)) {
                return Refuse(reason, "the ranges are not in strictly ascending order");
            }
            previous = start;
        }
        uint32_t record = Region6ReadU32(db->range_records + (size_t)i * 4);
        if (record >= db->record_count && record != REGION6_NO_RECORD) {
            return Refuse(reason, "a range names a record the file does not hold");
        }
    }
    return 1;
}

/* How many bytes the UTF-8 sequence at text[0..length) takes, or 0 when it is not one well-formed
 * character other than NUL (overlong forms, surrogates and values past U+10FFFF are not). */
static size_t Utf8Sequence(const unsigned char* text, size_t length) {
    unsigned char lead = text[0];
    if (lead < 0x80) {
        return lead != 0; /* texts are handed on NUL-terminated: a NUL would cut one short */
    }
    size_t size = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
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

static int ValidUtf8(const unsigned char* text, size_t length) {
    size_t at = 0;
    while (at < length) {
        size_t step = Utf8Sequence(text + at, length - at);
        if (step == 0) {
            return 0;
        }
        at += step;
    }
    return 1;
}

static int CheckTexts(const Region6Image* db, const char** reason) {
    uint32_t texts_size = Region6ReadU32(db->image + kRegion6TextsSizeAt);
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

/* Every table entry must name the range that holds its slice's first address: a search trusts it
 * to bound the stretch it halves. */
static int CheckTable(const Region6Image* db, const char** reason) {
    uint32_t slices = (uint32_t)1 << db->table_bits;
    uint32_t holder = 0;
    for (uint32_t slice = 0; slice < slices; ++slice) {
        Region6Address first = {(uint64_t)slice << (64 - db->table_bits), 0};
        while (holder + 1 < db->range_count && AtOrBelow(StartOf(db, holder + 1), first)) {
            ++holder;
        }
        if (Region6ReadU32(db->table + (size_t)slice * 4) != holder) {
            return Refuse(reason, "the first-level table does not match the ranges");
        }
    }
    if (Region6ReadU32(db->table + (size_t)slices * 4) != db->range_count - 1) {
        return Refuse(reason, "the first-level table does not match the ranges");
    }
    return 1;
}

int Region6Open(const unsigned char* image, size_t size, Region6Image* out, const char** reason) {
    return ReadHeader(image, size, out, reason) && CheckRanges(out, reason) &&
           CheckTexts(out, reason) && CheckTable(out, reason);
}

/* The stretch of ranges that can hold address: from the holder of its slice's first address
 * through the holder of the next slice's first address. */
static void SliceStretch(const Region6Image* db, Region6Address address, uint32_t* first,
                         uint32_t* count) {
    const unsigned char* entry = db->table + (size_t)(address.high >> (64 - db->table_bits)) * 4;
    *first = Region6ReadU32(entry);
    *count = Region6ReadU32(entry + 4) - *first + 1;
}

/* One halving step of the search for the last start at or below address: no branch on the
 * outcome, so the processor runs ahead into the next probe's load. */
static void Halve(const Region6Image* db, Region6Address address, uint32_t* first,
                  uint32_t* count) {
    uint32_t half = *count / 2;
    uint32_t probe = *first + half;
    *first = AtOrBelow(StartOf(db, probe), address) ? probe : *first;
    *count -= half;
}

#if defined(__GNUC__)
#define REGION6_PREFETCH(address) __builtin_prefetch(address)
#else
#define REGION6_PREFETCH(address) ((void)(address))
#endif

uint32_t Region6FindRecord(const Region6Image* db, Region6Address address) {
    uint32_t first;
    uint32_t count;
    SliceStretch(db, address, &first, &count);
    while (count > 1) {
        Halve(db, address, &first, &count);
    }
    return Region6ReadU32(db->range_records + (size_t)first * 4);
}

/* How many searches advance side by side: enough that their misses overlap, few enough that the
 * lines they prefetch stay in the first-level cache until they are read. */
enum { kSideBySide = 16 };

/* Advances the searches of one group a step at a time each, prefetching every next probe. */
static void FindGroup(const Region6Image* db, const Region6Address* address, uint32_t* record,
                      size_t n) {
    uint32_t first[kSideBySide];
    uint32_t count[kSideBySide];
    for (size_t i = 0; i < n; ++i) {
        REGION6_PREFETCH(db->table + (size_t)(address[i].high >> (64 - db->table_bits)) * 4);
    }
    for (size_t i = 0; i < n; ++i) {
        SliceStretch(db, address[i], &first[i], &count[i]);
        REGION6_PREFETCH(db->high + (size_t)(first[i] + count[i] / 2) * 8);
    }
    for (int active = 1; active;) {
        active = 0;
        for (size_t i = 0; i < n; ++i) {
            if (count[i] > 1) {
                Halve(db, address[i], &first[i], &count[i]);
                REGION6_PREFETCH(db->high + (size_t)(first[i] + count[i] / 2) * 8);
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
        FindGroup(db, addresses + group, records + group, n);
    }
}

const unsigned char* Region6RecordText(const Region6Image* db, uint32_t record, size_t* length) {
    uint32_t start = Region6ReadU32(db->text_index + (size_t)record * 4);
    *length = Region6ReadU32(db->text_index + (size_t)record * 4 + 4) - start;
    return db->texts + start;
}
