// Opening the engine on the database file by the name the run checked, as the system names files.
#ifndef QUORVANE_BATCH_DATABASE_OPEN_H_
#define QUORVANE_BATCH_DATABASE_OPEN_H_

#include <string_view>

#include "quorvane/region.h"

namespace quorvane {

// ip2region_create on path (UTF-16): passed as UTF-8 on POSIX systems, and by its wide name on
// Windows, where a narrow path could not name a folder outside the ANSI code page. Returns what
// the create returned; on failure the handle is empty and every search on it is a miss.
// REQUIRES: handle holds nothing.
int OpenDatabase(region_handle& handle, std::u16string_view path);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_DATABASE_OPEN_H_
