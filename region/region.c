/* The region search engine: three ways of finding the index entry that covers an address in an
 * ip2region.db file, over a handle record that the caller allocates.
 *
 * The file is never trusted: every offset and length taken from it is checked against the file
 * image or the buffer it will be read into before it is used, and a check that fails makes the
 * search return 0. On a well-formed file the checks never fire, so such a file gets exactly the
 * answers of the plain algorithms. */
#include <quorvane/region.h>

#include "handle_layout.h"
#include "image_search.h"
#include "loaded_image.h"
#include "regular_file.h"

#include <limits.h>
#include <stddef.h>
#include <stdlib.h>
#include <string.h>

#include "region_format.h"

enum { kHeaderArrayBytes = 8192, kDiskRecordBuffer = 256, kStretchBuffer = 8192 };

/* The first-level table lies behind the image, in the same allocation (loaded_image.h): a
 * memory search then halves only the few entries of its own slice instead of all of them, or
 * none when one entry covers the slice, which saves most of the cache misses of a lookup. */
enum { kSliceTableAlign = 64 };

static void FreeImage(unsigned char* image) {
    if (image != NULL) {
        free(image - kImagePrefix);
    }
}

/* Seeks to an absolute offset; offsets that a long cannot hold are failures. */
static int SeekTo(FILE* file, uint64_t offset) {
    if (offset > (uint64_t)LONG_MAX) {
        return 0;
    }
    return fseek(file, (long)offset, SEEK_SET) == 0;
}

/* Reads exactly size bytes at offset; a short read is a failure. */
static int ReadAt(FILE* file, uint64_t offset, void* buffer, size_t size) {
    return SeekTo(file, offset) && fread(buffer, 1, size, file) == size;
}

static void SetBounds(region_handle* handle, const unsigned char* bounds) {
    handle->first_index_offset = ReadU32(bounds);
    handle->last_index_offset = ReadU32(bounds + 4);
    /* Unsigned arithmetic as the format defines it; the count is at least 1 and below 2^29, so
     * it fits the signed field and 0 keeps meaning "not loaded". */
    handle->index_count =
        (int32_t)((handle->last_index_offset - handle->first_index_offset) / kIndexEntrySize + 1);
}

/* The bounds describe a usable index only when they are in order; the count then covers the
 * entries from first_index_offset through last_index_offset and no further. */
static int BoundsInOrder(const region_handle* handle) {
    return handle->index_count > 0 && handle->first_index_offset <= handle->last_index_offset;
}

/* ip2region_create over a file already opened "rb" (NULL: the open failed); the handle owns the
 * file from the call on, and closes it at once when the create fails. */
static int CreateFromFile(region_handle* handle, FILE* file) {
    if (handle == NULL) {
        if (file != NULL) {
            fclose(file);
        }
        return 0;
    }
    memset(handle, 0, sizeof *handle);
    if (file == NULL) {
        return 0;
    }
    handle->header_start_ips = (uint32_t*)malloc(kHeaderArrayBytes);
    handle->header_index_offsets = (uint32_t*)malloc(kHeaderArrayBytes);
    if (handle->header_start_ips == NULL || handle->header_index_offsets == NULL) {
        free(handle->header_start_ips);
        free(handle->header_index_offsets);
        handle->header_start_ips = NULL;
        handle->header_index_offsets = NULL;
        fclose(file);
        return 0;
    }
    handle->file = file;
    return 1;
}

int ip2region_create(region_handle* handle, const char* path) {
    if (handle == NULL) {
        return 0;
    }
    /* Only a regular file: a directory reports a size of 2^63 that the memory search would try
     * to allocate, and a named pipe would block the caller until someone writes to it. */
    return CreateFromFile(handle, path == NULL ? NULL : OpenRegularFile(path));
}

