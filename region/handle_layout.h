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

#if UINTPTR_MAX == 0xFFFFFFFFu
/* 32-bit targets (i686): every field 4 bytes, no padding. */
REGION_LAYOUT_CHECK(header_start_ips, offsetof(region_handle, header_start_ips) == 0);
REGION_LAYOUT_CHECK(header_index_offsets, offsetof(region_handle, header_index_offsets) == 4);
REGION_LAYOUT_CHECK(header_count, offsetof(region_handle, header_count) == 8);
REGION_LAYOUT_CHECK(reserved, offsetof(region_handle, reserved) == 12);
REGION_LAYOUT_CHECK(file, offsetof(region_handle, file) == 16);
REGION_LAYOUT_CHECK(file_image, offsetof(region_handle, file_image) == 20);
REGION_LAYOUT_CHECK(first_index_offset, offsetof(region_handle, first_index_offset) == 24);
REGION_LAYOUT_CHECK(last_index_offset, offsetof(region_handle, last_index_offset) == 28);
REGION_LAYOUT_CHECK(index_count, offsetof(region_handle, index_count) == 32);
REGION_LAYOUT_CHECK(size, sizeof(region_handle) == 36);
#elif UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
/* 64-bit targets: pointers 8 bytes on 8-byte boundaries; the record ends padded to 8. */
REGION_LAYOUT_CHECK(header_start_ips, offsetof(region_handle, header_start_ips) == 0);
REGION_LAYOUT_CHECK(header_index_offsets, offsetof(region_handle, header_index_offsets) == 8);
REGION_LAYOUT_CHECK(header_count, offsetof(region_handle, header_count) == 16);
REGION_LAYOUT_CHECK(reserved, offsetof(region_handle, reserved) == 20);
REGION_LAYOUT_CHECK(file, offsetof(region_handle, file) == 24);
REGION_LAYOUT_CHECK(file_image, offsetof(region_handle, file_image) == 32);
REGION_LAYOUT_CHECK(first_index_offset, offsetof(region_handle, first_index_offset) == 40);
REGION_LAYOUT_CHECK(last_index_offset, offsetof(region_handle, last_index_offset) == 44);
REGION_LAYOUT_CHECK(index_count, offsetof(region_handle, index_count) == 48);
REGION_LAYOUT_CHECK(size, sizeof(region_handle) == 56);
#else
#error "region_handle's layout is fixed only for 32-bit and 64-bit pointers"
#endif

/* The result record is the same on every target. */
REGION_LAYOUT_CHECK(record_number, offsetof(region_result, record_number) == 0);
REGION_LAYOUT_CHECK(region_text, offsetof(region_result, region_text) == 4);
REGION_LAYOUT_CHECK(result_size, sizeof(region_result) == 260);

#undef REGION_LAYOUT_CHECK

#endif /* QUORVANE_REGION_HANDLE_LAYOUT_H_ */
