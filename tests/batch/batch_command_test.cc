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
#include "tests/support/table_rows.h"
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

    // Runs script with bash, the command's path in $BATCH, in the scratch folder; returns the exit
    // code of the script and keeps what it printed.
    int Shell(const std::string& script) {
        const std::string file = Write("script.sh", script);
        const std::string out = Path("stdout");
        const std::string err = Path("stderr");
        const std::string command = "cd '" + m_dir +
                                    "' && BATCH='" QUORVANE_BATCH_EXE "' timeout 120 bash '" +
                                    file + "' >'" + out + "' 2>'" + err + "' </dev/null";
        const int status = std::system(command.c_str());
        m_stdout = Read(out);
        m_stderr = Read(err);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // How many temporary files of ours lie in folder.
    static int Leftovers(const std::string& folder) {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            count += entry.path().filename().string().starts_with(".qv-");
        }
        return count;
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
    std::vector<test::AddressRow> rows;
    for (std::u16string& line : lines) {
        rows.push_back(test::AddressRow{std::move(line), {}, {}, {}, {}});
    }
    test::AppendRows(table, rows);
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
    {
        CThreadGroup group;
        ASSERT_TRUE(StartLookupRun(group, table, OpenDatabaseFile(Utf8ToWide(db.Path())).database,
                                   nullptr, [&] {
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
    TempDatabase db(
        {Range{0, 0x07FFFFFFu, "A|0|B|C|D"}, Range{0x08000000u, 0xFFFFFFFFu, "E|0|F|G|H"}});
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
              "1.2.3.4,A,B,C,D\r\n2001:db8::1,,,,\r\n::ffff:1.2.3.4,A,B,C,D\r\nfe80::1,,,,\r\nx:y,,"
              ",,\r\n");
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
    // Still first while it loads beside the first lines' reading: before an empty list or an
    // unwritable output is reported, and before any output is opened.
    EXPECT_EQ(Run({"--db", Path("nothing.db"), empty, out}), 3);
    EXPECT_EQ(m_stderr, "未找到ip2region.db文件!\n");
    EXPECT_EQ(Run({"--db", m_dir, in, m_dir + "/no/such/dir.txt"}), 3);
    const std::string kept = Write("kept.txt", "kept");
    EXPECT_EQ(Run({"--db", m_dir, in, kept}), 3);
    EXPECT_EQ(Read(kept), "kept");

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
        EXPECT_EQ(entry.path().filename().string().find(".qv-"), std::string::npos) << entry.path();
    }
}

}  // namespace
}  // namespace quorvane

namespace quorvane {
namespace {

using dbwriter::Range;
using test::TempDatabase;

class BatchOutputTest : public BatchCommandTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_db.Ok()) << m_db.Error();
        m_in = Write("in.txt", "1.2.3.4\nhello\n");
    }

    // "--db DB": the start of every command line of a script.
    std::string Batch() const { return "\"$BATCH\" --db '" + m_db.Path() + "' "; }

    // A list of count addresses whose result is count * kBigLine bytes.
    std::string BigList(int count) {
        std::string many;
        for (int i = 0; i < count; ++i) {
            many += "10.0.0." + std::to_string(100 + i % 100) + "\n";
        }
        return Write("big.txt", many);
    }

    static constexpr char kExpected[] = "1.2.3.4,A,B,C,D\r\nhello,,,,\r\n";
    static constexpr std::size_t kBigLine = sizeof "10.0.0.100,A,B,C,D\r\n" - 1;

    TempDatabase m_db{{Range{0, 0xFFFFFFFFu, "A|0|B|C|D"}}};
    std::string m_in;
};

