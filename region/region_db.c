/* The engine's interface (quorvane/region_db.h): a database read whole into private memory,
 * checked once, then searched without further checks of its layout than the searches make
 * anyway. Private memory rather than a mapping: a file rewritten in place under a mapping
 * changes the answers, and one cut short kills the reader with SIGBUS. */
#include <quorvane/region_db.h>

#include <stdlib.h>
#include <string.h>

#include "image_search.h"
#include "region_format.h"
#include "region_layout.h"
#include "regular_file.h"

/* The first-level table lies behind the image, in the same block, at an offset aligned for
 * its words and to a cache line. */
enum { kSliceTableAlign = 64, kExtraBytes = kSliceTableAlign + kRegionSliceTableBytes };

struct quorvane_db {
    quorvane_db_family family;
    unsigned char* image; /* the whole file, then the slice table */
    uint64_t size;
    uint32_t first_index_offset;
    uint32_t last_index_offset;
    const uint32_t* slices;
};

/* Takes image (size bytes of file in a block with kExtraBytes behind them) and makes it a
 * database if its layout allows: the block is then the database's, otherwise it is freed.
 * A file that no other family's magic claims is an IPv4 database, which has no magic of its
 * own; an IPv6 family recognises its files here, before that rule. */
static int Adopt(unsigned char* image, uint64_t size, quorvane_db** db) {
    if (!RegionCheckLayout(image, size, NULL, NULL)) {
        free(image);
        return QUORVANE_DB_INVALID;
    }
    quorvane_db* opened = (quorvane_db*)malloc(sizeof *opened);
    if (opened == NULL) {
        free(image);
        return QUORVANE_DB_NO_MEMORY;
    }
    opened->family = QUORVANE_DB_IPV4;
    opened->image = image;
    opened->size = size;
    opened->first_index_offset = ReadU32(image);
    opened->last_index_offset = ReadU32(image + 4);
    uint64_t table_offset = (size + kSliceTableAlign - 1) / kSliceTableAlign * kSliceTableAlign;
    uint32_t* slices = (uint32_t*)(void*)(image + table_offset);
    uint32_t count = (opened->last_index_offset - opened->first_index_offset) / kIndexEntrySize + 1;
    /* The layout check has found the index sorted, so the table is always built. */
    opened->slices =
        RegionBuildSliceTable(image + opened->first_index_offset, count, slices) ? slices : NULL;
    *db = opened;
    return QUORVANE_DB_OK;
}

int quorvane_db_open(const char* path, quorvane_db** db) {
    if (db == NULL) {
        return QUORVANE_DB_BAD_ARGUMENT;
    }
    *db = NULL;
    if (path == NULL || path[0] == '\0') {
        return QUORVANE_DB_BAD_ARGUMENT;
    }
    unsigned char* image;
    uint64_t size;
    int status = ReadDatabaseFile(path, kExtraBytes, &image, &size);
    return status == QUORVANE_DB_OK ? Adopt(image, size, db) : status;
}

int quorvane_db_open_bytes(const void* bytes, size_t size, quorvane_db** db) {
    if (db == NULL) {
        return QUORVANE_DB_BAD_ARGUMENT;
    }
    *db = NULL;
    if (bytes == NULL && size > 0) {
        return QUORVANE_DB_BAD_ARGUMENT;
    }
    if ((uint64_t)size > QUORVANE_DB_MAX_BYTES) {
        return QUORVANE_DB_TOO_LARGE;
    }
    unsigned char* image = (unsigned char*)malloc(size + kExtraBytes);
    if (image == NULL) {
        return QUORVANE_DB_NO_MEMORY;
    }
    if (size > 0) {
        memcpy(image, bytes, size);
    }
    return Adopt(image, size, db);
}

void quorvane_db_close(quorvane_db* db) {
    if (db != NULL) {
        free(db->image);
        free(db);
    }
}

quorvane_db_family quorvane_db_get_family(const quorvane_db* db) {
    return db->family;
}

quorvane_db_record quorvane_db_find4(const quorvane_db* db, uint32_t address) {
    if (db->family != QUORVANE_DB_IPV4) {
        return 0;
    }
    return RegionFindRecord(db->image, db->size, db->first_index_offset, db->last_index_offset,
                            db->slices, address);
}

void quorvane_db_find4_many(const quorvane_db* db, const uint32_t* addresses,
                            quorvane_db_record* records, size_t count) {
    if (db->family != QUORVANE_DB_IPV4) {
        memset(records, 0, count * sizeof *records);
        return;
    }
    RegionFindRecords(db->image, db->size, db->first_index_offset, db->last_index_offset,
                      db->slices, addresses, records, count);
}

const char* quorvane_db_text(const quorvane_db* db, quorvane_db_record record, size_t* length) {
    *length = 0;
    if (record == 0) {
        return NULL;
    }
    /* The searches return only records that lie inside the image and hold their number. */
    const char* text = (const char*)db->image + DataPointerOffset(record) + kRecordHeaderSize;
    const size_t full = DataPointerLength(record) - kRecordHeaderSize;
    const void* nul = memchr(text, '\0', full);
    *length = nul != NULL ? (size_t)((const char*)nul - text) : full;
    return text;
}

uint32_t quorvane_db_record_number(const quorvane_db* db, quorvane_db_record record) {
    return record == 0 ? 0 : ReadU32(db->image + DataPointerOffset(record));
}

const char* quorvane_db_strerror(int status) {
    switch (status) {
        case QUORVANE_DB_OK:
            return "success";
        case QUORVANE_DB_NOT_FOUND:
            return "no such file";
        case QUORVANE_DB_NOT_A_FILE:
            return "not a regular file";
        case QUORVANE_DB_NO_ACCESS:
            return "permission denied";
        case QUORVANE_DB_READ_FAILED:
            return "the file could not be read";
        case QUORVANE_DB_TOO_LARGE:
            return "the file is larger than any region database";
        case QUORVANE_DB_INVALID:
            return "not a region database, or a damaged one";
        case QUORVANE_DB_NO_MEMORY:
            return "out of memory";
        case QUORVANE_DB_BAD_ARGUMENT:
            return "invalid argument";
        default:
            return "unknown status";
    }
}
