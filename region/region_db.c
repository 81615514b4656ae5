/* The engine's interface (quorvane/region_db.h): a database read into private memory (an IPv4
 * file whole, an IPv6 file section by section into its compact form), checked once, then searched
 * without further checks of its layout than the searches make anyway. Private memory rather
 * than a mapping: a file rewritten in place under a mapping changes the answers, and one cut short
 * kills the reader with SIGBUS. */
#include <quorvane/region_db.h>

#include <stdlib.h>
#include <string.h>

#include "image_search.h"
#include "region6_search.h"
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
    Region6Image v6; /* the IPv6 family's sections */
};

/* The one rule for how large a file of each family may be (the reasons beside the limits). */
static uint64_t FamilyMaxBytes(quorvane_db_family family) {
    return family == QUORVANE_DB_IPV6 ? QUORVANE_DB_IPV6_MAX_BYTES : QUORVANE_DB_IPV4_MAX_BYTES;
}

/* Fills db's IPv4 part from its checked image: the index bounds and the first-level table behind
 * the image. */
static void AdoptIpv4(quorvane_db* db) {
    db->first_index_offset = ReadU32(db->image);
    db->last_index_offset = ReadU32(db->image + 4);
    uint64_t table_offset = (db->size + kSliceTableAlign - 1) / kSliceTableAlign * kSliceTableAlign;
    uint32_t* slices = (uint32_t*)(void*)(db->image + table_offset);
    uint32_t count = (db->last_index_offset - db->first_index_offset) / kIndexEntrySize + 1;
    /* The layout check has found the index sorted, so the table is always built. */
    db->slices =
        RegionBuildSliceTable(db->image + db->first_index_offset, count, slices) ? slices : NULL;
}

/* Replaces the checked IPv6 image *image by a compact form of what the searches read (a third
 * smaller: see Region6Compact) and fills *v6 for it: inside the image when the file is laid out as
 * the writer lays it (the block then shrinks), in a new block otherwise (the file's block is then
 * freed). Returns 0, leaving everything as it was, when there is no memory for it. */
static int CompactIpv6(unsigned char** image, Region6Image* v6) {
    size_t used = Region6CompactInPlace(v6);
    if (used > 0) {
        unsigned char* shrunk = (unsigned char*)realloc(*image, used);
        if (shrunk != NULL && shrunk != *image) {
            *image = shrunk;
            Region6Move(v6, shrunk);
        }
        return 1;
    }
    size_t bytes = Region6CompactSize(v6);
    unsigned char* block = (unsigned char*)malloc(bytes > 0 ? bytes : 1);
    if (block == NULL) {
        return 0;
    }
    Region6Image file = *v6;
    Region6Compact(&file, block, v6);
    free(*image);
    *image = block;
    return 1;
}

/* Takes image (size bytes of file in a block with kExtraBytes behind them) and makes it a
 * database if its family's size and layout allow: the block is then the database's, otherwise
 * it is freed. A file that the IPv6 magic does not claim is an IPv4 database, which has no
 * magic of its own. */
static int Adopt(unsigned char* image, uint64_t size, quorvane_db** db) {
    quorvane_db_family family =
        Region6HasMagic(image, (size_t)size) ? QUORVANE_DB_IPV6 : QUORVANE_DB_IPV4;
    Region6Image v6;
    int status = QUORVANE_DB_OK;
    if (size > FamilyMaxBytes(family)) {
        status = QUORVANE_DB_TOO_LARGE;
    } else if (family == QUORVANE_DB_IPV6 ? !Region6Open(image, (size_t)size, &v6, NULL)
                                          : !RegionCheckLayout(image, size, NULL, NULL)) {
        status = QUORVANE_DB_INVALID;
    }
    if (status == QUORVANE_DB_OK && family == QUORVANE_DB_IPV6 && !CompactIpv6(&image, &v6)) {
        status = QUORVANE_DB_NO_MEMORY;
    }
    quorvane_db* opened = NULL;
    if (status == QUORVANE_DB_OK && (opened = (quorvane_db*)calloc(1, sizeof *opened)) == NULL) {
        status = QUORVANE_DB_NO_MEMORY;
    }
    if (status != QUORVANE_DB_OK) {
        free(image);
        return status;
    }
    opened->family = family;
    opened->image = image;
    opened->size = size;
    if (family == QUORVANE_DB_IPV6) {
        opened->v6 = v6;
    } else {
        AdoptIpv4(opened);
    }
    *db = opened;
    return QUORVANE_DB_OK;
}

/* Opens the IPv6 database in file (size bytes) by reading its sections straight into their places
 * in the compact form (Region6Load): the file is never held whole, which spares the open a third of
 * its reading and the memory of the file beside the form. */
