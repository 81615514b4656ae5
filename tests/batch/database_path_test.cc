#include "batch/database_path.h"

#include <gtest/gtest.h>

#include <string>

#include "batch/database_file.h"
#include "files/app_directory.h"
#include "files/conversions.h"
#include "files/native_file.h"
#include "quorvane/region.h"
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

// Other copies of the tool and other programs read the database while a run opens it: the open
// must read a file they hold.
TEST(DatabasePathTest, DatabaseOpenSharesTheFileWithItsReaders) {
    TempDatabase db({Range{0, 0xFFFFFFFFu, "A"}});
    ASSERT_TRUE(db.Ok());
    const std::u16string path = Utf8ToWide(db.Path());
    region_handle other{};
    ASSERT_EQ(ip2region_create(&other, db.Path().c_str()), 1);
    EXPECT_EQ(OpenDatabaseFile(path).status, DatabaseStatus::kUsable);
    ip2region_destroy(&other);

    CNativeFile held;
    ASSERT_TRUE(held.Open(path, CNativeFile::Access::kReadShared));
    EXPECT_EQ(OpenDatabaseFile(path).status, DatabaseStatus::kUsable);
}

}  // namespace
}  // namespace quorvane
