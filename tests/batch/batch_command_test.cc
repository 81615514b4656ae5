// Runs the built quorvane-batch over databases and lists made here, and compares its output with
// what the desktop tool's export writes for the same list.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#include "batch/address_list.h"
#include "batch/address_table.h"
#include "batch/lookup_run.h"
#include "batch/thread_group.h"
#include "files/conversions.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/temp_database.h"
#include "tools/dbwriter/synthetic_ranges.h"

#ifndef QUORVANE_BATCH_EXE
#error "QUORVANE_BATCH_EXE must name the built quorvane-batch"
#endif

namespace quorvane {
namespace {

using dbwriter::MakeSyntheticRanges;
using dbwriter::Range;
using test::TempDatabase;

class BatchCommandTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return m_scratch.Path(name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        return m_scratch.Write(name, bytes);
    }
    static std::string Read(const std::string& path) { return test::ReadBytes(path); }

    // Runs the command with args (each quoted for the shell); returns its exit code and keeps
    // what it printed.
    int Run(const std::vector<std::string>& args) {
        const std::string out = Path("stdout");
        const std::string err = Path("stderr");
        // A command that hangs (on a pipe, say) fails the test instead of holding it.
        // The limits apply inside a subshell whose files are already redirected.
        std::string command = "(" + m_limits + "exec timeout 60 '" QUORVANE_BATCH_EXE "'";
        for (const std::string& arg : args) {
            command += " '" + arg + "'";
        }
        command += ") >'" + out + "' 2>'" + err + "' </dev/null";
        const int status = std::system(command.c_str());
        m_stdout = Read(out);
        m_stderr = Read(err);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Shell commands run before the command, in its shell: "ulimit -n 5; ".
    std::string m_limits;
    test::ScratchDir m_scratch{"quorvane-batch"};
    const std::string m_dir = m_scratch.Dir().string();
    std::string m_stdout;
    std::string m_stderr;
};

TEST_F(BatchCommandTest, WritesExactBytes) {
    TempDatabase db({Range{0, 0x07FFFFFFu, "A|0|B|C|D"},
                     Range{0x08000000u, 0x08FFFFFFu, "美国|0|0|0|Level3"},
                     Range{0x09000000u, 0x09FFFFFFu, "X|0|Y"}});
    ASSERT_TRUE(db.Ok()) << db.Error();
    const std::string in = Write("in.txt",
                                 "\xEF\xBB\xBF"
                                 "1.1.1.1\r\n8.8.8.8\r\n\r\n9.1.2.3\r\n200.1.1.1");
    const std::string out = Write("out.txt", std::string(1000, 'z'));
    ASSERT_EQ(Run({"--db", db.Path(), in, out}), 0) << m_stderr;
    EXPECT_EQ(Read(out),
              "1.1.1.1,A,B,C,D\r\n"
              "8.8.8.8,\xE7\xBE\x8E\xE5\x9B\xBD,,,Level3\r\n"
              ",,,,\r\n"
              "9.1.2.3,X,Y,,\r\n"
              "200.1.1.1,,,,\r\n");
    // Standard output is left to the data; no progress line unless stderr is a terminal.
    EXPECT_EQ(m_stdout, "");
    EXPECT_EQ(m_stderr, "导出成功!\n");

    ASSERT_EQ(Run({"--db=" + db.Path(), in, out}), 0) << m_stderr;
    EXPECT_EQ(Read(out).substr(0, 17), "1.1.1.1,A,B,C,D\r\n");
}

// The command and the desktop tool's run and export give the same bytes for the same list.
TEST_F(BatchCommandTest, SameBytesAsTheToolsExport) {
#ifdef QUORVANE_SANITIZED
    constexpr std::size_t kRanges = 2000, kRows = 2000;
#else
    constexpr std::size_t kRanges = 30000, kRows = 30000;
#endif
    TempDatabase db(MakeSyntheticRanges(kRanges, 11));
    ASSERT_TRUE(db.Ok()) << db.Error();
    std::string list;
    std::uint32_t value = 99;
    for (std::size_t i = 0; i < kRows; ++i) {
        value = value * 1103515245u + 12345u;
        list += std::to_string(value >> 24) + "." + std::to_string((value >> 16) & 255) + "." +
                std::to_string((value >> 8) & 255) + "." + std::to_string(value & 255) + "\n";
    }
    const std::string in = Write("in.txt", list);
    const std::string out = Path("out.txt");
    ASSERT_EQ(Run({"--db", db.Path(), in, out}), 0) << m_stderr;

    CAddressTable table;
    std::vector<std::u16string> lines;
    ASSERT_TRUE(ReadAddressList(Utf8ToWide(in), lines));
    for (std::u16string& line : lines) {
        table.AppendRow(AddressRow{std::move(line), {}, {}, {}, {}});
    }
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
    {
        CThreadGroup group;
        table.BeginRun();
        ASSERT_TRUE(group.Launch(
            MakeLookupWork(table, OpenDatabaseFile(Utf8ToWide(db.Path())).database), {}, [&] {
                table.EndRun();
                std::lock_guard<std::mutex> guard(lock);
                done = true;
                finished.notify_all();
            }));
        std::unique_lock<std::mutex> guard(lock);
        finished.wait(guard, [&] { return done; });
    }
    const std::string expected = Path("expected.txt");
    ASSERT_TRUE(WriteResultFile(table, Utf8ToWide(expected)));
    const std::string bytes = Read(out);
    EXPECT_EQ(bytes.size(), Read(expected).size());
    EXPECT_TRUE(bytes == Read(expected));
    EXPECT_NE(bytes.find("\xE5"), std::string::npos) << "the synthetic texts are mostly Chinese";
}

// IPv6 rows answer from the region6.db named by --db6, IPv4-mapped ones from the IPv4 file; a
// --db6 that names no usable IPv6 file (missing, damaged, or an IPv4 file) ends the command as a
// bad --db does, and an IPv6 file given as --db is refused too.
TEST_F(BatchCommandTest, Ipv6RowsAndTheFilesTheyNeed) {
    TempDatabase db({Range{0, 0x07FFFFFFu, "A|0|B|C|D"}, Range{0x08000000u, 0xFFFFFFFFu, "E|0|F|G|H"}});
    ASSERT_TRUE(db.Ok()) << db.Error();
    const std::string db6 = Path("region6.db");
    test::WriteRegion6File(db6, test::SampleRanges6());
    const std::string in = Write("in.txt",
                                 "8.8.8.8\r\n2001:db8::1\r\n::ffff:1.2.3.4\r\n 240e:4c::1\r\n"
                                 "[2001:db8::1]\r\n2400::1\r\n");
    const std::string out = Path("out.txt");
    ASSERT_EQ(Run({"--db", db.Path(), "--db6", db6, in, out}), 0) << m_stderr;
    EXPECT_EQ(Read(out),
              "8.8.8.8,E,F,G,H\r\n2001:db8::1,文档,,,示例\r\n::ffff:1.2.3.4,A,B,C,D\r\n"
              " 240e:4c::1,中国,广东省,深圳市,电信\r\n[2001:db8::1],,,,\r\n2400::1,,,,\r\n");
    EXPECT_EQ(m_stderr, "导出成功!\n");
    ASSERT_EQ(Run({"--db", db.Path(), "--db6=" + db6, in, out}), 0) << m_stderr;

    const std::string garbage = Write("garbage.db", "QVR6\r\n\x1a\n and nothing more");
    for (const std::string& bad : {Path("absent.db"), garbage, db.Path(), m_dir}) {
        const std::string before = Read(out);
        EXPECT_EQ(Run({"--db", db.Path(), "--db6", bad, in, out}), 3) << bad;
        EXPECT_NE(m_stderr.find(bad), std::string::npos) << m_stderr;
        EXPECT_EQ(Read(out), before) << "nothing is written";
    }
    EXPECT_EQ(Run({"--db", db6, in, out}), 3);
    EXPECT_EQ(Run({"--db", db.Path(), "--db6", in, out}), 2);
    EXPECT_EQ(Run({"--db", db.Path(), "--db6=", in, out}), 2);
}

// Without --db6 the command looks beside itself; a missing default file is a warning that counts
// the IPv6 rows left empty, and the run goes on. A list without IPv6 rows hears nothing of it.
TEST_F(BatchCommandTest, AMissingDefaultRegion6IsAWarning) {
    TempDatabase db({Range{0, 0xFFFFFFFFu, "A|0|B|C|D"}});
    ASSERT_TRUE(db.Ok()) << db.Error();
    // A copy of the command in a folder without region6.db.
    const std::string program = Path("quorvane-batch-copy");
    std::filesystem::copy_file(QUORVANE_BATCH_EXE, program);
    const std::string in = Write("in.txt", "1.2.3.4\n2001:db8::1\n::ffff:1.2.3.4\nfe80::1\nx:y\n");
    const std::string out = Path("out.txt");
    const std::string command = "'" + program + "' --db '" + db.Path() + "' '";
    ASSERT_EQ(std::system((command + in + "' '" + out + "' 2>'" + Path("err") + "'").c_str()), 0);
    EXPECT_EQ(Read(out),
              "1.2.3.4,A,B,C,D\r\n2001:db8::1,,,,\r\n::ffff:1.2.3.4,A,B,C,D\r\nfe80::1,,,,\r\nx:y,,,,\r\n");
    const std::string err = Read(Path("err"));
    EXPECT_NE(err.find("2 行IPv6地址的结果为空"), std::string::npos) << err;
    EXPECT_NE(err.find(Path("region6.db")), std::string::npos) << err;

    const std::string v4 = Write("v4.txt", "1.2.3.4\n::ffff:1.2.3.4\n");
    ASSERT_EQ(std::system((command + v4 + "' '" + out + "' 2>'" + Path("err") + "'").c_str()), 0);
    EXPECT_EQ(Read(Path("err")), "导出成功!\n");
}

TEST_F(BatchCommandTest, ExitCodes) {
    TempDatabase db({Range{0, 0xFFFFFFFFu, "A|0|B|C|D"}});
    ASSERT_TRUE(db.Ok()) << db.Error();
    const std::string in = Write("in.txt", "1.2.3.4\n");
    const std::string empty = Write("empty.txt", "");
    const std::string out = Path("out.txt");

    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(m_stdout.find("--db"), std::string::npos);
    EXPECT_NE(m_stdout.find("6 输入文件为空"), std::string::npos) << m_stdout;

    // Usage.
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({in}), 2);
    EXPECT_EQ(Run({in, out, out}), 2);
    EXPECT_EQ(Run({"--frobnicate", in, out}), 2);
    EXPECT_EQ(Run({in, out, "--db"}), 2);
    EXPECT_EQ(Run({"--db=", in, out}), 2);
    EXPECT_NE(m_stderr.find("--db"), std::string::npos);