// "-" reads standard input and writes standard output; the success message then goes to stderr,
// away from the results. A pipe's encoding is told from its first bytes, as a file's.
TEST_F(BatchOutputTest, DashIsStandardInputAndOutput) {
    EXPECT_EQ(Shell("printf '1.2.3.4\\nhello\\n' | " + Batch() + "- -"), 0) << m_stderr;
    EXPECT_EQ(m_stdout, kExpected);
    EXPECT_EQ(m_stderr, "导出成功!\n");

    // UTF-16 with its mark, through a pipe: read as UTF-16, as the same file would be.
    Write("utf16.txt", std::string("\xFF\xFE"
                                   "1\0.\0"
                                   "2\0.\0"
                                   "3\0.\0"
                                   "4\0\n\0",
                                   18));
    EXPECT_EQ(Shell("cat utf16.txt | " + Batch() + "- out.txt"), 0) << m_stderr;
    EXPECT_EQ(Read(Path("out.txt")), "1.2.3.4,A,B,C,D\r\n");
    EXPECT_EQ(m_stdout, "");
    EXPECT_EQ(m_stderr, "导出成功!\n");

    // A file named "-" is "./-"; after "--" a lone "-" still means the stream.
    Write("-", "1.2.3.4\n");
    EXPECT_EQ(Shell(Batch() + "-- ./- - </dev/null"), 0) << m_stderr;
    EXPECT_EQ(m_stdout, "1.2.3.4,A,B,C,D\r\n");
    EXPECT_EQ(Shell(Batch() + "-- - - <'" + m_in + "'"), 0) << m_stderr;
    EXPECT_EQ(m_stdout, kExpected);

    // Standard output on a file is written at its position, never truncated or replaced.
    Write("log.txt", "before\n");
    EXPECT_EQ(Shell(Batch() + "in.txt - >>log.txt"), 0) << m_stderr;
    EXPECT_EQ(Read(Path("log.txt")), std::string("before\n") + kExpected);

    // Empty or unreadable standard input keeps the codes of a file.
    EXPECT_EQ(Shell(Batch() + "- out.txt </dev/null"), 6);
    EXPECT_EQ(Shell(": | " + Batch() + "- out.txt"), 6);
    EXPECT_EQ(Shell(Batch() + "- out.txt <&-"), 4);
    EXPECT_EQ(m_stderr, "无法读取文件! 标准输入: 标准输入或输出已关闭\n");
    EXPECT_EQ(Shell(Batch() + "- out.txt </dev/zero"), 4);
    EXPECT_EQ(m_stderr, "无法读取文件! 标准输入: 这不是普通文件\n");
}

// A reader that goes away, or no standard output at all, is a failed export: exit 5 and why.
TEST_F(BatchOutputTest, ClosedPipeFailsWithExitFive) {
    BigList(200000);  // far more than a pipe holds
    EXPECT_EQ(Shell(Batch() + "big.txt - | head -c 10 >/dev/null; exit ${PIPESTATUS[0]}"), 5);
    EXPECT_EQ(m_stderr, "导出失败! 标准输出: 管道已关闭\n");
    EXPECT_EQ(Shell(Batch() + "in.txt - >&-"), 5);
    EXPECT_EQ(m_stderr, "导出失败! 标准输出: 标准输入或输出已关闭\n");
}

// --threads takes 1 to 64 workers and changes nothing but their number; any other count is a
// usage error, as a bad option is.
TEST_F(BatchOutputTest, ThreadsOptionChangesOnlyTheWorkers) {
    std::string list;
    for (int i = 0; i < 60000; ++i) {  // several chunks, each line its own
        list += "10." + std::to_string(i >> 16) + "." + std::to_string((i >> 8) & 255) + "." +
                std::to_string(i & 255) + (i % 5 == 0 ? ",x\r\n" : "\r\n");
    }
    Write("many.txt", list);
    ASSERT_EQ(Shell(Batch() + "--threads 1 many.txt expected.txt"), 0) << m_stderr;
    const std::string expected = Read(Path("expected.txt"));
    EXPECT_TRUE(expected.starts_with("10.0.0.0，x,,,,\r\n10.0.0.1,A,B,C,D\r\n"))
        << expected.substr(0, 40);
    for (const char* threads : {"--threads=2", "--threads 3", "--threads 4", "--threads=64"}) {
        EXPECT_EQ(Shell(Batch() + threads + " many.txt out.txt"), 0) << threads << m_stderr;
        EXPECT_TRUE(Read(Path("out.txt")) == expected) << threads;
    }
    for (const char* bad :
         {"--threads 0 in.txt out.txt", "--threads 65 in.txt out.txt", "--threads x in.txt out.txt",
          "--threads=-1 in.txt out.txt", "--threads 2x in.txt out.txt", "--threads= in.txt out.txt",
          "--threads 99999999999 in.txt out.txt", "in.txt out.txt --threads"}) {
        EXPECT_EQ(Shell(Batch() + bad), 2) << bad;
        EXPECT_EQ(m_stderr.rfind("quorvane-batch: --threads", 0), 0u) << bad << ": " << m_stderr;
    }
    EXPECT_EQ(Shell(Batch() + "--help"), 0);
    EXPECT_NE(m_stdout.find("--threads"), std::string::npos);
}

