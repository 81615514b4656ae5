#include "batch/database_path.h"

#include <gtest/gtest.h>

#include <string>

#include "files/app_directory.h"
#include "files/conversions.h"
#include "tests/support/temp_database.h"

namespace quorvane {
namespace {

using dbwriter::Range;
using test::TempDatabase;

TEST(DatabasePathTest, DatabaseFileExistsOnlyForNonDirectories) {
    TempDatabase db({Range{0, 0xFFFFFFFFu, "A"}});
    ASSERT_TRUE(db.Ok());
    EXPECT_TRUE(DatabaseFileExists(Utf8ToWide(db.Path())));
    EXPECT_FALSE(DatabaseFileExists(u"/nonexistent/ip2region.db"));
    EXPECT_FALSE(DatabaseFileExists(u"/tmp"));
    EXPECT_FALSE(DatabaseFileExists(u""));

    const std::u16string path = DefaultDatabasePath();
    EXPECT_EQ(path, GetAppDirectory() + u"ip2region.db");
}

}  // namespace
}  // namespace quorvane
