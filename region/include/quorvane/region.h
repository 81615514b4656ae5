/* Quorvane region search engine: which region text of an ip2region.db file covers an IPv4
 * address.
 *
 * The caller allocates a region_handle and region_result records; the engine fills and empties
 * them. Every search returns 1 when the address was found and the result filled, and 0 for any
 * failure or miss alike: a failed open, allocation or read, a malformed file, an address that no
 * range covers. A search that returns 0 leaves the result untouched.
 *
 * Whatever bytes the file holds, no search reads outside the file, its in-memory image or the
 * engine's own buffers: a file that breaks the layout makes the searches it confuses return 0.
 *
 * A handle serves one thread at a time (lazy loads change it and the disk searches share its
 * file position); handles opened separately on the same file are independent.
 *
 * Valid C99 and C++. */
#ifndef QUORVANE_REGION_H_
#define QUORVANE_REGION_H_

#include <stdint.h>
#include <stdio.h>

/* On Windows the library's own sources export the functions (its build defines
 * QUORVANE_REGION_BUILDING) and every program that uses it imports them. */
#if defined(QUORVANE_REGION_API)
/* Set by a program that carries the engine and exports none of it (the SQL module). */
#elif defined(_WIN32)
#if defined(QUORVANE_REGION_BUILDING)
#define QUORVANE_REGION_API __declspec(dllexport)
#else
#define QUORVANE_REGION_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define QUORVANE_REGION_API __attribute__((visibility("default")))
#else
#define QUORVANE_REGION_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The handle record. Programs outside this library allocate it, so its field order and widths
 * are fixed: pointers are native width. */
typedef struct region_handle {
    uint32_t* header_start_ips;     /* start_ip of each header entry (8,192 bytes allocated) */
    uint32_t* header_index_offsets; /* index_offset of each header entry (8,192 bytes) */
    int32_t header_count;           /* header entries loaded; 0 until the first two-level search */
    uint32_t reserved;              /* zeroed by create, never read */
    FILE* file;                     /* the database, opened "rb" by create */
    unsigned char* file_image;      /* the whole file; null until the first memory search. The
                                     * engine allocates it with a hidden prefix that records its
                                     * size: only ip2region_destroy may release it. */
    uint32_t first_index_offset;    /* from the bounds block; 0 until loaded */
    uint32_t last_index_offset;     /* from the bounds block; 0 until loaded */
    int32_t index_count;            /* index entries; 0 until loaded */
} region_handle;

/* The result record, filled only by a successful search. */
typedef struct region_result {
    uint32_t record_number; /* passed through from the data record */
    char region_text[256];  /* UTF-8, zero-terminated, at most 251 text bytes */
} region_result;

/* Zeroes *handle, allocates its header arrays and opens the file at path (narrow text) for
 * reading. Nothing is read from the file yet. Returns 1 when opened, 0 on failure (nothing is
 * then held by the handle).
 * REQUIRES: *handle holds nothing: it is new, or was destroyed since its last create. */
QUORVANE_REGION_API int ip2region_create(region_handle* handle, const char* path);

/* Releases everything the handle holds and empties it (every field zero). Always returns 1; a
 * second call, or a call on a handle whose create failed, does nothing; searches on an emptied
 * handle return 0.
 * REQUIRES: *handle was passed to ip2region_create, or is all zero. */
QUORVANE_REGION_API int ip2region_destroy(region_handle* handle);

/* Searches an in-memory copy of the whole file, loaded on the first call together with a
 * 512 KiB table of the index that the handle frees with the image. */
QUORVANE_REGION_API int ip2region_memory_search(region_handle* handle, uint32_t address,
                                                region_result* result);
/* ip2region_memory_search(handle, ip2long(address), result). */
QUORVANE_REGION_API int ip2region_memory_search_string(region_handle* handle, const char* address,
                                                       region_result* result);

/* Binary search over the index on disk: one 12-byte read per probe, then the data record. */
QUORVANE_REGION_API int ip2region_binary_search(region_handle* handle, uint32_t address,
                                                region_result* result);
QUORVANE_REGION_API int ip2region_binary_search_string(region_handle* handle, const char* address,
                                                       region_result* result);

/* Two-level search: the header index (loaded once) picks one stretch of the index, read from
 * disk in one piece, then the data record. */
QUORVANE_REGION_API int ip2region_btree_search(region_handle* handle, uint32_t address,
                                               region_result* result);
QUORVANE_REGION_API int ip2region_btree_search_string(region_handle* handle, const char* address,
                                                      region_result* result);

/* The little-endian u32 at buffer + offset.
 * REQUIRES: buffer + offset .. + 3 are readable. */
QUORVANE_REGION_API uint32_t getUnsignedInt(const unsigned char* buffer, int32_t offset);

/* Dotted text to an address, without validation: spaces are skipped, each part is read as atoi
 * reads it (in the C locale) and ORed into its byte, so out-of-range parts spill into neighbouring
 * bits; a part of four or more characters gives 0; a null text gives 0. See the tests for the
 * whole table of quirks. */
QUORVANE_REGION_API uint32_t ip2long(const char* address);

/* Kept for callers that link against it: reads nothing, writes nothing, returns 0. */
QUORVANE_REGION_API uint32_t long2ip(void);

#ifdef __cplusplus
}
#endif

#endif /* QUORVANE_REGION_H_ */
