#include "files/app_directory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "files/conversions.h"

namespace quorvane {
namespace {

TEST(AppDirectoryTest, DirectoryOfTheRunningProgram) {
    const std::u16string dir = GetAppDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.front(), u'/');
    EXPECT_EQ(dir.back(), u'/');
    // The program's own file is in it.
    const std::string self = WideToUtf8(dir) + program_invocation_short_name;
    struct stat here;
    struct stat running;
    ASSERT_EQ(stat(self.c_str(), &here), 0) << self;
    ASSERT_EQ(stat("/proc/self/exe", &running), 0);
    EXPECT_EQ(here.st_ino, running.st_ino);
    EXPECT_EQ(here.st_dev, running.st_dev);
}

TEST(AppDirectoryTest, DirectoryPart) {
    EXPECT_EQ(DirectoryPart(u"/opt/quorvane/quorvane"), u"/opt/quorvane/");
    EXPECT_EQ(DirectoryPart(u"/quorvane"), u"/");
    EXPECT_EQ(DirectoryPart(u"quorvane"), u"");
    EXPECT_EQ(DirectoryPart(u""), u"");
    // A backslash is an ordinary character in a name here.
    EXPECT_EQ(DirectoryPart(u"/a\\b/c\\d"), u"/a\\b/");
}

}  // namespace
}  // namespace quorvane