    // Missing database, checked first; a directory is no database.
    EXPECT_EQ(Run({"--db", Path("nothing.db"), Path("nothing.txt"), out}), 3);
    EXPECT_EQ(m_stderr, "未找到ip2region.db文件!\n");
    EXPECT_EQ(Run({"--db", m_dir, in, out}), 3);

    // Unreadable input, created by nobody.
    const std::string missingInput = Path("missing-input.txt");
    EXPECT_EQ(Run({"--db", db.Path(), missingInput, out}), 4);
    EXPECT_NE(access(missingInput.c_str(), F_OK), 0);

    // Empty input: nothing to resolve, nothing written.
    EXPECT_EQ(Run({"--db", db.Path(), empty, out}), 6);
    EXPECT_EQ(m_stderr, "请导入IP地址!\n");
    EXPECT_NE(access(out.c_str(), F_OK), 0);

    // Unwritable output: no success message.
    EXPECT_EQ(Run({"--db", db.Path(), in, m_dir + "/no/such/dir.txt"}), 5);
    EXPECT_EQ(m_stderr.find("导出成功"), std::string::npos);
    EXPECT_EQ(Run({"--db", db.Path(), in, m_dir}), 5);
    if (access("/dev/full", W_OK) == 0) {
        EXPECT_EQ(Run({"--db", db.Path(), in, "/dev/full"}), 5);
        EXPECT_EQ(m_stderr.find("导出成功"), std::string::npos);
    }

