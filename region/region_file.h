/* The engine's create over a file its caller opened. Internal: not exported from the library or
 * from the programs, for programs that carry the engine themselves (the Windows programs open
 * their database by its wide name, which ip2region_create's narrow path cannot carry). */
#ifndef QUORVANE_REGION_REGION_FILE_H_
#define QUORVANE_REGION_REGION_FILE_H_

#include <quorvane/region.h>
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ip2region_create with file, opened "rb", in place of a path. The handle owns the file from the
 * call on: it is closed by ip2region_destroy, or at once when the create fails (file NULL fails).
 * REQUIRES: as for ip2region_create. */
int quorvane_region_create_from_file(region_handle* handle, FILE* file);

#ifdef __cplusplus
}
#endif

#endif /* QUORVANE_REGION_REGION_FILE_H_ */
