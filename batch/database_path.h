// Where the tool and the batch command find ip2region.db and region6.db when none is named.
#ifndef QUORVANE_BATCH_DATABASE_PATH_H_
#define QUORVANE_BATCH_DATABASE_PATH_H_

#include <string>
#include <string_view>

namespace quorvane {

// GetAppDirectory() + "ip2region.db".
std::u16string DefaultDatabasePath();
// GetAppDirectory() + "region6.db": the IPv6 file, beside the IPv4 one.
std::u16string DefaultDatabase6Path();
// region6.db in the folder of the IPv4 file at dbPath (the folder's separators as the system
// has them; a bare name: the current folder): where the window looks for the IPv6 file.
std::u16string Database6PathBeside(std::u16string_view dbPath);

// True when path names something that exists and is not a directory.
bool DatabaseFileExists(std::u16string_view path);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_DATABASE_PATH_H_
