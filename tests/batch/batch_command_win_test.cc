// quorvane-batch.exe started as a Windows user starts it: file names in any script on the
// command line, in a folder whose name is not ASCII either. The ANSI code page (argv) cannot
// spell them, whether it is Western (names become '?') or Chinese (names arrive as GBK bytes).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "files/app_directory.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_dir.h"
#include "tools/dbwriter/db_writer.h"

namespace quorvane {
namespace {

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class BatchCommandNamesTest : public ::testing::Test {
  protected:
    BatchCommandNamesTest() {
        std::vector<std::uint8_t> image;
        std::string error;
        EXPECT_TRUE(dbwriter::BuildDatabase(
            {dbwriter::Range{0, 0xFFFFFFFFu, "中国|0|广东省|广州市|电信"}}, {}, image, error))
            << error;
        test::WriteBytes(m_dir.Path("数据库 (副本).db"), std::string(image.begin(), image.end()));
        test::WriteBytes(m_dir.Path("地址列表.txt"), "1.2.3.4\r\nhello\r\n");
    }

    int Run(const std::vector<std::string>& args) {
        const auto batch = std::filesystem::path(GetAppDirectory()) / "quorvane-batch.exe";
        const int code = test::RunProgram(batch, args, m_dir.Path("stdout"), m_dir.Path("stderr"));
        m_errors = test::ReadBytes(m_dir.Path("stderr"));
        return code;
    }

    std::string Name(const char* name) const { return Utf8(m_dir.Path(name)); }

    const test::ScratchDir m_dir{"quorvane-批量"};
    std::string m_errors;
};

// The run in a Chinese locale says which code page it expects, so that a locale Wine did not
// take cannot pass as one.
TEST(BatchCommandLocaleTest, AnsiCodePageIsTheOneAskedFor) {
    const char* expected = std::getenv("QUORVANE_EXPECT_ACP");
    if (expected == nullptr) {
        GTEST_SKIP() << "no code page asked for";
    }
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

constexpr char kExpected[] = "1.2.3.4,中国,广东省,广州市,电信\r\nhello,,,,\r\n";

TEST_F(BatchCommandNamesTest, ChineseDatabaseInputAndOutputNames) {
    ASSERT_EQ(Run({"--db", Name("数据库 (副本).db"), Name("地址列表.txt"), Name("结果.txt")}), 0)
        << m_errors;
    EXPECT_EQ(test::ReadBytes(m_dir.Path("结果.txt")), kExpected);

    ASSERT_EQ(
        Run({"--db=" + Name("数据库 (副本).db"), "--", Name("地址列表.txt"), Name("结果二.txt")}),
        0)
        << m_errors;
    EXPECT_EQ(test::ReadBytes(m_dir.Path("结果二.txt")), kExpected);
}

TEST_F(BatchCommandNamesTest, ChineseNamesThatDoNotExistAreReportedAsSuch) {
    EXPECT_EQ(Run({"--db", Name("没有.db"), Name("地址列表.txt"), Name("结果.txt")}), 3);
    EXPECT_EQ(Run({"--db", Name("数据库 (副本).db"), Name("没有.txt"), Name("结果.txt")}), 4);
    EXPECT_EQ(Run({"--db", Name("数据库 (副本).db"), Name("地址列表.txt"),
                   Name("没有的文件夹\\结果.txt")}),
              5);
    EXPECT_FALSE(std::filesystem::exists(m_dir.Path("结果.txt")));
}

}  // namespace
}  // namespace quorvane
