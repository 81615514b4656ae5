// The Windows twins of the platform files: the program's folder, and files opened by wide name.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "files/app_directory.h"
#include "files/conversions.h"
#include "files/text_file.h"

namespace quorvane {
namespace {

TEST(PlatformFilesWinTest, AppDirectoryHoldsTheRunningProgram) {
    const std::u16string dir = GetAppDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), u'\\');
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(dir) / "quorvane_files_test.exe"));
}

class CodePageTest : public ::testing::Test {
  protected:
    void TearDown() override { SetAnsiCharset(""); }
};

TEST_F(CodePageTest, DefaultIsTheThreadsAnsiCodePage) {
    EXPECT_FALSE(IsAnsiCharsetUtf8());
    SetAnsiCharset("CP" + std::to_string(GetACP()));
    const std::string named = GetAnsiCharset();
    SetAnsiCharset("");
    EXPECT_EQ(GetAnsiCharset(), named);
}

TEST_F(CodePageTest, ChineseCodePageRoundTripsAndOthersMarkWhatTheyLack) {
    SetAnsiCharset("CP936");
    EXPECT_EQ(WideToAnsi(u"\u4E2D\u6587 1.2.3.4"), "\xD6\xD0\xCE\xC4 1.2.3.4");
    EXPECT_EQ(AnsiToWide("\xD6\xD0\xCE\xC4 1.2.3.4"), u"\u4E2D\u6587 1.2.3.4");
    SetAnsiCharset("ISO-8859-1");
    EXPECT_EQ(AnsiToWide("\xD6\xD0"), u"\u00D6\u00D0");
    EXPECT_EQ(WideToAnsi(u"a\u4E2Db"), "a?b");
    SetAnsiCharset("UTF-8");
    EXPECT_TRUE(IsAnsiCharsetUtf8());
    EXPECT_EQ(WideToAnsi(u"\u4E2D"), "\xE4\xB8\xAD");
    SetAnsiCharset("NO-SUCH-CHARSET");
    EXPECT_EQ(AnsiToWide("1.2.3.4\xE9"), u"1.2.3.4\uFFFD");
    EXPECT_EQ(WideToAnsi(u"1.2.3.4\u00E9"), "1.2.3.4?");
}

}  // namespace
}  // namespace quorvane
