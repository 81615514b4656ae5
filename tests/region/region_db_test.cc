// The engine's database interface: what it opens, what it refuses and why, and that its answers
// are the memory search's. Run under ASan to catch stray reads.
#include <quorvane/region.h>
#include <quorvane/region_db.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/region/test_db.h"
#include "tests/support/named_pipe.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/temp_database.h"

namespace quorvane::test {
namespace {

using Db = std::unique_ptr<quorvane_db, decltype(&quorvane_db_close)>;

Db OpenBytes(const std::vector<std::uint8_t>& image, int* status) {
    quorvane_db* db = nullptr;
    *status = quorvane_db_open_bytes(image.data(), image.size(), &db);
    return Db(db, quorvane_db_close);
}

Db OpenPath(const std::string& path, int* status) {
    quorvane_db* db = nullptr;
    *status = quorvane_db_open(path.c_str(), &db);
    if (*status != QUORVANE_DB_OK) {
        EXPECT_EQ(db, nullptr);
    }
    return Db(db, quorvane_db_close);
}

std::string TextOf(const quorvane_db* db, quorvane_db_record record) {
    std::size_t length = 0;
    const char* text = quorvane_db_text(db, record, &length);
    return text == nullptr ? std::string() : std::string(text, length);
}

std::vector<TestRange> SomeRanges() {
    std::vector<TestRange> ranges;
    for (std::uint32_t i = 0; i < 3000; ++i) {
        // Every third stretch is a gap; texts repeat so that records are shared.
        if (i % 3 != 2) {
            ranges.push_back(
                {i << 20, (i << 20) | 0xFFFFFu, "国家" + std::to_string(i % 50) + "|0|省|市|ISP"});
        }
    }
    return ranges;
}

std::vector<std::uint32_t> SomeAddresses() {
    std::vector<std::uint32_t> addresses = {0, 1, 0xFFFFFFFFu, 0x00100000u, 0x002FFFFFu};
    std::uint32_t value = 5;
    for (int i = 0; i < 5000; ++i) {
        value = value * 1664525u + 1013904223u;
        addresses.push_back(value);
    }
    return addresses;
}

// The interface answers as the eleven functions' memory search does, one at a time and many
// side by side, from a path or from bytes.
TEST(RegionDbTest, AnswersAsTheMemorySearch) {
    const std::vector<std::uint8_t> image = BuildImage(SomeRanges(), 64);
    const TempDatabase file = TempDatabase::FromImage(image);
    int status = -1;
    const Db fromPath = OpenPath(file.Path(), &status);
    ASSERT_EQ(status, QUORVANE_DB_OK);
    const Db fromBytes = OpenBytes(image, &status);
    ASSERT_EQ(status, QUORVANE_DB_OK);
    EXPECT_EQ(quorvane_db_get_family(fromPath.get()), QUORVANE_DB_IPV4);

    OpenHandle handle(file.Path());
    ASSERT_TRUE(handle.Opened());
    const std::vector<std::uint32_t> addresses = SomeAddresses();
    std::vector<quorvane_db_record> many(addresses.size());
    quorvane_db_find4_many(fromPath.get(), addresses.data(), many.data(), addresses.size());
    std::size_t found = 0;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        const Found expected = Search(ip2region_memory_search, handle.Get(), addresses[i]);
        const quorvane_db_record record = quorvane_db_find4(fromPath.get(), addresses[i]);
        ASSERT_EQ(record != 0, expected.code == 1) << addresses[i];
        EXPECT_EQ(TextOf(fromPath.get(), record), expected.text) << addresses[i];
        EXPECT_EQ(quorvane_db_record_number(fromPath.get(), record), expected.recordNumber);
        EXPECT_EQ(many[i], record) << addresses[i];
        EXPECT_EQ(quorvane_db_find4(fromBytes.get(), addresses[i]), record);
        found += record != 0;
    }
    EXPECT_GT(found, addresses.size() / 3);
    std::size_t length = 7;
    EXPECT_EQ(quorvane_db_text(fromPath.get(), 0, &length), nullptr);
    EXPECT_EQ(length, 0u);
}

// The open reads the file once: replacing or rewriting it afterwards changes no answer.
TEST(RegionDbTest, AFileChangedAfterTheOpenChangesNothing) {
    const TempDatabase file = TempDatabase::FromImage(BuildImage({{0, 0xFFFFFFFFu, "old"}}, 8));
    int status = -1;
    const Db db = OpenPath(file.Path(), &status);
    ASSERT_EQ(status, QUORVANE_DB_OK);
    file.Rewrite(std::vector<std::uint8_t>(100, 0));
    EXPECT_EQ(TextOf(db.get(), quorvane_db_find4(db.get(), 0x01020304u)), "old");
    EXPECT_EQ(OpenPath(file.Path(), &status), nullptr);
    EXPECT_EQ(status, QUORVANE_DB_INVALID);
}

// Whatever is no database is refused with its reason, at once: a pipe never makes the open wait
// for a writer.
TEST(RegionDbTest, RefusesWhatIsNoDatabaseWithItsReason) {
    ScratchDir dir("quorvane-db-open");
    struct Case {
        std::string path;
        int status;
    };
    std::vector<Case> cases = {
        {dir.Path("absent.db").string(), QUORVANE_DB_NOT_FOUND},
        {dir.Path("absent/ip2region.db").string(), QUORVANE_DB_NOT_FOUND},
        {dir.Dir().string(), QUORVANE_DB_NOT_A_FILE},
        {dir.Write("empty.db", ""), QUORVANE_DB_INVALID},
        {dir.Write("text.db", std::string(9000, 'x')), QUORVANE_DB_INVALID},
    };
    if (MakeNamedPipe(dir.Path("pipe.db"))) {
        cases.push_back({dir.Path("pipe.db").string(), QUORVANE_DB_NOT_A_FILE});
    }
    const std::string huge = dir.Path("huge.db").string();
    std::ofstream(huge).close();
    std::filesystem::resize_file(huge, QUORVANE_DB_MAX_BYTES + 1);  // sparse: nothing written
    cases.push_back({huge, QUORVANE_DB_TOO_LARGE});
#ifndef _WIN32
    // Devices, link loops and file modes as POSIX systems have them.
    cases.push_back({"/dev/zero", QUORVANE_DB_NOT_A_FILE});
    std::filesystem::create_symlink("loop.db", dir.Path("loop.db"));
    cases.push_back({dir.Path("loop.db").string(), QUORVANE_DB_NOT_A_FILE});
    if (geteuid() != 0) {  // root reads whatever the mode says
        const std::string locked = dir.Write("locked.db", "x");
        chmod(locked.c_str(), 0);
        cases.push_back({locked, QUORVANE_DB_NO_ACCESS});
    }
#endif
    for (const Case& c : cases) {
        int status = -1;
        EXPECT_EQ(OpenPath(c.path, &status), nullptr) << c.path;
        EXPECT_EQ(status, c.status) << c.path << ": " << quorvane_db_strerror(status);
    }

    quorvane_db* db = reinterpret_cast<quorvane_db*>(&cases);
    EXPECT_EQ(quorvane_db_open(nullptr, &db), QUORVANE_DB_BAD_ARGUMENT);
    EXPECT_EQ(db, nullptr);
    EXPECT_EQ(quorvane_db_open("", &db), QUORVANE_DB_BAD_ARGUMENT);
    EXPECT_EQ(quorvane_db_open("x", nullptr), QUORVANE_DB_BAD_ARGUMENT);
    EXPECT_EQ(quorvane_db_open_bytes(nullptr, 5, &db), QUORVANE_DB_BAD_ARGUMENT);
    for (int code = 0; code <= QUORVANE_DB_BAD_ARGUMENT + 1; ++code) {
        EXPECT_NE(std::string(quorvane_db_strerror(code)), "") << code;
    }
    quorvane_db_close(nullptr);
}

// Each rule of the layout, broken on its own in an otherwise sound file, makes the open refuse
// it: a search on such a file could skip ranges or give another range's text.
TEST(RegionDbTest, EveryBrokenLayoutRuleIsRefused) {
    const std::vector<TestRange> ranges = {{0, 0x0FFFFFFFu, "low"},
                                           {0x10000000u, 0x7FFFFFFFu, "mid"},
                                           {0x80000000u, 0xFFFFFFFFu, "high"}};
    const std::vector<std::uint8_t> sound = BuildImage(ranges, 1);
    const std::uint32_t first = FirstIndexOffset(sound);
    const std::uint32_t last = LastIndexOffset(sound);
    const std::uint32_t record = GetU32(sound, first + 8);
    using Image = std::vector<std::uint8_t>;
    const std::vector<std::pair<const char*, std::function<void(Image&)>>> breaks = {
        {"bounds reversed", [&](Image& i) { PutU32(i, 0, last + 12); }},
        {"bounds uneven", [&](Image& i) { PutU32(i, 4, last - 1); }},
        {"index past the end", [&](Image& i) { i.resize(last + 11); }},
        {"index inside the header", [&](Image& i) { PutU32(i, 0, 16); }},
        {"one header entry", [&](Image& i) { PutU32(i, HeaderEntryOffset(1) + 4, 0); }},
        {"header misses the last entry", [&](Image& i) { PutU32(i, HeaderEntryOffset(2) + 4, 0); }},
        {"header start differs", [&](Image& i) { PutU32(i, HeaderEntryOffset(1), 0x10000001u); }},
        {"header points between entries",
         [&](Image& i) { PutU32(i, HeaderEntryOffset(1) + 4, first + 13); }},
        {"entry ends before it starts", [&](Image& i) { PutU32(i, first + 12 + 4, 0x0FFFFFFFu); }},
        {"entries overlap", [&](Image& i) { PutU32(i, first + 4, 0x10000000u); }},
        {"record shorter than its number",
         [&](Image& i) { PutU32(i, first + 8, format::MakeDataPointer(3, record & 0xFFFFFF)); }},
        {"record past the end",
         [&](Image& i) { PutU32(i, first + 8, format::MakeDataPointer(200, last)); }},
        {"record over the index",
         [&](Image& i) { PutU32(i, first + 8, format::MakeDataPointer(7, first + 2)); }},
        {"record over the header", [&](Image& i) { PutU32(i, first + 8, 0x07000010u); }},
        {"all-zero index", [&](Image& i) { std::fill(i.begin() + first, i.end(), 0); }},
    };
    int status = -1;
    ASSERT_NE(OpenBytes(sound, &status), nullptr);
    for (const auto& [name, damage] : breaks) {
        Image image = sound;
        damage(image);
        EXPECT_EQ(OpenBytes(image, &status), nullptr) << name;
        EXPECT_EQ(status, QUORVANE_DB_INVALID) << name;
    }
}

// Region text that is not UTF-8 never reaches a caller: the file that holds it is refused.
TEST(RegionDbTest, TextThatIsNotUtf8IsRefused) {
    const std::vector<std::pair<std::string, bool>> texts = {
        {"中国|0|广东省|深圳市|电信", true},
        {"\xF0\x9F\x98\x80 emoji \xC2\xA9", true},
        {std::string("nul\0inside", 10), true},
        {"A\xFF", false},
        {"\xE4\xB8", false},          // cut short
        {"\xC0\x80", false},          // an overlong NUL
        {"\xE0\x80\xAF", false},      // an overlong '/'
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"\xC2", false},              // a lead byte at the end
        {"ok\x80", false},            // a continuation byte alone
    };
    for (const auto& [text, valid] : texts) {
        int status = -1;
        const Db db = OpenBytes(BuildImage({{0, 5, "x"}, {6, 0xFFFFFFFFu, text}}, 1), &status);
        EXPECT_EQ(status, valid ? QUORVANE_DB_OK : QUORVANE_DB_INVALID) << text;
        if (db) {
            EXPECT_EQ(TextOf(db.get(), quorvane_db_find4(db.get(), 7)),
                      text.substr(0, text.find('\0')));
        }
    }
}

}  // namespace
}  // namespace quorvane::test
