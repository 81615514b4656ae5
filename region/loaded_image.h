/* The engine's loaded image and what it keeps in front of it. Internal: for the engine and for
 * programs built from the same sources that search a handle's image themselves (the batch
 * lookups), never for programs that only link the shared library.
 *
 * The handle record has no field for the size of the file image, yet every memory search needs
 * it to keep its reads inside the image. The image is therefore allocated with a hidden prefix of
 * kImagePrefix bytes that holds the size; file_image points just past the prefix, and
 * ip2region_destroy frees file_image - kImagePrefix. The prefix is 32 bytes so that the image
 * keeps malloc's alignment.
 *
 * Behind the image, in the same allocation, lies the first-level table of the index (see
 * RegionBuildSliceTable). The prefix records which index the table was built for (first offset
 * and count); a search on any other bounds ignores it. */
#ifndef QUORVANE_REGION_LOADED_IMAGE_H_
#define QUORVANE_REGION_LOADED_IMAGE_H_

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <quorvane/region.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { kImagePrefix = 32 };

typedef struct ImageInfo {
    uint64_t size;
    uint64_t slice_table_offset; /* from file_image; 0: no table */
    uint32_t slice_first_offset; /* the index the table describes */
    uint32_t slice_count;
    uint64_t unused;
} ImageInfo;

/* The prefix must hold the record (C99 has no static assertion). */
typedef char ImageInfoFitsThePrefix[sizeof(ImageInfo) <= kImagePrefix ? 1 : -1];

/* REQUIRES: image is a file_image that the engine loaded. */
static inline ImageInfo GetImageInfo(const unsigned char* image) {
    ImageInfo info;
    memcpy(&info, image - kImagePrefix, sizeof info);
    return info;
}

/* Everything a memory search over a handle's image reads, as RegionSearchImage takes it. */
typedef struct RegionImageView {
    const unsigned char* image;
    uint64_t size;
    uint32_t first_index_offset;
    uint32_t last_index_offset;
    const uint32_t* slices; /* NULL: search without the table */
} RegionImageView;

/* Fills view from handle and returns 1 when the handle holds a loaded image whose bounds are in
 * order; otherwise returns 0, and a memory search on the handle would find nothing without
 * loading first. The view stays valid while the handle keeps its image and bounds.
 * REQUIRES: handle was created by the engine (or is all zero). */
static inline int RegionViewOfHandle(const region_handle* handle, RegionImageView* view) {
    if (handle->file_image == NULL || handle->index_count <= 0 ||
        handle->first_index_offset > handle->last_index_offset) {
        return 0;
    }
    const ImageInfo info = GetImageInfo(handle->file_image);
    view->image = handle->file_image;
    view->size = info.size;
    view->first_index_offset = handle->first_index_offset;
    view->last_index_offset = handle->last_index_offset;
    view->slices = NULL;
    if (info.slice_table_offset != 0 && info.slice_first_offset == handle->first_index_offset &&
        info.slice_count == (uint32_t)handle->index_count) {
        view->slices = (const uint32_t*)(const void*)(handle->file_image + info.slice_table_offset);
    }
    return 1;
}

#ifdef __cplusplus
}
#endif

#endif /* QUORVANE_REGION_LOADED_IMAGE_H_ */