int ip2region_destroy(region_handle* handle) {
    if (handle == NULL) {
        return 1;
    }
    if (handle->header_start_ips != NULL) {
        free(handle->header_start_ips);
    }
    if (handle->header_index_offsets != NULL) {
        free(handle->header_index_offsets);
    }
    if (handle->file != NULL) {
        fclose(handle->file);
    }
    FreeImage(handle->file_image);
    /* Empty again, counts included, so that a search on a destroyed handle finds nothing loaded
     * and no file to load from. */
    memset(handle, 0, sizeof *handle);
    return 1;
}

/* The load runs once per handle; kept out of the memory search's own code, it leaves the search
 * without the register saves it needs, which every lookup would otherwise pay (measured: about
 * 4% of a memory search over the shipped database). */
#if defined(__GNUC__)
#define REGION_RUNS_ONCE __attribute__((noinline, cold))
#else
#define REGION_RUNS_ONCE
#endif

/* Reads the whole file into a new image, with the first-level table behind it when the index
 * allows one. On any failure the handle keeps no image, so the next memory search tries again. */
REGION_RUNS_ONCE static int LoadImage(region_handle* handle) {
    FILE* file = handle->file;
    if (file == NULL || fseek(file, 0, SEEK_END) != 0) {
        return 0;
    }
    long end = ftell(file);
    if (end < kBoundsSize || fseek(file, 0, SEEK_SET) != 0) {
        return 0;
    }
    uint64_t size = (uint64_t)end;
    uint64_t table_offset = (size + kSliceTableAlign - 1) / kSliceTableAlign * kSliceTableAlign;
    if (table_offset > (uint64_t)SIZE_MAX - kImagePrefix - kRegionSliceTableBytes) {
        return 0;
    }
    unsigned char* block =
        AllocateImage((size_t)(kImagePrefix + table_offset + kRegionSliceTableBytes));
    if (block == NULL) {
        return 0;
    }
    unsigned char* image = block + kImagePrefix;
    if (fread(image, 1, (size_t)size, file) != (size_t)size) {
        free(block);
        return 0;
    }
    handle->file_image = image;
    SetBounds(handle, image);

    ImageInfo info;
    memset(&info, 0, sizeof info);
    info.size = size;
    if (BoundsInOrder(handle) && (uint64_t)handle->last_index_offset + kIndexEntrySize <= size &&
        RegionBuildSliceTable(image + handle->first_index_offset, (uint32_t)handle->index_count,
                              (uint32_t*)(void*)(image + table_offset))) {
        info.slice_table_offset = table_offset;
        info.slice_first_offset = handle->first_index_offset;
        info.slice_count = (uint32_t)handle->index_count;
    }
    memcpy(block, &info, sizeof info);
    return 1;
}

int ip2region_memory_search(region_handle* handle, uint32_t address, region_result* result) {
    if (handle == NULL || result == NULL) {
        return 0;
    }
    if (handle->file_image == NULL && !LoadImage(handle)) {
        return 0;
    }
    RegionImageView view;
    if (!RegionViewOfHandle(handle, &view)) {
        return 0;
    }
    return RegionSearchImage(view.image, view.size, view.first_index_offset, view.last_index_offset,
                             view.slices, address, result);
}

/* Three-way comparison of an address with an index entry: below it, above it, or inside. */
static int CompareWithEntry(uint32_t address, const unsigned char* entry) {
    if (address < ReadU32(entry)) {
        return -1;
    }
    if (address > ReadU32(entry + 4)) {
        return 1;
    }
    return 0;
}

/* The common end of the disk searches: takes the found entry's data_pointer (0: no data), reads
 * its record from the file into buffer and fills the result. entry may lie inside buffer; the
 * pointer is taken before the buffer is overwritten. A length of at most 255 fits either
 * strategy's buffer.
 * REQUIRES: buffer holds at least kDiskRecordBuffer bytes. */
