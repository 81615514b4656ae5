/* The rules a region database's layout must keep for every search to stay inside it and give the
 * answers its writer meant: the one statement of them, applied when a database is opened and by
 * the checker tool, which turns each fault into a message. Internal to the engine and to programs
 * built from its sources. */
#ifndef QUORVANE_REGION_REGION_LAYOUT_H_
#define QUORVANE_REGION_REGION_LAYOUT_H_

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef enum RegionFaultKind {
    kFaultShortFile,        /* value: the file size; the file ends inside the fixed blocks */
    kFaultBoundsReversed,   /* value: first, other: last index offset */
    kFaultBoundsUneven,     /* value: first, other: last; not whole entries apart */
    kFaultIndexPastEnd,     /* value: last index offset, other: the file size */
    kFaultIndexInFixed,     /* value: first index offset */
    kFaultHeaderCount,      /* value: header entries (fewer than two) */
    kFaultHeaderFirst,      /* value: where the first header entry points */
    kFaultHeaderLast,       /* entry: the last header entry, value: where it points */
    kFaultHeaderPointer,    /* entry: header entry, value: where it points (no index entry) */
    kFaultHeaderStart,      /* entry: header entry, value: its start, other: the entry's start */
    kFaultHeaderStartOrder, /* entry: header entry, value: its start, other: the one before's */
    kFaultHeaderOrder,      /* entry: header entry, value: its offset, other: the one before's */
    kFaultHeaderSpacing,    /* entry: header entry, value: index entries from the one before */
    kFaultEntryReversed,    /* entry: index entry, value: start, other: end */
    kFaultEntryOrder,       /* entry: index entry, value: start, other: the end before it */
    kFaultRecordShort,      /* entry: index entry, value: data pointer */
    kFaultRecordOutside,    /* entry: index entry, value: data pointer */
    kFaultRecordOverFixed,  /* entry: index entry, value: data pointer */
    kFaultRecordOverIndex,  /* entry: index entry, value: data pointer */
    kFaultRecordText        /* entry: index entry, value: data pointer; text not valid UTF-8 */
} RegionFaultKind;

typedef struct RegionFault {
    RegionFaultKind kind;
    uint32_t entry;
    uint64_t value;
    uint64_t other;
} RegionFault;

/* Called once for each fault found, in file order. Returns nonzero to go on looking, 0 to stop:
 * an open needs only the first fault, the checker tool wants them all. */
typedef int (*RegionFaultSink)(void* context, const RegionFault* fault);

/* Checks the whole layout of an IPv4 database image: the bounds, the header index (at least two
 * entries, each on an index entry whose start it repeats, in order, at most a read's stretch
 * apart, the first and the last on the index's own ends), the index (every range in order and
 * above the one before) and every data record an entry names (at least its record number long,
 * inside the file, clear of the fixed blocks and the index, its text valid UTF-8). Returns 1
 * when the image keeps every rule, 0 otherwise; sink (may be NULL) hears of each fault.
 * REQUIRES: image holds size readable bytes. */
int RegionCheckLayout(const unsigned char* image, uint64_t size, RegionFaultSink sink,
                      void* context);

/* 1 when the length bytes at text are valid UTF-8 (shortest forms, no surrogates, nothing above
 * U+10FFFF), else 0. */
int RegionIsValidUtf8(const unsigned char* text, uint64_t length);

#ifdef __cplusplus
}
#endif

#endif /* QUORVANE_REGION_REGION_LAYOUT_H_ */