static int LoadIpv6(DatabaseFile* file, uint64_t size, quorvane_db** db) {
    unsigned char* block;
    Region6Image v6;
    int loaded = Region6Load(ReadDatabaseAt, file, size, AllocateImage, &block, &v6, NULL);
    if (loaded != kRegion6Loaded) {
        return loaded == kRegion6Invalid    ? QUORVANE_DB_INVALID
               : loaded == kRegion6NoMemory ? QUORVANE_DB_NO_MEMORY
                                            : QUORVANE_DB_READ_FAILED;
    }
    quorvane_db* opened = (quorvane_db*)calloc(1, sizeof *opened);
    if (opened == NULL) {
        free(block);
        return QUORVANE_DB_NO_MEMORY;
    }
    opened->family = QUORVANE_DB_IPV6;
    opened->image = block;
    opened->size = size;
    opened->v6 = v6;
    *db = opened;
    return QUORVANE_DB_OK;
}

/* Reads the IPv4 database in file (size bytes) whole into a block with kExtraBytes behind it. */
static int ReadIpv4(DatabaseFile* file, uint64_t size, unsigned char** image) {
    unsigned char* block = AllocateImage((size_t)size + kExtraBytes);
    if (block == NULL) {
        return QUORVANE_DB_NO_MEMORY;
    }
    /* A byte past the size is asked for too: a file that grew while it was read is no file that
     * was checked, and is refused rather than cut. */
    unsigned char past;
    if (!ReadDatabaseAt(file, 0, block, (size_t)size) || ReadDatabaseAt(file, size, &past, 1)) {
        free(block);
        return QUORVANE_DB_READ_FAILED;
    }
    *image = block;
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
    DatabaseFile* file;
    uint64_t size;
    int status = OpenDatabaseFile(path, &file, &size);
    if (status != QUORVANE_DB_OK) {
        return status;
    }
    /* An IPv6 file with room for its header is loaded by sections; anything else is read whole. */
    unsigned char magic[kRegion6MagicSize];
    int ipv6 = size >= kRegion6HeaderSize && size <= QUORVANE_DB_IPV6_MAX_BYTES &&
               ReadDatabaseAt(file, 0, magic, sizeof magic) && Region6HasMagic(magic, sizeof magic);
    if (ipv6) {
        status = LoadIpv6(file, size, db);
        CloseDatabaseFile(file);
        return status;
    }
    unsigned char* image;
    status = ReadIpv4(file, size, &image);
    CloseDatabaseFile(file);
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

/* An address in network order as the IPv6 search takes it. */
static Region6Address Ipv6Halves(const unsigned char address[16]) {
    Region6Address halves = {0, 0};
    for (int i = 0; i < 8; ++i) {
        halves.high = (halves.high << 8) | address[i];
        halves.low = (halves.low << 8) | address[i + 8];
    }
    return halves;
}

/* The interface's record for a record index of the IPv6 search: 0 stays free for "none". */
static quorvane_db_record Ipv6Record(uint32_t index) {
    return index == REGION6_NO_RECORD ? 0 : index + 1;
}

quorvane_db_record quorvane_db_find6(const quorvane_db* db, const unsigned char address[16]) {
    if (db->family != QUORVANE_DB_IPV6) {
        return 0;
    }
    return Ipv6Record(Region6FindRecord(&db->v6, Ipv6Halves(address)));
}

/* How many addresses find6_many converts at a time, on the stack. */
enum { kFind6Chunk = 64 };

void quorvane_db_find6_many(const quorvane_db* db, const unsigned char (*addresses)[16],
                            quorvane_db_record* records, size_t count) {
    if (db->family != QUORVANE_DB_IPV6) {
        memset(records, 0, count * sizeof *records);
        return;
    }
    Region6Address halves[kFind6Chunk];
    for (size_t done = 0; done < count; done += kFind6Chunk) {
        size_t n = count - done < kFind6Chunk ? count - done : kFind6Chunk;
        for (size_t i = 0; i < n; ++i) {
            halves[i] = Ipv6Halves(addresses[done + i]);
        }
        Region6FindRecords(&db->v6, halves, records + done, n);
        for (size_t i = 0; i < n; ++i) {
            records[done + i] = Ipv6Record(records[done + i]);
        }
    }
}

const char* quorvane_db_text(const quorvane_db* db, quorvane_db_record record, size_t* length) {
    *length = 0;
    if (record == 0) {
        return NULL;
    }
    if (db->family == QUORVANE_DB_IPV6) {
        /* Region6Open has checked every text: UTF-8 without NUL, at most 251 bytes. */
        return (const char*)Region6RecordText(&db->v6, record - 1, length);
    }
    /* The searches return only records that lie inside the image and hold their number. */
    const char* text = (const char*)db->image + DataPointerOffset(record) + kRecordHeaderSize;
    const size_t full = DataPointerLength(record) - kRecordHeaderSize;
    const void* nul = memchr(text, '\0', full);
    *length = nul != NULL ? (size_t)((const char*)nul - text) : full;
    return text;
}

uint32_t quorvane_db_record_number(const quorvane_db* db, quorvane_db_record record) {
    if (record == 0 || db->family == QUORVANE_DB_IPV6) {
        return record;
    }
    return ReadU32(db->image + DataPointerOffset(record));
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
            return "the file is larger than any region database of its family";
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
