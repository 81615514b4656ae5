/* Quorvane region databases: which region text covers an address, IPv4 or IPv6.
 *
 * quorvane_db_open reads a database file into the caller's private memory (an IPv6 file section
 * by section, straight into the form its searches use) and checks its whole layout once, so that
 * every search after it stays inside the file and every text it gives is valid UTF-8. The file
 * is not used after the open returns: rewriting or replacing it changes nothing for a database
 * already open (reopen to see the new one).
 *
 * A database belongs to one family, told apart by its content: IPv6 (region6.db) by the magic
 * its files begin with, IPv4 (ip2region.db, which has no magic) otherwise. Each family has its
 * own searches; a search of one family on a database of the other finds nothing.
 *
 * An open database is read-only: any number of threads may search it at once, without locks,
 * until quorvane_db_close.
 *
 * Functions that can fail return a status: QUORVANE_DB_OK (0) or one of the positive codes
 * below, which quorvane_db_strerror names. Valid C99 and C++. */
#ifndef QUORVANE_REGION_DB_H_
#define QUORVANE_REGION_DB_H_

#include <stddef.h>
#include <stdint.h>

#include <quorvane/region.h> /* QUORVANE_REGION_API */

#ifdef __cplusplus
extern "C" {
#endif

enum {
    QUORVANE_DB_OK = 0,
    QUORVANE_DB_NOT_FOUND = 1,   /* no file by that name */
    QUORVANE_DB_NOT_A_FILE = 2,  /* a folder, a pipe, a device or a link loop */
    QUORVANE_DB_NO_ACCESS = 3,   /* the system refused to open it */
    QUORVANE_DB_READ_FAILED = 4, /* it could not be read whole (an error, no handle left, a file
                                  * that changed size while it was read) */
    QUORVANE_DB_TOO_LARGE = 5,   /* larger than any database of its family (see below) */
    QUORVANE_DB_INVALID = 6,     /* no database: its layout breaks the format's rules */
    QUORVANE_DB_NO_MEMORY = 7,
    QUORVANE_DB_BAD_ARGUMENT = 8 /* a null pointer, or a path that is not a name */
};

/* The largest file of each family: anything larger is damaged or something else, and would be
 * read whole into memory for nothing. An IPv4 file holds its records below 16 MiB and at most
 * 696,664 index entries of 12 bytes (about 24.4 MiB in all). An IPv6 file has no such bound of
 * its own (its offsets reach 4 GiB): the shipped one, with every range of its sources, takes
 * about 100 MB, and a tenfold growth of the sources still fits, while a 32-bit process can
 * still hold the file in one block. */
#define QUORVANE_DB_IPV4_MAX_BYTES ((uint64_t)32 << 20)
#define QUORVANE_DB_IPV6_MAX_BYTES ((uint64_t)1 << 30)
/* The larger of the two: what an open reads at most before the content tells the family. */
#define QUORVANE_DB_MAX_BYTES QUORVANE_DB_IPV6_MAX_BYTES

typedef enum quorvane_db_family { QUORVANE_DB_IPV4 = 4, QUORVANE_DB_IPV6 = 6 } quorvane_db_family;

/* An open database; opaque. */
typedef struct quorvane_db quorvane_db;

/* A record of an open database: 0 for none (no range covers the address), otherwise a number
 * that quorvane_db_text takes; equal numbers name the same record. In an IPv6 database it is
 * the record's index in the file plus one. */
typedef uint32_t quorvane_db_record;

/* Opens the database file at path (UTF-8; on Windows the file is opened by its wide name),
 * reading all of it and checking its layout. Never waits on a named pipe or a device. On success
 * stores the database in *db and returns QUORVANE_DB_OK; otherwise stores NULL and returns why.
 * REQUIRES: db is not NULL. */
QUORVANE_REGION_API int quorvane_db_open(const char* path, quorvane_db** db);

/* quorvane_db_open over size bytes already in memory (a file read by other means, a test, a
 * fuzzer). The bytes are copied: the caller may free them at once. */
QUORVANE_REGION_API int quorvane_db_open_bytes(const void* bytes, size_t size, quorvane_db** db);

/* Releases db and everything it holds; NULL does nothing. Texts it gave become invalid.
 * REQUIRES: no search on db is running or will start. */
QUORVANE_REGION_API void quorvane_db_close(quorvane_db* db);

QUORVANE_REGION_API quorvane_db_family quorvane_db_get_family(const quorvane_db* db);

/* The record whose range covers address (host order: 1.2.3.4 is 0x01020304), or 0.
 * REQUIRES: db is open. */
QUORVANE_REGION_API quorvane_db_record quorvane_db_find4(const quorvane_db* db, uint32_t address);

/* quorvane_db_find4 for count addresses: records[i] receives the answer for addresses[i]. The
 * same answers for less time per address: the searches advance side by side, so the memory
 * waits of one overlap those of the others.
 * REQUIRES: db is open; addresses and records hold count elements each. */
QUORVANE_REGION_API void quorvane_db_find4_many(const quorvane_db* db, const uint32_t* addresses,
                                                quorvane_db_record* records, size_t count);

/* The record whose range covers address: 16 bytes in network order, as inet_pton(AF_INET6)
 * gives them (an IPv4-mapped address is an IPv6 address here: it is not looked up in an IPv4
 * database), or 0.
 * REQUIRES: db is open; address holds 16 bytes. */
QUORVANE_REGION_API quorvane_db_record quorvane_db_find6(const quorvane_db* db,
                                                         const unsigned char address[16]);

/* quorvane_db_find6 for count addresses, side by side as quorvane_db_find4_many: records[i]
 * receives the answer for addresses[i].
 * REQUIRES: db is open; addresses and records hold count elements each. */
QUORVANE_REGION_API void quorvane_db_find6_many(const quorvane_db* db,
                                                const unsigned char (*addresses)[16],
                                                quorvane_db_record* records, size_t count);

/* The text of record, valid UTF-8 and at most 251 bytes, up to its first NUL byte if it has
 * one; *length receives its length. Not NUL-terminated. Valid until db is closed. Returns NULL
 * (and length 0) for record 0.
 * REQUIRES: db is open; record is 0 or was found in db; length is not NULL. */
QUORVANE_REGION_API const char* quorvane_db_text(const quorvane_db* db, quorvane_db_record record,
                                                 size_t* length);

/* The number that the record's writer stored with its text (0 for record 0). An IPv6 file
 * stores none: its records answer with their own number (the index plus one).
 * REQUIRES: as for quorvane_db_text. */
QUORVANE_REGION_API uint32_t quorvane_db_record_number(const quorvane_db* db,
                                                       quorvane_db_record record);

/* A short English sentence for a status code, never NULL ("unknown status" for others). */
QUORVANE_REGION_API const char* quorvane_db_strerror(int status);

#ifdef __cplusplus
}
#endif

#endif /* QUORVANE_REGION_DB_H_ */