    EXPECT_EQ(Run({"--db", db.Path(), "--", in, out}), 0) << m_stderr;
    EXPECT_EQ(Read(out), "1.2.3.4,A,B,C,D\r\n");

    // A device is no list: /dev/zero would grow until memory ran out.
    EXPECT_EQ(Run({"--db", db.Path(), "/dev/zero", out}), 4);
    // A name whose bytes are no UTF-8 would reach the file system as another name.
    EXPECT_EQ(Run({"--db", db.Path(), in, m_dir + "/bad\xFF\xFEname.txt"}), 5);
    EXPECT_EQ(m_stderr.find("导出成功"), std::string::npos);
    EXPECT_EQ(Run({"--db", db.Path(), in + "\xFF", out}), 4);
}

// Each of these would have run to "导出成功!" with empty fields, hung, or loaded gigabytes.
TEST_F(BatchCommandTest, RefusesWhatIsNoDatabase) {
    TempDatabase db(MakeSyntheticRanges(2000, 7));
    ASSERT_TRUE(db.Ok()) << db.Error();
    const std::string image = Read(db.Path());
    const std::string in = Write("in.txt", "1.2.3.4\n");
    const std::string out = Path("out.txt");

    const std::string fifo = Path("pipe.db");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Run({"--db", fifo, in, out}), 3) << "a pipe is refused at once";
    EXPECT_EQ(m_stderr, "数据库文件已损坏或无法读取! " + fifo + " (不是普通文件)\n");
    EXPECT_EQ(Run({"--db", m_dir, in, out}), 3);
    EXPECT_EQ(m_stderr, "数据库文件已损坏或无法读取! " + m_dir + " (不是普通文件)\n");

