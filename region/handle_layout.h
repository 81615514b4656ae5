/* The byte layout of region_handle on each target. Programs outside this library allocate the
 * record from a fixed table of field offsets (some declare it themselves rather than include
 * region.h), so a field moved or widened would corrupt their memory without any compiler noticing:
 * the build of the engine refuses such a change instead. Only the engine includes this header. */
#ifndef QUORVANE_REGION_HANDLE_LAYOUT_H_
#define QUORVANE_REGION_HANDLE_LAYOUT_H_

#include <quorvane/region.h>

#include <stddef.h>
#include <stdint.h>

/* C99 has no static assertion: an array of negative size fails to compile. */
#define REGION_LAYOUT_CHECK(name, condition) typedef char region_layout_##name[(condition) ? 1 : -1]

/* Each field's offset on 32-bit targets (i686: every field 4 bytes, no padding) and on 64-bit ones
 * (pointers 8 bytes on 8-byte boundaries, the record padded to a multiple of 8). */
#if UINTPTR_MAX == 0xFFFFFFFFu
#define REGION_AT(offset32, offset64) (offset32)
#elif UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
#define REGION_AT(offset32, offset64) (offset64)
#else
#error "region_handle's layout is fixed only for 32-bit and 64-bit pointers"
#endif

#define REGION_FIELD_AT(field, offset32, offset64) \
    REGION_LAYOUT_CHECK(field, offsetof(region_handle, field) == REGION_AT(offset32, offset64))

REGION_FIELD_AT(header_start_ips, 0, 0);
REGION_FIELD_AT(header_index_offsets, 4, 8);
REGION_FIELD_AT(header_count, 8, 16);
REGION_FIELD_AT(reserved, 12, 20);
REGION_FIELD_AT(file, 16, 24);
REGION_FIELD_AT(file_image, 20, 32);
REGION_FIELD_AT(first_index_offset, 24, 40);
REGION_FIELD_AT(last_index_offset, 28, 44);
REGION_FIELD_AT(index_count, 32, 48);
REGION_LAYOUT_CHECK(size, sizeof(region_handle) == REGION_AT(36, 56));

/* The result record is the same on every target. */
REGION_LAYOUT_CHECK(record_number, offsetof(region_result, record_number) == 0);
REGION_LAYOUT_CHECK(region_text, offsetof(region_result, region_text) == 4);
REGION_LAYOUT_CHECK(result_size, sizeof(region_result) == 260);

#undef REGION_FIELD_AT
#undef REGION_AT
#undef REGION_LAYOUT_CHECK

#endif /* QUORVANE_REGION_HANDLE_LAYOUT_H_ */