// Through a pipe, lines arrive in pieces and a chunk ends anywhere; the encoding is told from the
// first bytes a pipe gives, as from a file's. Each way in writes the file's bytes.
TEST_F(BatchOutputTest, APipeGivesWhatTheFileGives) {
    const std::string expected = "1.2.3.4,A,B,C,D\r\nhello,,,,\r\n,,,,\r\n北京,,,,\r\n";
    const std::string utf8 =
        "\xEF\xBB\xBF"
        "1.2.3.4\r\nhello\r\n\r\n北京\r\n";
    std::string utf16le = "\xFF\xFE";
    std::string utf16be;
    for (char16_t c : Utf8ToWide(utf8.substr(3))) {
        utf16le += {static_cast<char>(c & 255), static_cast<char>(c >> 8)};
        utf16be += {static_cast<char>(c >> 8), static_cast<char>(c & 255)};
    }
    for (const std::string& bytes : {utf8, utf16le, utf16be}) {
        Write("list.txt", bytes);
        EXPECT_EQ(Shell(Batch() + "list.txt file.txt"), 0) << m_stderr;
        EXPECT_EQ(Read(Path("file.txt")), expected);
        EXPECT_EQ(Shell("cat list.txt | " + Batch() + "- -"), 0) << m_stderr;
        EXPECT_EQ(m_stdout, expected);
    }
    // A line, a CR LF pair and a UTF-16 unit each cut between two reads of the pipe.
    EXPECT_EQ(Shell("{ printf '1.2.'; sleep 0.2; printf '3.4\\r'; sleep 0.2; printf '\\nhel';"
                    "  sleep 0.2; printf 'lo\\n'; } | " +
                    Batch() + "- -"),
              0)
        << m_stderr;
    EXPECT_EQ(m_stdout, kExpected);
    Write("head.bin", utf16le.substr(0, 7));
    Write("tail.bin", utf16le.substr(7));
    EXPECT_EQ(Shell("{ cat head.bin; sleep 0.2; cat tail.bin; } | " + Batch() + "- -"), 0);
    EXPECT_EQ(m_stdout, expected);
}

// A write that fails part-way (here the file size limit, after several chunks were written) ends
// the command with exit 5; a named output keeps what it held and no temporary file is left.
TEST_F(BatchOutputTest, AWriteFailingMidwayKeepsTheOldFile) {
    BigList(200000);  // about 4 MB of results
    Write("out.txt", "previous\r\n");
    EXPECT_EQ(Shell("ulimit -f 1024; " + Batch() + "big.txt out.txt"), 5);
    EXPECT_EQ(m_stderr.rfind("导出失败! out.txt: ", 0), 0u) << m_stderr;
    EXPECT_EQ(Read(Path("out.txt")), "previous\r\n");
    EXPECT_EQ(Leftovers(m_dir), 0);
    EXPECT_EQ(Shell("ulimit -f 1024; " + Batch() + "big.txt - >stdout.txt"), 5);
    EXPECT_EQ(m_stderr.rfind("导出失败! 标准输出: ", 0), 0u) << m_stderr;
}

// Memory does not grow with the list: four million lines through a pipe go through in an address
// space that could not hold them all at once (a single allocation arena keeps the process's
// address space near what it uses).
#ifndef QUORVANE_SANITIZED
TEST_F(BatchOutputTest, AHugeListFitsInLittleMemory) {
    EXPECT_EQ(Shell("export MALLOC_ARENA_MAX=1; ulimit -v 100000; awk 'BEGIN { for (i = 0; i < "
                    "4000000; i++) printf \"10.%d.%d.%d\\n\", i / 65536 % 256, i / 256 % 256, i "
                    "% 256 }' | " +
                    Batch() + "- - | tail -n 1; exit ${PIPESTATUS[1]}"),
              0)
        << m_stderr;
    EXPECT_EQ(m_stdout, "10.61.8.255,A,B,C,D\r\n");
}
#endif

