// Runs quorvane-dbmake and quorvane-dbcheck as a user would: exit codes and messages.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/scratch_dir.h"
#include "tests/tools/image_reader.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CommandsTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return m_scratch.Path(name).string(); }

    std::string Write(const std::string& name, const std::string& content) const {
        return m_scratch.Write(name, content);
    }

    static std::string Read(const std::string& path) { return quorvane::test::ReadBytes(path); }

    // Runs a shell command line with stdout and stderr captured.
    Outcome Run(const std::string& command) const {
        std::string line = command + " >'" + Path("out.txt") + "' 2>'" + Path("err.txt") + "'";
        int status = std::system(line.c_str());
        Outcome outcome;
        outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        outcome.out = Read(Path("out.txt"));
        outcome.err = Read(Path("err.txt"));
        return outcome;
    }

    const quorvane::test::ScratchDir m_scratch{"quorvane-commands"};
    const fs::path& m_dir = m_scratch.Dir();
};

const std::string kMake = QUORVANE_DBMAKE;
const std::string kCheck = QUORVANE_DBCHECK;

TEST_F(CommandsTest, DbmakeBuildsADatabaseThatDbcheckAccepts) {
    std::string input = Write("in.csv",
                              "1.0.0.0,1.0.0.255,中国|0|福建省|福州|电信\n"
                              "16777472,1.0.3.255,澳大利亚|0|0|0|0\n");
    Outcome made = Run(kMake + " '" + input + "' '" + Path("a.db") + "'");
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(made.err, "");

    Outcome checked = Run(kCheck + " '" + Path("a.db") + "'");
    EXPECT_EQ(checked.exitCode, 0) << checked.out;
    EXPECT_NE(checked.out.find(": 有效 (valid)\n"), std::string::npos) << checked.out;
    EXPECT_NE(checked.out.find("\n区段 ranges                         2\n"), std::string::npos)
        << checked.out;

    // Standard input gives the same bytes; --fill covers the rest of the space.
    Outcome piped = Run("cat '" + input + "' | " + kMake + " - '" + Path("b.db") + "'");
    ASSERT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_EQ(Read(Path("a.db")), Read(Path("b.db")));

    Outcome filled = Run(kMake + " --fill '0|0|0|0|0' '" + input + "' '" + Path("c.db") + "'");
    ASSERT_EQ(filled.exitCode, 0) << filled.err;
    std::string bytes = Read(Path("c.db"));
    std::vector<std::uint8_t> image(bytes.begin(), bytes.end());
    quorvane::test::DecodedImage decoded = quorvane::test::Decode(image);
    EXPECT_EQ(decoded.index.size(), 4u);
    EXPECT_EQ(decoded.Find(0xFFFFFFFF), "0|0|0|0|0");
}

TEST_F(CommandsTest, DbmakeNamesTheInputLineAtFault) {
    std::string input = Write("bad.csv", "1.0.0.0,1.0.0.255,a\n\n1.0.0.9,1.0.1.0,b\n");
    Outcome outcome = Run(kMake + " '" + input + "' '" + Path("x.db") + "'");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.err, input +
                               ":line 3: range starting at 1.0.0.9 overlaps the previous range "
                               "1.0.0.0-1.0.0.255\n");
    EXPECT_FALSE(fs::exists(Path("x.db")));

    outcome = Run("printf '5,4,x\\n' | " + kMake + " - '" + Path("x.db") + "'");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.err, "-:line 1: start 0.0.0.5 is above end 0.0.0.4\n");

    outcome = Run(kMake + " '" + Write("empty.csv", "") + "' '" + Path("x.db") + "'");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.err.find("no ranges"), std::string::npos) << outcome.err;

    outcome = Run(kMake + " '" + Path("missing.csv") + "' '" + Path("x.db") + "'");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.err.find("cannot open"), std::string::npos) << outcome.err;

    outcome = Run(kMake + " '" + input + "' '" + Path("no/such/dir/x.db") + "'");
    EXPECT_EQ(outcome.exitCode, 1);
}

TEST_F(CommandsTest, UsageErrorsExitWithTwo) {
    // The usage is Chinese first, with the English after it.
    const Outcome help = Run(kCheck + " --help");
    EXPECT_EQ(help.out.rfind("用法: quorvane-dbcheck 文件\n", 0), 0u) << help.out;
    EXPECT_EQ(Run(kMake + " --help").out.rfind("用法: quorvane-dbmake", 0), 0u);
    EXPECT_NE(Run(kMake + " --bogus a b").err.find("参数错误"), std::string::npos);
    EXPECT_EQ(Run(kMake).exitCode, 2);
    EXPECT_EQ(Run(kMake + " onlyone").exitCode, 2);
    EXPECT_EQ(Run(kMake + " a b c").exitCode, 2);
    EXPECT_EQ(Run(kMake + " --fill").exitCode, 2);
    EXPECT_EQ(Run(kMake + " --bogus a b").exitCode, 2);
    EXPECT_EQ(Run(kCheck).exitCode, 2);
    EXPECT_EQ(Run(kCheck + " a b").exitCode, 2);
}

TEST_F(CommandsTest, DbcheckListsViolations) {
    std::string broken = Write("broken.db", std::string(9000, '\0'));
    Outcome outcome = Run(kCheck + " '" + broken + "'");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.out.find("错误 error: the header index has 0 entries"), std::string::npos)
        << outcome.out;
    EXPECT_NE(outcome.out.find("无效, 共"), std::string::npos) << outcome.out;

    outcome = Run(kCheck + " '" + Path("missing.db") + "'");
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.err.find("cannot open"), std::string::npos) << outcome.err;

    // Reported, not aborted on (a directory) or read for ever (/dev/zero, a pipe).
    ASSERT_EQ(mkfifo(Path("pipe.db").c_str(), 0600), 0);
    for (const std::string& path : {m_dir.string(), std::string("/dev/zero"), Path("pipe.db")}) {
        outcome = Run("timeout 60 " + kCheck + " '" + path + "'");
        EXPECT_EQ(outcome.exitCode, 1) << path;
        EXPECT_NE(outcome.err.find("not a regular file"), std::string::npos) << outcome.err;
    }
}

TEST_F(CommandsTest, DbmakeWarnsAboutCommasInsideFields) {
    const std::string input = Write("commas.csv",
                                    "1.0.0.0,1.0.0.255,美国|0|0|0|Cloudflare, Inc.\n"
                                    "1.0.1.0,1.0.1.255,美国|0|0|0|Cloudflare\n");
    const Outcome made = Run(kMake + " '" + input + "' '" + Path("a.db") + "'");
    EXPECT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.err.find("\"美国|0|0|0|Cloudflare, Inc.\" holds ','"), std::string::npos)
        << made.err;
    EXPECT_NE(made.err.find("1 ranges hold ','"), std::string::npos) << made.err;
    EXPECT_TRUE(fs::exists(Path("a.db")));
}

}  // namespace