    std::string bounds = image.substr(0, 8);
    bounds[0] ^= 4;  // index no longer a whole number of entries long
    std::mt19937 random(11);
    std::string noise(20000, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random());
    }
    const std::string sparse = Path("sparse.db");
    { std::ofstream(sparse, std::ios::binary) << image; }
    ASSERT_EQ(truncate(sparse.c_str(), std::int64_t{1} << 30), 0);
    const std::string unreadable = Write("unreadable.db", image);
    chmod(unreadable.c_str(), 0);
    for (const std::string& bad :
         {Write("empty.db", ""), Write("noise.db", noise),
          Write("cut.db", image.substr(0, image.size() / 2)),
          Write("shifted.db", bounds + image.substr(8)), sparse, unreadable}) {
        if (bad == unreadable && access(bad.c_str(), R_OK) == 0) {
            continue;  // root reads it anyway
        }
        EXPECT_EQ(Run({"--db", bad, in, out}), 3) << bad;
        EXPECT_NE(m_stderr.find(bad), std::string::npos) << "names the file: " << m_stderr;
        EXPECT_NE(access(out.c_str(), F_OK), 0);
    }
    EXPECT_EQ(Run({"--db", db.Path(), in, out}), 0) << m_stderr;
}

// A database with a damaged layout or a text that is not UTF-8 is refused before any row is
// looked up, not searched for answers that are wrong or not text at all.
TEST_F(BatchCommandTest, RefusesADamagedDatabase) {
    const std::vector<Range> ranges = {Range{0, 0x7FFFFFFFu, "A|0|B|C|D"},
                                       Range{0x80000000u, 0xFFFFFFFFu, "E|0|F|G|H"}};
    TempDatabase db(ranges);
    ASSERT_TRUE(db.Ok()) << db.Error();
    const std::string image = Read(db.Path());
    const std::string in = Write("in.txt", "1.2.3.4\n200.1.1.1\n");
    const std::string out = Path("out.txt");
    std::string badText = image;
    badText[badText.find("E|0|F") + 2] = '\xFF';
    std::string overlap = image;
    // The first index entry's record moved onto the index itself.
    const std::uint32_t first = static_cast<unsigned char>(image[0]) |
                                static_cast<unsigned char>(image[1]) << 8 |
                                static_cast<unsigned char>(image[2]) << 16;
    overlap[first + 8] = static_cast<char>(first & 0xFF);
    overlap[first + 9] = static_cast<char>(first >> 8 & 0xFF);
    overlap[first + 10] = static_cast<char>(first >> 16 & 0xFF);
    for (const std::string& bad : {Write("text.db", badText), Write("overlap.db", overlap)}) {
        EXPECT_EQ(Run({"--db", bad, in, out}), 3) << bad;
        EXPECT_NE(m_stderr.find("已损坏"), std::string::npos) << m_stderr;
        EXPECT_NE(access(out.c_str(), F_OK), 0);
    }
}

// Limits on the process never give a successful run of empty rows: the run searches the file it
// opened, and when it cannot, it fails with a message.
TEST_F(BatchCommandTest, ResourceLimitsNeverGiveEmptyRowsAsSuccess) {
    TempDatabase db(MakeSyntheticRanges(2000, 5));
    ASSERT_TRUE(db.Ok()) << db.Error();
    std::string list;
    for (int i = 0; i < 3000; ++i) {
        list += std::to_string(i % 223 + 1) + "." + std::to_string(i % 251) + ".7.9\n";
    }
    const std::string in = Write("in.txt", list);
    const std::string expected = Path("expected.txt");
    ASSERT_EQ(Run({"--db", db.Path(), in, expected}), 0) << m_stderr;
    for (const char* limit : {"ulimit -n 5; ", "ulimit -n 6; ", "ulimit -n 7; "}) {
        m_limits = limit;
        const std::string out = Path("out.txt");
        std::remove(out.c_str());
        const int code = Run({"--db", db.Path(), in, out});
        if (code == 0) {
            EXPECT_EQ(Read(out), Read(expected)) << limit << "success means every row answered";
        } else {
            EXPECT_NE(m_stderr, "") << limit << "a failure says why";
        }
    }
}