static int ReadRecordFromDisk(FILE* file, const unsigned char* entry, unsigned char* buffer,
                              region_result* result) {
    uint32_t data_pointer = ReadU32(entry + 8);
    if (data_pointer == 0) {
        return 0;
    }
    uint32_t length = DataPointerLength(data_pointer);
    if (length < kRecordHeaderSize ||
        !ReadAt(file, DataPointerOffset(data_pointer), buffer, length)) {
        return 0;
    }
    RegionFillResult(buffer, length, result);
    return 1;
}

int ip2region_binary_search(region_handle* handle, uint32_t address, region_result* result) {
    unsigned char buffer[kDiskRecordBuffer];
    if (handle == NULL || result == NULL || handle->file == NULL) {
        return 0;
    }
    if (handle->index_count == 0) {
        if (!ReadAt(handle->file, 0, buffer, kBoundsSize)) {
            return 0;
        }
        SetBounds(handle, buffer);
    }
    /* Probes past the end of the file fail as short reads; only reversed bounds need a check. */
    if (!BoundsInOrder(handle)) {
        return 0;
    }
    int32_t lo = 0;
    int32_t hi = handle->index_count - 1;
    int found = 0;
    while (lo <= hi) {
        int32_t mid = lo + (hi - lo) / 2;
        uint64_t offset = (uint64_t)handle->first_index_offset + (uint64_t)mid * kIndexEntrySize;
        if (!ReadAt(handle->file, offset, buffer, kIndexEntrySize)) {
            return 0;
        }
        int order = CompareWithEntry(address, buffer);
        if (order < 0) {
            hi = mid - 1;
        } else if (order > 0) {
            lo = mid + 1;
        } else {
            found = 1;
            break;
        }
    }
    if (!found) {
        return 0;
    }
    return ReadRecordFromDisk(handle->file, buffer, buffer, result);
}

/* Reads the header index into the handle's arrays. A block without entries stores none and
 * leaves header_count at 0, so the next two-level search reads it again. */
static int LoadHeader(region_handle* handle, unsigned char* buffer) {
    if (handle->header_start_ips == NULL || handle->header_index_offsets == NULL ||
        !ReadAt(handle->file, kHeaderOffset, buffer, kHeaderBlockSize)) {
        return 0;
    }
    int32_t count = 0;
    for (int i = 0; i < kMaxHeaderEntries; ++i) {
        const unsigned char* entry = buffer + (size_t)i * kHeaderEntrySize;
        uint32_t index_offset = ReadU32(entry + 4);
        if (index_offset == 0) {
            break;
        }
        handle->header_start_ips[i] = ReadU32(entry);
        handle->header_index_offsets[i] = index_offset;
        ++count;
    }
    handle->header_count = count;
    return 1;
}

/* Picks the pair of neighbouring header entries (*first, *first + 1) whose stretch of the index
 * can hold the address. REQUIRES: n >= 2, so every neighbour looked at is a stored entry. */
static int ChooseStretch(const uint32_t* starts, int32_t n, uint32_t address, int32_t* first) {
    int32_t lo = 0;
    int32_t hi = n;
    while (lo <= hi) {
        int32_t mid = lo + (hi - lo) / 2;
        /* lo never passes n - 1 (it only grows to mid + 1 with mid < n - 1), so mid < n. */
        uint32_t start = starts[mid];
        if (address == start) {
            *first = mid > 0 ? mid - 1 : 0;
            return 1;
        }
        if (address < start) {
            if (mid == 0) {
                *first = 0;
                return 1;
            }
            if (address > starts[mid - 1]) {
                *first = mid - 1;
                return 1;
            }
            hi = mid - 1;
        } else {
            if (mid == n - 1) {
                *first = n - 2;
                return 1;
            }
            if (address <= starts[mid + 1]) {
                *first = mid;
                return 1;
            }
            lo = mid + 1;
        }
    }
    return 0;
}