// Only the user's own regular file is ever replaced by a rename: a name that reaches one of our
// descriptors writes to it where the shell opened it, and a link stays a link.
TEST_F(BatchOutputTest, DescriptorsAndLinksAreWrittenNotReplaced) {
    struct stat before;
    struct stat after;
    // /dev/stdout on a file: the shell's own file gets the results.
    const std::string shellFile = Write("shell.txt", "");
    ASSERT_EQ(stat(shellFile.c_str(), &before), 0);
    EXPECT_EQ(Shell(Batch() + "in.txt /dev/stdout >shell.txt"), 0) << m_stderr;
    ASSERT_EQ(stat(shellFile.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "renamed over the shell's file";
    EXPECT_EQ(Read(shellFile), kExpected);

    // /dev/fd/N and /proc/self/fd/N: the descriptor itself, appending where it was opened so.
    Write("fd.txt", "kept\n");
    EXPECT_EQ(Shell(Batch() + "in.txt /dev/fd/3 3>>fd.txt && " + Batch() +
                    "in.txt /proc/self/fd/4 4>>fd.txt"),
              0)
        << m_stderr;
    EXPECT_EQ(Read(Path("fd.txt")), std::string("kept\n") + kExpected + kExpected);

    // A link of our own to standard output while that is a deleted file: the link stays a link
    // (this is how the system's /dev/stdout was replaced by a regular file).
    ASSERT_EQ(symlink("/proc/self/fd/1", Path("stdout-link").c_str()), 0);
    EXPECT_EQ(Shell("exec 5>gone.txt; rm gone.txt; " + Batch() + "in.txt stdout-link >&5; " +
                    "cat /proc/$$/fd/5"),
              0)
        << m_stderr;
    EXPECT_TRUE(std::filesystem::is_symlink(Path("stdout-link")));
    EXPECT_EQ(m_stdout, kExpected);

    // A link to a file not there yet: written through, and the link stays.
    ASSERT_EQ(symlink("made.txt", Path("dangling").c_str()), 0);
    EXPECT_EQ(Shell(Batch() + "in.txt dangling"), 0) << m_stderr;
    EXPECT_TRUE(std::filesystem::is_symlink(Path("dangling")));
    EXPECT_EQ(Read(Path("made.txt")), kExpected);

    // A chain of links ends at the regular file, which alone is replaced.
    const std::string real = Write("real.txt", "old\n");
    ASSERT_EQ(symlink("real.txt", Path("one").c_str()), 0);
    ASSERT_EQ(symlink(Path("one").c_str(), Path("two").c_str()), 0);
    EXPECT_EQ(Shell(Batch() + "in.txt two"), 0) << m_stderr;
    EXPECT_TRUE(std::filesystem::is_symlink(Path("one")) &&
                std::filesystem::is_symlink(Path("two")));
    EXPECT_EQ(Read(real), kExpected);

    // Links that point at each other name no file.
    ASSERT_EQ(symlink("loop-b", Path("loop-a").c_str()), 0);
    ASSERT_EQ(symlink("loop-a", Path("loop-b").c_str()), 0);
    EXPECT_EQ(Shell(Batch() + "in.txt loop-a"), 5);
    EXPECT_EQ(m_stderr, "导出失败! loop-a: 符号链接循环\n");
    EXPECT_TRUE(std::filesystem::is_symlink(Path("loop-a")));
    EXPECT_EQ(Leftovers(m_dir), 0);
}

// The database named as the output would be lost to the result; any name of it is refused.
TEST_F(BatchOutputTest, OutputThatIsTheDatabaseIsRefused) {
    const std::string image = Read(m_db.Path());
    ASSERT_EQ(symlink(m_db.Path().c_str(), Path("db-link").c_str()), 0);
    ASSERT_EQ(link(m_db.Path().c_str(), Path("db-hard").c_str()), 0);
    for (const std::string& output : {m_db.Path(), Path("db-link"), Path("db-hard")}) {
        EXPECT_EQ(Run({"--db", m_db.Path(), m_in, output}), 5) << output;
        EXPECT_EQ(m_stderr, "导出失败! " + output + ": 这是数据库文件\n");
        EXPECT_EQ(Read(m_db.Path()), image);
    }
    // The input as the output is allowed: the list is read whole before the result replaces it.
    const std::string list = Write("list.txt", "1.2.3.4\n");
    EXPECT_EQ(Run({"--db", m_db.Path(), list, list}), 0) << m_stderr;
    EXPECT_EQ(Read(list), "1.2.3.4,A,B,C,D\r\n");
}

// Every failure names the file and why.
TEST_F(BatchOutputTest, MessagesNameTheFileAndTheCause) {
    const std::string missing = Path("missing.txt");
    EXPECT_EQ(Run({"--db", m_db.Path(), missing, Path("out.txt")}), 4);
    EXPECT_EQ(m_stderr, "无法读取文件! " + missing + ": 文件或文件夹不存在\n");
    EXPECT_EQ(Run({"--db", m_db.Path(), m_dir, Path("out.txt")}), 4);
    EXPECT_EQ(m_stderr, "无法读取文件! " + m_dir + ": 这是一个文件夹\n");
    const std::string noFolder = Path("no/such/out.txt");
    EXPECT_EQ(Run({"--db", m_db.Path(), m_in, noFolder}), 5);
    EXPECT_EQ(m_stderr, "导出失败! " + noFolder + ": 文件或文件夹不存在\n");
    EXPECT_EQ(Run({"--db", m_db.Path(), m_in, m_dir}), 5);
    EXPECT_EQ(m_stderr, "导出失败! " + m_dir + ": 这是一个文件夹\n");
    if (access("/dev/full", W_OK) == 0) {
        EXPECT_EQ(Run({"--db", m_db.Path(), m_in, "/dev/full"}), 5);
        EXPECT_EQ(m_stderr, "导出失败! /dev/full: 磁盘空间不足\n");
    }
    // Past the file size limit: a failure with its cause, and no temporary file left behind.
    BigList(20000);
    EXPECT_EQ(Shell("ulimit -f 100; " + Batch() + "big.txt limited.txt"), 5);
    EXPECT_EQ(m_stderr, "导出失败! limited.txt: 文件太大\n");
    EXPECT_EQ(Leftovers(m_dir), 0);
    const std::string readOnly = Write("read-only.txt", "old\n");
    chmod(readOnly.c_str(), 0444);
    if (access(readOnly.c_str(), W_OK) != 0) {  // root writes it anyway
        EXPECT_EQ(Run({"--db", m_db.Path(), m_in, readOnly}), 5);
        EXPECT_EQ(m_stderr, "导出失败! " + readOnly + ": 没有权限\n");
    }
}

// A process killed outright leaves its temporary file; the next export into the folder removes
// it, while a file of a process that still runs stays.
TEST_F(BatchOutputTest, LaterExportRemovesStaleTemporaryFiles) {
    const pid_t gone = fork();
    ASSERT_GE(gone, 0);
    if (gone == 0) {
        _exit(0);
    }
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    const std::string stale = Write(".qv-" + std::to_string(gone) + "-0", "partial");
    const std::string live = Write(".qv-" + std::to_string(getpid()) + "-7", "being written");
    const std::string other = Write(".qv-notours", "x");
    EXPECT_EQ(Run({"--db", m_db.Path(), m_in, Path("out.txt")}), 0) << m_stderr;
    EXPECT_NE(access(stale.c_str(), F_OK), 0);
    EXPECT_EQ(access(live.c_str(), F_OK), 0);
    EXPECT_EQ(access(other.c_str(), F_OK), 0);

    // The real thing: SIGKILL as soon as a large export's temporary file appears, then an export
    // beside it.
    BigList(2000000);
    Shell(Batch() +
          "big.txt killed.txt & pid=$!\n"
          "while kill -0 $pid; do compgen -G \".qv-$pid-*\" >/dev/null && break; done\n"
          "kill -9 $pid; wait");
    EXPECT_EQ(Leftovers(m_dir), 3) << "the kill did not land in the export";
    EXPECT_EQ(Run({"--db", m_db.Path(), m_in, Path("out.txt")}), 0) << m_stderr;
    EXPECT_EQ(Leftovers(m_dir), 2) << "only the live process's file and the one not ours";
}

// Root writes into any folder; without these capabilities it is held to the folder's mode as
// anybody else is.
constexpr char kAsOwnerOnly[] = "setpriv --bounding-set=-dac_override,-dac_read_search,-fowner ";

// A folder that takes no new file (read-only, or no free file entry left) with a writable file
// in it: the result is built elsewhere and copied over the old file only once it is whole; when
// even that cannot be done, the old file stays and the message says so.
TEST_F(BatchOutputTest, FolderThatTakesNoNewFileKeepsTheOldFileWhole) {
    if (geteuid() != 0 || Shell("unshare -m true") != 0) {
        GTEST_SKIP() << "needs root and a mount namespace of its own";
    }
    BigList(40000);
    ASSERT_EQ(mkdir(Path("ro").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(Path("full").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(Path("small").c_str(), 0755), 0);
    const std::string script =
        std::string("set -u\n") + "run() { " + kAsOwnerOnly + Batch() + "\"$@\"; echo $?; }\n" +
        // A read-only folder on a disk that holds the small result but not the large one.
        "mount -t tmpfs -o size=256k,mode=0555 none ro\n"
        "printf 'previous\\r\\n' >ro/out.txt; chmod 0666 ro/out.txt\n"
        "run in.txt ro/out.txt; cp ro/out.txt small.txt; ls -A ro >small-list.txt\n"
        "printf 'previous\\r\\n' >ro/out.txt\n"
        "run big.txt ro/out.txt 2>big-err.txt; cp ro/out.txt big-out.txt\n"
        // A folder without a free file entry: the only one left is the old file's.
        "mount -t tmpfs -o size=16m,nr_inodes=2 none full\n"
        "printf 'previous\\r\\n' >full/out.txt\n"
        "run big.txt full/out.txt; cp full/out.txt inodes.txt\n"
        // A folder that takes the new file but has no room for all of it.
        "mount -t tmpfs -o size=256k none small\n"
        "printf 'previous\\r\\n' >small/out.txt\n"
        "run big.txt small/out.txt 2>small-err.txt; cp small/out.txt small-out.txt; "
        "ls -A small >small-left.txt\n";
    Write("in-namespace.sh", script);
    ASSERT_EQ(Shell("unshare -m bash in-namespace.sh"), 0) << m_stderr;
    EXPECT_EQ(m_stdout, "0\n5\n0\n5\n");
    EXPECT_EQ(m_stderr, "导出成功!\n导出成功!\n");
    EXPECT_EQ(Read(Path("small.txt")), kExpected);
    EXPECT_EQ(Read(Path("small-list.txt")), "out.txt\n") << "nothing left beside it";
    EXPECT_EQ(Read(Path("big-out.txt")), "previous\r\n") << "the old file is whole";
    EXPECT_EQ(Read(Path("big-err.txt")),
              "导出失败! ro/out.txt: 磁盘空间不足"
              "（文件夹中无法新建文件, 只能在原文件上写入; 原文件未改动）\n");
    EXPECT_EQ(Read(Path("inodes.txt")).size(), 40000 * kBigLine);
    EXPECT_EQ(Read(Path("small-out.txt")), "previous\r\n");
    EXPECT_EQ(Read(Path("small-err.txt")), "导出失败! small/out.txt: 磁盘空间不足\n");
    EXPECT_EQ(Read(Path("small-left.txt")), "out.txt\n");
}

// SIGTERM while the result goes over the old file in place: the file is the old one or the whole
// new one, never a part.
TEST_F(BatchOutputTest, SignalDuringAnInPlaceWriteLeavesNoPartialFile) {
    const std::size_t rows = 2000000;
    BigList(static_cast<int>(rows));
    const std::string folder = Path("ro");
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    const std::string out = Write("ro/out.txt", "previous\r\n");
    ASSERT_EQ(chmod(out.c_str(), 0666), 0);
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    const std::string prefix = geteuid() == 0 ? kAsOwnerOnly : "";
    // Terminated as soon as the first bytes of the file change.
    const std::string script = prefix + Batch() +
                               "big.txt ro/out.txt & pid=$!\n"
                               "while kill -0 $pid; do\n"
                               "  IFS= read -r -n 8 first <ro/out.txt || first=\n"
                               "  [[ $first == previous ]] || break\n"
                               "done\n"
                               "kill -TERM $pid; wait $pid; echo $?\n";
    Shell(script);
    chmod(folder.c_str(), 0755);
    const std::string after = Read(out);
    EXPECT_TRUE(after == "previous\r\n" || after.size() == rows * kBigLine)
        << after.size() << " bytes, exit " << m_stdout;
    EXPECT_EQ(Leftovers(folder), 0);
}

// A path at the system's limit is accepted: the temporary file beside it is named within its
// folder, not by a longer path.
TEST_F(BatchOutputTest, LongOutputPathIsAccepted) {
    // A short name in a deep folder: the least room beside it.
    const std::string name = "o.txt";
    const std::size_t folderSize = 4082 - 1 - name.size();
    std::string folder = m_dir;
    while (folder.size() < folderSize) {
        // Never leave a single byte for the last part: it would be a name of no character.
        const std::size_t left = folderSize - folder.size() - 1;
        folder += "/" + std::string(left <= 200 ? left : left == 201 ? 199 : 200, 'd');
        ASSERT_EQ(mkdir(folder.c_str(), 0700), 0) << folder.size();
    }
    const std::string target = folder + "/" + name;
    ASSERT_EQ(target.size(), 4082u);
    EXPECT_EQ(Run({"--db", m_db.Path(), m_in, target}), 0) << m_stderr;
    EXPECT_EQ(Read(target), kExpected);
}

}  // namespace
}  // namespace quorvane
