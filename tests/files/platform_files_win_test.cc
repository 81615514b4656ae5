// The Windows twins of the platform files: the program's folder, and files opened by wide name.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "files/app_directory.h"
#include "files/conversions.h"
#include "files/text_file.h"
#include "tests/support/scratch_dir.h"

namespace quorvane {
namespace {

TEST(PlatformFilesWinTest, AppDirectoryHoldsTheRunningProgram) {
    const std::u16string dir = GetAppDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), u'\\');
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(dir) / "quorvane_files_test.exe"));
}

using test::ReadBytes;
using test::WriteBytes;

// A folder whose name the ANSI code page of Wine's default locale cannot hold.
class WideFolderTest : public ::testing::Test {
  protected:
    std::filesystem::path Path(const char16_t* name) const { return m_dir / name; }

    const test::ScratchDir m_scratch{"quorvane-\u5BFC\u51FA"};
    const std::filesystem::path& m_dir = m_scratch.Dir();
};

TEST_F(WideFolderTest, ExportReplacesTheTargetWholeOnlyWhenComplete) {
    const std::filesystem::path target = Path(u"\u7ED3\u679C.txt");
    WriteBytes(target, "old\r\n");
    {
        CTextFile file(target.u16string(), CTextFile::Mode::kWrite);
        ASSERT_TRUE(file.IsOpen());
        file.WriteLine(u"\u4E2D 1.2.3.4");
        // While the new file is written beside it, the target still holds the old lines.
        EXPECT_EQ(ReadBytes(target), "old\r\n");
        EXPECT_TRUE(file.Close());
    }
    EXPECT_EQ(ReadBytes(target), "\xE4\xB8\xAD 1.2.3.4\r\n");
    {
        CTextFile file(target.u16string(), CTextFile::Mode::kWrite);
        file.WriteLine(u"unfinished");
    }  // not closed by its writer: the target keeps what it held
    EXPECT_EQ(ReadBytes(target), "\xE4\xB8\xAD 1.2.3.4\r\n");

    CTextFile reader(target.u16string(), CTextFile::Mode::kRead);
    std::u16string line;
    ASSERT_TRUE(reader.ReadLine(line));
    // The export while the reader holds the file (no sharing) fails and leaves it whole.
    CTextFile writer(target.u16string(), CTextFile::Mode::kWrite);
    writer.WriteLine(u"x");
    EXPECT_FALSE(writer.Close());
    reader.Close();
    EXPECT_EQ(ReadBytes(target), "\xE4\xB8\xAD 1.2.3.4\r\n");
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(WideFolderTest, ReadingNeverCreatesAndRefusesFolders) {
    CTextFile missing(Path(u"none.txt").u16string(), CTextFile::Mode::kRead);
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(Path(u"none.txt")));
    CTextFile folder(m_dir.u16string(), CTextFile::Mode::kRead);
    EXPECT_FALSE(folder.IsOpen());
}

// What a failure was, and the leftovers of a process that was ended outright.
TEST_F(WideFolderTest, FailuresTellTheirCauseAndStaleFilesGo) {
    CTextFile missing(Path(u"none.txt").u16string(), CTextFile::Mode::kRead);
    EXPECT_EQ(missing.Error().problem, FileProblem::kNotFound);
    CTextFile noFolder(Path(u"none/out.txt").u16string(), CTextFile::Mode::kWrite);
    EXPECT_EQ(noFolder.Error().problem, FileProblem::kNotFound);

    // A process number no process has (Windows numbers are multiples of 4), and our own.
    const std::filesystem::path stale = Path(u".qv-4294967-0");
    const std::filesystem::path live =
        Path((u".qv-" + Utf8ToWide(std::to_string(GetCurrentProcessId())) + u"-9").c_str());
    WriteBytes(stale, "partial");
    WriteBytes(live, "being written");
    CTextFile file(Path(u"out.txt").u16string(), CTextFile::Mode::kWrite);
    file.WriteLine(u"1.2.3.4");
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(live));
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
