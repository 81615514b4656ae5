#include "batch/database_path.h"

#include "files/app_directory.h"

namespace quorvane {

std::u16string DefaultDatabasePath() {
    return GetAppDirectory() + u"ip2region.db";
}

std::u16string DefaultDatabase6Path() {
    return GetAppDirectory() + u"region6.db";
}

}  // namespace quorvane
