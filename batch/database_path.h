// Where the tool and the batch command find ip2region.db when none is named.
#ifndef QUORVANE_BATCH_DATABASE_PATH_H_
#define QUORVANE_BATCH_DATABASE_PATH_H_

#include <string>
#include <string_view>

namespace quorvane {

// GetAppDirectory() + "ip2region.db".
std::u16string DefaultDatabasePath();

// True when path names something that exists and is not a directory.
bool DatabaseFileExists(std::u16string_view path);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_DATABASE_PATH_H_
