#include "batch/address_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "files/conversions.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/table_rows.h"

namespace quorvane {
namespace {

// Lists and result files live in a scratch folder of their own.
class ListFilesTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return m_scratch.Path(name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        return m_scratch.Write(name, bytes);
    }
    static std::string Read(const std::string& path) { return test::ReadBytes(path); }
    static std::vector<std::u16string> Lines(const std::string& path) {
        std::vector<std::u16string> lines;
        EXPECT_TRUE(ReadAddressList(Utf8ToWide(path), lines));
        return lines;
    }

    test::ScratchDir m_scratch{"quorvane-lists"};
    const std::string m_dir = m_scratch.Dir().string();
};

using V = std::vector<std::u16string>;

TEST_F(ListFilesTest, ImportTakesEveryLineAsItIs) {
    EXPECT_EQ(Lines(Write("dup.txt", "1.1.1.1\r\n8.8.8.8\r\n1.1.1.1\r\n")),
              (V{u"1.1.1.1", u"8.8.8.8", u"1.1.1.1"}));
    EXPECT_EQ(Lines(Write("blank.txt", "1.1.1.1\r\n\r\n2.2.2.2\r\n")),
              (V{u"1.1.1.1", u"", u"2.2.2.2"}));
    EXPECT_EQ(Lines(Write("last.txt", "1.1.1.1\n2.2.2.2")), (V{u"1.1.1.1", u"2.2.2.2"}));
    EXPECT_EQ(Lines(Write("spaces.txt", " 1.1.1.1 \r")), (V{u" 1.1.1.1 "}));
    EXPECT_EQ(Lines(Write("bom.txt",
                          "\xEF\xBB\xBF"
                          "1.2.3.4\r\n")),
              (V{u"1.2.3.4"}));
    EXPECT_EQ(Lines(Write("utf16.txt", std::string("\xFF\xFE"
                                                   "1\0.\0"
                                                   "2\0\r\0\n\0"
                                                   "3\0",
                                                   14))),
              (V{u"1.2", u"3"}));
    EXPECT_EQ(Lines(Write("empty.txt", "")), V{});
}

TEST_F(ListFilesTest, ImportNeverCreatesAndAppendsOnlyOnSuccess) {
    const std::string missing = Path("missing.txt");
    std::vector<std::u16string> lines{u"kept"};
    EXPECT_FALSE(ReadAddressList(Utf8ToWide(missing), lines));
    EXPECT_EQ(lines, V{u"kept"});
    EXPECT_NE(access(missing.c_str(), F_OK), 0) << "the file was created";
    EXPECT_FALSE(ReadAddressList(Utf8ToWide(m_dir), lines)) << "a directory is no list";
    EXPECT_EQ(lines, V{u"kept"});
    // Opens, but reading it fails at offset 0 (nothing is mapped there): not an empty list.
    EXPECT_FALSE(ReadAddressList(u"/proc/self/mem", lines));
    EXPECT_EQ(lines, V{u"kept"});

    // Opened without write access: a read-only file reads like any other.
    const std::string readOnly = Write("ro.txt", "9.9.9.9\n");
    chmod(readOnly.c_str(), 0444);
    EXPECT_TRUE(ReadAddressList(Utf8ToWide(readOnly), lines));
    EXPECT_EQ(lines, (V{u"kept", u"9.9.9.9"}));
}

TEST_F(ListFilesTest, ExportBytes) {
    CAddressTable table;
    test::AppendRow(table, test::AddressRow{u"1.2.3.4", u"A", u"B", u"C", u"D"});
    test::AppendRow(table, test::AddressRow{u"5.6.7.8", {}, {}, {}, {}});
    test::AppendRow(table, test::AddressRow{u"9.9.9.9", u"中国", u"", u"a,b", u"电信"});
    test::AppendRow(table, test::AddressRow{u"1,2", u",", u"Cloudflare, Inc.", u",,", u"x,"});
    const std::string path = Write("out.txt", "\xEF\xBB\xBF" + std::string(500, 'x'));
    ASSERT_TRUE(WriteResultFile(table, Utf8ToWide(path)));
    // A comma inside a field becomes '，' (EF BC 8C), so every line keeps five fields.
    EXPECT_EQ(
        Read(path),
        "1.2.3.4,A,B,C,D\r\n"
        "5.6.7.8,,,,\r\n"
        "9.9.9.9,\xE4\xB8\xAD\xE5\x9B\xBD,,a\xEF\xBC\x8C"
        "b,\xE7\x94\xB5\xE4\xBF\xA1\r\n"
        "1\xEF\xBC\x8C"
        "2,\xEF\xBC\x8C,Cloudflare\xEF\xBC\x8C Inc.,\xEF\xBC\x8C\xEF\xBC\x8C,x\xEF\xBC\x8C\r\n");

    // A field holding NUL ends where "%s" would end it; the line goes on.
    CAddressTable withNul;
    test::AppendRow(withNul, test::AddressRow{std::u16string(u"1.1\0junk", 8), u"A", {}, {}, u"P"});
    ASSERT_TRUE(WriteResultFile(withNul, Utf8ToWide(path)));
    EXPECT_EQ(Read(path), "1.1,A,,,P\r\n");
}

TEST_F(ListFilesTest, ExportReportsFilesItCannotWrite) {
    CAddressTable table;
    test::AppendRow(table, test::AddressRow{u"1.2.3.4", u"A", u"B", u"C", u"D"});
    FileError error;
    EXPECT_FALSE(WriteResultFile(table, Utf8ToWide(m_dir + "/no/such/folder.txt"), &error));
    EXPECT_EQ(error.problem, FileProblem::kNotFound);
    EXPECT_FALSE(WriteResultFile(table, Utf8ToWide(m_dir), &error));
    EXPECT_EQ(error.problem, FileProblem::kIsDirectory);
    // Opens fine, but no byte can be written: known only after the flush.
    if (access("/dev/full", W_OK) == 0) {
        EXPECT_FALSE(WriteResultFile(table, u"/dev/full", &error));
        EXPECT_EQ(error.problem, FileProblem::kDiskFull);
        EXPECT_EQ(error.inPlace, FileError::InPlace::kNotNeeded);
    }
    // And the reasons a list cannot be read.
    CAddressBlock block;
    EXPECT_FALSE(ReadAddressList(Utf8ToWide(m_dir + "/missing.txt"), block, &error));
    EXPECT_EQ(error.problem, FileProblem::kNotFound);
    EXPECT_FALSE(ReadAddressList(Utf8ToWide(m_dir), block, &error));
    EXPECT_EQ(error.problem, FileProblem::kIsDirectory);
    EXPECT_FALSE(ReadAddressList(u"/dev/zero", block, &error));
    EXPECT_EQ(error.problem, FileProblem::kNotAFile);
    EXPECT_EQ(block.Count(), 0u);
}

}  // namespace
}  // namespace quorvane