int ip2region_btree_search(region_handle* handle, uint32_t address, region_result* result) {
    unsigned char buffer[kStretchBuffer];
    if (handle == NULL || result == NULL || handle->file == NULL) {
        return 0;
    }
    if (handle->header_count == 0 && !LoadHeader(handle, buffer)) {
        return 0;
    }
    /* A stretch needs two neighbouring entries. */
    if (handle->header_count < 2) {
        return 0;
    }
    int32_t first;
    if (!ChooseStretch(handle->header_start_ips, handle->header_count, address, &first)) {
        return 0;
    }
    uint32_t start = handle->header_index_offsets[first];
    uint32_t end = handle->header_index_offsets[first + 1];
    if (start == 0 || end < start || end - start > kStretchBuffer - kIndexEntrySize) {
        return 0;
    }
    uint32_t stretch_size = end - start + kIndexEntrySize;
    if (!ReadAt(handle->file, start, buffer, stretch_size)) {
        return 0;
    }
    /* The last probe ends at 12 * ((end - start) / 12) + 12 <= stretch_size. */
    int32_t lo = 0;
    int32_t hi = (int32_t)((end - start) / kIndexEntrySize);
    const unsigned char* entry = NULL;
    while (lo <= hi) {
        int32_t mid = lo + (hi - lo) / 2;
        const unsigned char* probe = buffer + (size_t)mid * kIndexEntrySize;
        int order = CompareWithEntry(address, probe);
        if (order < 0) {
            hi = mid - 1;
        } else if (order > 0) {
            lo = mid + 1;
        } else {
            entry = probe;
            break;
        }
    }
    if (entry == NULL) {
        return 0;
    }
    return ReadRecordFromDisk(handle->file, entry, buffer, result);
}

int ip2region_memory_search_string(region_handle* handle, const char* address,
                                   region_result* result) {
    return ip2region_memory_search(handle, ip2long(address), result);
}

int ip2region_binary_search_string(region_handle* handle, const char* address,
                                   region_result* result) {
    return ip2region_binary_search(handle, ip2long(address), result);
}

int ip2region_btree_search_string(region_handle* handle, const char* address,
                                  region_result* result) {
    return ip2region_btree_search(handle, ip2long(address), result);
}

uint32_t getUnsignedInt(const unsigned char* buffer, int32_t offset) {
    return ReadU32(buffer + offset);
}

/* atoi over one group of at most four characters, with the white space of the C locale whatever
 * locale the process runs in. Three digits are the most ever converted, so it cannot overflow. */
static int32_t GroupValue(const char* group, int length) {
    int i = 0;
    while (i < length && (group[i] == ' ' || group[i] == '\t' || group[i] == '\n' ||
                          group[i] == '\v' || group[i] == '\f' || group[i] == '\r')) {
        ++i;
    }
    int negative = 0;
    if (i < length && (group[i] == '+' || group[i] == '-')) {
        negative = group[i] == '-';
        ++i;
    }
    int32_t value = 0;
    while (i < length && group[i] >= '0' && group[i] <= '9') {
        value = value * 10 + (group[i] - '0');
        ++i;
    }
    return negative ? -value : value;
}

uint32_t ip2long(const char* address) {
    enum { kGroupCapacity = 4, kMaxDots = 4 };
    if (address == NULL) {
        return 0;
    }
    char group[kGroupCapacity];
    int length = 0;
    int dots = 0;
    int shift = 24;
    uint32_t result = 0;
    for (const char* p = address; *p != '\0'; ++p) {
        char c = *p;
        if (c == ' ') {
            continue;
        }
        if (length == kGroupCapacity) {
            return 0;
        }
        if (c == '.') {
            if (dots == kMaxDots) {
                break;
            }
            /* Negative or large parts spill into the neighbouring bits, in unsigned arithmetic. */
            result |= (uint32_t)GroupValue(group, length) << shift;
            shift -= 8;
            length = 0;
            ++dots;
        } else {
            group[length++] = c;
        }
    }
    if (length == kGroupCapacity) {
        return 0;
    }
    return result | (uint32_t)GroupValue(group, length);
}

uint32_t long2ip(void) {
    return 0;
}