// Address space that runs out during the run (a record of the result store cannot be made):
// the command says so and exits 1, or, with room enough, writes every row; it never aborts.
// Sanitizers reserve more address space than any of these limits allows.
#ifndef QUORVANE_SANITIZED
TEST_F(BatchCommandTest, RunningOutOfMemoryFailsWithAMessage) {
    TempDatabase db(MakeSyntheticRanges(30000, 9));
    ASSERT_TRUE(db.Ok()) << db.Error();
    std::string list;
    std::uint32_t value = 3;
    for (int i = 0; i < 1000000; ++i) {
        value = value * 1103515245u + 12345u;
        list += std::to_string(value >> 24) + "." + std::to_string(value >> 16 & 255) + "." +
                std::to_string(value >> 8 & 255) + "." + std::to_string(value & 255) + "\n";
    }
    const std::string in = Write("in.txt", list);
    const std::string expected = Path("expected.txt");
    ASSERT_EQ(Run({"--db", db.Path(), in, expected}), 0) << m_stderr;
    for (int limit = 100000; limit <= 400000; limit += 50000) {
        m_limits = "ulimit -v " + std::to_string(limit) + "; ";
        const std::string out = Path("out.txt");
        std::remove(out.c_str());
        const int code = Run({"--db", db.Path(), in, out});
        SCOPED_TRACE(m_limits + m_stderr);
        if (code == 0) {
            EXPECT_EQ(Read(out), Read(expected));
        } else {
            EXPECT_TRUE(code == 1 || code == 4) << code << ": an abort is 134";
            EXPECT_NE(m_stderr, "");
            EXPECT_NE(access(out.c_str(), F_OK), 0);
        }
    }
}
#endif

// The export reaches the target only whole: until then the previous file stays, and a pipe is
// written directly rather than replaced.
TEST_F(BatchCommandTest, OutputIsReplacedWholeOrWrittenToAPipe) {
    TempDatabase db({Range{0, 0xFFFFFFFFu, "Cloudflare, Inc.|0|B,b|C|D"}});
    ASSERT_TRUE(db.Ok()) << db.Error();
    const std::string in = Write("in.txt", "1.2.3.4\nhello\n");
    const std::string fifo = Path("out.pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string copy = Path("copy.txt");
    const std::string reader = "cat '" + fifo + "' >'" + copy + "' &";
    ASSERT_EQ(std::system(reader.c_str()), 0);
    ASSERT_EQ(Run({"--db", db.Path(), in, fifo}), 0) << m_stderr;
    for (int i = 0; i < 100 && Read(copy).size() < 40; ++i) {
        usleep(50000);
    }
    const std::string expected =
        "1.2.3.4,Cloudflare\xEF\xBC\x8C Inc.,B\xEF\xBC\x8C"
        "b,C,D\r\nhello,,,,\r\n";
    EXPECT_EQ(Read(copy), expected);

    // Interrupted half-way: the old file is whole and no temporary file is left beside it.
    std::string many;
    std::size_t wholeSize = 0;
    for (int i = 0; i < 400000; ++i) {
        const std::string address = "10.0.0." + std::to_string(i % 256);
        many += address + "\n";
        wholeSize += address.size() + expected.size() - 7 - 11;  // the first line, for address
    }
    const std::string big = Write("big.txt", many);
    const std::string out = Write("out.txt", "previous\r\n");
    const std::string killer = "timeout -s TERM 0.3 '" QUORVANE_BATCH_EXE "' --db '" + db.Path() +
                               "' '" + big + "' '" + out + "' >/dev/null 2>&1";
    const int status = std::system(killer.c_str());
    const std::string after = Read(out);
    EXPECT_TRUE(after == "previous\r\n" || after.size() == wholeSize)
        << "status " << status << ", " << after.size() << " bytes";
    for (const auto& entry : std::filesystem::directory_iterator(m_dir)) {
        EXPECT_EQ(entry.path().filename().string().find(".quorvane-"), std::string::npos)
            << entry.path();
    }
}

}  // namespace
}  // namespace quorvane
