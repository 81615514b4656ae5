#include "batch/database_path.h"

#include <gtest/gtest.h>

#include <string>

#include "batch/database_file.h"
#include "batch/database_open.h"
#include "files/app_directory.h"
#include "files/conversions.h"
#include "files/native_file.h"
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

// The workers, and other copies of the tool, read the database while Start checks it: the check
// must open a file they hold, and they must open it while the check holds it.
TEST(DatabasePathTest, DatabaseCheckSharesTheFileWithItsReaders) {
    TempDatabase db({Range{0, 0xFFFFFFFFu, "A"}});
    ASSERT_TRUE(db.Ok());
    const std::u16string path = Utf8ToWide(db.Path());
    region_handle worker{};
    ASSERT_EQ(OpenDatabase(worker, path), 1);
    EXPECT_EQ(CheckDatabaseFile(path), DatabaseStatus::kUsable);
    ip2region_destroy(&worker);

    CNativeFile check;
    ASSERT_TRUE(check.Open(path, CNativeFile::Access::kReadShared));
    EXPECT_EQ(OpenDatabase(worker, path), 1);
    ip2region_destroy(&worker);
}

}  // namespace
}  // namespace quorvane
