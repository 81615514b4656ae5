#include "batch/lookup_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "files/conversions.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/table_rows.h"
#include "tests/support/temp_database.h"
#include "tools/dbwriter/db_writer.h"
#include "tools/dbwriter/synthetic_ranges.h"

namespace quorvane {
namespace {

using dbwriter::Range;
using test::AddressRow;
using test::TempDatabase;

// A session with a store of its own.
struct OwnSession {
    explicit OwnSession(SharedDatabase database, SharedDatabase database6 = nullptr)
        : session(std::move(database), store, std::move(database6)) {}
    CResultStore store;
    CLookupSession session;
};

// What the workers write into a row: its address resolved alone, the four fields overwritten.
void Lookup(OwnSession& own, AddressRow& row) {
    CAddressBlock block;
    block.Append(row.address);
    const ResultTexts* record = nullptr;
    own.session.ResolveRows(block, 0, 1, &record);
    row.country = record != nullptr ? record->country : std::u16string();
    row.province = record != nullptr ? record->province : std::u16string();
    row.city = record != nullptr ? record->city : std::u16string();
    row.provider = record != nullptr ? record->provider : std::u16string();
}

// The record that resolving row of addresses on its own gives.
const ResultTexts* ResolveAlone(CLookupSession& session, const CAddressBlock& addresses,
                                std::size_t row) {
    const ResultTexts* record = nullptr;
    session.ResolveRows(addresses, row, row + 1, &record);
    return record;
}

struct LookupCase {
    const char* region;
    const char16_t* country;
    const char16_t* province;
    const char16_t* city;
    const char16_t* provider;
};

// Each region text is the only range of its own database; rows start out holding stale results,
// so a field the lookup fails to overwrite shows up.
TEST(LookupSessionTest, RegionTextToFields) {
    const LookupCase cases[] = {
        {"W|0|X|Y|Z", u"W", u"X", u"Y", u"Z"},
        {"W|0|0|0|Z", u"W", u"", u"", u"Z"},
        {"0|0|0|0|0", u"", u"", u"", u""},
        {"W|0|X|Y|Z|V", u"W", u"X", u"Y", u"Z"},
        {"W||X|Y|Z", u"W", u"Y", u"Z", u""},  // a run of '|' is one separator
        {"|W|||X|", u"W", u"", u"", u""},
        {"|||", u"", u"", u"", u""},
        {"W|0|X|Y", u"W", u"X", u"Y", u""},
        {"00|0|0 | 0|0", u"00", u"0 ", u" 0", u""},
        {"中国|0|广东省|深圳市|电信", u"中国", u"广东省", u"深圳市", u"电信"},
        // Too short for elements 3, 4 or 5: those fields are emptied, never left stale.
        {"W|0|X", u"W", u"X", u"", u""},
        {"W|0", u"W", u"", u"", u""},
        {"W", u"W", u"", u"", u""},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.region);
        TempDatabase db({Range{0, 0xFFFFFFFFu, c.region}});
        ASSERT_TRUE(db.Ok()) << db.Error();
        OwnSession session(OpenDatabaseFile(Utf8ToWide(db.Path())).database);
        AddressRow row{u"10.0.0.1", u"old", u"old", u"old", u"old"};
        Lookup(session, row);
        EXPECT_EQ(row.address, u"10.0.0.1");
        EXPECT_EQ(row.country, c.country);
        EXPECT_EQ(row.province, c.province);
        EXPECT_EQ(row.city, c.city);
        EXPECT_EQ(row.provider, c.provider);
    }
}

TEST(LookupSessionTest, AddressesPickTheirRanges) {
    TempDatabase db({Range{0, 0x0AFFFFFFu, "A|0|a|a|a"},
                     Range{0x0B000000u, 0x0B0000FFu, "B|0|b|b|b"},
                     Range{0x0B000100u, 0xFFFFFFFFu, "C|0|c|c|c"}});
    ASSERT_TRUE(db.Ok()) << db.Error();
    OwnSession session(OpenDatabaseFile(Utf8ToWide(db.Path())).database);
    auto country = [&](const char16_t* address) {
        AddressRow row{address, {}, {}, {}, {}};
        Lookup(session, row);
        return row.country;
    };
    EXPECT_EQ(country(u"10.255.255.255"), u"A");
    EXPECT_EQ(country(u"11.0.0.0"), u"B");
    EXPECT_EQ(country(u"11.0.0.255"), u"B");
    EXPECT_EQ(country(u"11.0.1.0"), u"C");
    EXPECT_EQ(country(u"255.255.255.255"), u"C");
    EXPECT_EQ(country(u" 11.0.0.7\t"), u"B");
    // ip2long reads these as 0.0.0.0, 11.0.0.0 and 11.0.0.0: they must not borrow those ranges.
    AddressRow junk{u"not an address", u"old", u"old", u"old", u"old"};
    Lookup(session, junk);
    EXPECT_EQ(junk.country + junk.province + junk.city + junk.provider, u"");
    EXPECT_EQ(country(u"11.0.0.\u00e9"), u"");
    EXPECT_EQ(country(u"11.0"), u"");
}

// A miss (an address no range covers, or a database that cannot be opened) empties every field.
TEST(LookupSessionTest, MissEmptiesEveryField) {
    TempDatabase db({Range{0x01000000u, 0x01FFFFFFu, "A|0|a|a|a"}});
    ASSERT_TRUE(db.Ok()) << db.Error();
    OwnSession session(OpenDatabaseFile(Utf8ToWide(db.Path())).database);
    AddressRow row{u"1.2.3.4", {}, {}, {}, {}};
    Lookup(session, row);
    EXPECT_EQ(row.country, u"A");
    row.address = u"200.0.0.1";
    Lookup(session, row);
    EXPECT_EQ(row.country, u"");
    EXPECT_EQ(row.province, u"");
    EXPECT_EQ(row.city, u"");
    EXPECT_EQ(row.provider, u"");

    OwnSession missing(OpenDatabaseFile(u"/nonexistent/ip2region.db").database);
    AddressRow stale{u"1.2.3.4", u"old", u"old", u"old", u"old"};
    Lookup(missing, stale);
    EXPECT_EQ(stale.country, u"");
    EXPECT_EQ(stale.provider, u"");
}

// The workers resolve rows a chunk at a time; every row must get the record that resolving it
// alone gives: dotted rows in ranges and in gaps, text that names no address, rows kept as UTF-16,
// runs shorter and longer than a chunk, starting anywhere. Both sessions share one store, so the
// same answer is the same record.
TEST(LookupSessionTest, RowsResolvedTogetherGetTheirOwnRecords) {
    TempDatabase db(dbwriter::MakeSyntheticRanges(5000, 3));
    ASSERT_TRUE(db.Ok()) << db.Error();
    CAddressBlock addresses;
    std::uint32_t value = 777;
    for (int i = 0; i < 400; ++i) {
        value = value * 1664525u + 1013904223u;
        std::string text = std::to_string(value >> 24) + "." + std::to_string(value >> 16 & 255) +
                           "." + std::to_string(value >> 8 & 255) + "." +
                           std::to_string(value & 255);
        if (i % 37 == 5) {
            addresses.Append(u"\uFF11." + Utf8ToWide(text));  // a full-width digit: no address
        } else if (i % 41 == 7) {
            addresses.AppendAscii(i % 2 == 0 ? "1.2.3" : "hello");
        } else {
            addresses.AppendAscii(i % 11 == 0 ? " " + text + "\t" : text);
        }
    }
    CResultStore store;
    CLookupSession together(OpenDatabaseFile(Utf8ToWide(db.Path())).database, store);
    CLookupSession alone(OpenDatabaseFile(Utf8ToWide(db.Path())).database, store);
    std::vector<const ResultTexts*> records(addresses.Count());
    std::size_t found = 0;
    for (auto [begin, end] :
         {std::pair<std::size_t, std::size_t>{3, 4}, {4, 70}, {70, 71}, {71, 400}, {0, 3}}) {
        together.ResolveRows(addresses, begin, end, records.data() + begin);
        for (std::size_t row = begin; row < end; ++row) {
            const ResultTexts* expected = ResolveAlone(alone, addresses, row);
            ASSERT_EQ(records[row], expected) << "row " << row;
            found += expected != nullptr;
        }
    }
    EXPECT_GT(found, 100u) << "the synthetic ranges cover much of the space";
}

// The IPv4 file and the sample IPv6 file (see SampleRanges6), opened as a run opens them.
struct BothFamilies {
    BothFamilies()
        : v4({Range{0, 0x07FFFFFFu, "A|0|a|a|a"}, Range{0x08000000u, 0xFFFFFFFFu, "B|0|b|b|b"}}) {
        test::WriteRegion6File(dir.Path("region6.db"), test::SampleRanges6());
    }
    SharedDatabase Open4() const { return OpenDatabaseFile(Utf8ToWide(v4.Path())).database; }
    SharedDatabase Open6() const {
        return OpenDatabaseFile(dir.Wide("region6.db"), QUORVANE_DB_IPV6).database;
    }

    TempDatabase v4;
    test::ScratchDir dir{"quorvane-session6"};
};

std::u16string Fields(OwnSession& session, const char16_t* address) {
    AddressRow row{address, u"old", u"old", u"old", u"old"};
    Lookup(session, row);
    return row.country + u"/" + row.province + u"/" + row.city + u"/" + row.provider;
}

// An IPv6 row answers from the IPv6 file, in any of its text forms; an IPv4-mapped one answers as
// the IPv4 address it stands for, from the IPv4 file, also without an IPv6 file; forms that name
// more than an address, and addresses without data, stay empty.
TEST(LookupSessionTest, Ipv6RowsAnswerFromTheIpv6File) {
    const BothFamilies files;
    ASSERT_TRUE(files.v4.Ok()) << files.v4.Error();
    ASSERT_NE(files.Open6(), nullptr);
    OwnSession session(files.Open4(), files.Open6());
    EXPECT_EQ(Fields(session, u"2001:db8::1"), u"文档///示例");
    EXPECT_EQ(Fields(session, u" 2001:DB8:0:0:0:0:0:1\t"), u"文档///示例");
    EXPECT_EQ(Fields(session, u"240e:4c:4008::1"), u"中国/广东省/深圳市/电信");
    EXPECT_EQ(Fields(session, u"240e:fff::"), u"中国/广东省/深圳市/电信");
    EXPECT_EQ(Fields(session, u"240e:1000::"), u"///");
    EXPECT_EQ(Fields(session, u"2001:4860:4860::8888"), u"///");
    EXPECT_EQ(Fields(session, u"::ffff:8.8.8.8"), u"B/b/b/b");
    EXPECT_EQ(Fields(session, u"::FFFF:102:304"), u"A/a/a/a");
    EXPECT_EQ(Fields(session, u"::ffff:0.0.0.0"), u"A/a/a/a");
    for (const char16_t* refused :
         {u"[2001:db8::1]", u"2001:db8::1%eth0", u"2001:db8::/32", u"2001:db8::1::2",
          u"2001:db8:0:0:0:0:0:0:1", u"::ffff:8.8.8.08", u"2001:db80a::"}) {
        EXPECT_EQ(Fields(session, refused), u"///") << WideToUtf8(refused);
    }

    // Each family's file opens only as its own family.
    EXPECT_EQ(OpenDatabaseFile(files.dir.Wide("region6.db")).status, DatabaseStatus::kUnusable);
    EXPECT_EQ(OpenDatabaseFile(Utf8ToWide(files.v4.Path()), QUORVANE_DB_IPV6).status,
              DatabaseStatus::kUnusable);

    OwnSession withoutIpv6(files.Open4());
    EXPECT_EQ(Fields(withoutIpv6, u"2001:db8::1"), u"///");
    EXPECT_EQ(Fields(withoutIpv6, u"::ffff:8.8.8.8"), u"B/b/b/b");
    EXPECT_EQ(Fields(withoutIpv6, u"8.8.8.8"), u"B/b/b/b");
}

// Rows of both families and of neither, mixed in one chunk, each get what resolving it alone
// gives, whatever the chunk boundaries.
TEST(LookupSessionTest, MixedRowsResolvedTogetherGetTheirOwnRecords) {
    const BothFamilies files;
    ASSERT_TRUE(files.v4.Ok()) << files.v4.Error();
    const char* const kinds[] = {"2001:db8::%x",     "1.2.3.%u", "240e:%x::1", "::ffff:8.8.%u.1",
                                 "2400:%x::",        "hello%u",  "9.9.%u.9",   "::ffff:7.%u.0.1",
                                 "2001:db8::%x/128", "fe80::%x"};
    CAddressBlock addresses;
    for (unsigned i = 0; i < 300; ++i) {
        char text[64];
        std::snprintf(text, sizeof(text), kinds[(i * 7) % 10], i % 250);
        addresses.AppendAscii(text);
    }
    CResultStore store;
    CLookupSession together(files.Open4(), store, files.Open6());
    CLookupSession alone(files.Open4(), store, files.Open6());
    std::vector<const ResultTexts*> records(addresses.Count());
    std::size_t found = 0;
    for (auto [begin, end] : {std::pair<std::size_t, std::size_t>{0, 1}, {1, 65}, {65, 300}}) {
        together.ResolveRows(addresses, begin, end, records.data() + begin);
        for (std::size_t row = begin; row < end; ++row) {
            ASSERT_EQ(records[row], ResolveAlone(alone, addresses, row)) << addresses.AsciiAt(row);
            found += records[row] != nullptr;
        }
    }
    EXPECT_EQ(found, 180u) << "six kinds of ten have data";
}

// The memory search copies a record's text as a C string: the fields come from the text before
// a NUL byte, as they do through the engine's own copy.
TEST(LookupSessionTest, RecordTextEndsAtItsFirstNul) {
    std::vector<std::uint8_t> image;
    std::string error;
    ASSERT_TRUE(dbwriter::BuildDatabase({Range{0, 0xFFFFFFFFu, "A|0|b#c|d|e"}}, {}, image, error))
        << error;
    const auto hash = std::find(image.begin(), image.end(), '#');
    ASSERT_NE(hash, image.end());
    *hash = '\0';
    TempDatabase db = TempDatabase::FromImage(image);
    ASSERT_TRUE(db.Ok()) << db.Error();
    OwnSession session(OpenDatabaseFile(Utf8ToWide(db.Path())).database);
    for (int pass = 0; pass < 2; ++pass) {  // the first search loads, the second uses the cache
        AddressRow row{u"1.2.3.4", u"old", u"old", u"old", u"old"};
        Lookup(session, row);
        EXPECT_EQ(row.country + u"/" + row.province + u"/" + row.city + u"/" + row.provider,
                  u"A/b//");
    }
}

// The run checks that the database exists under its UTF-8 path; the session must open that same
// file when the narrow character set is another one and the path is not plain ASCII.
TEST(LookupSessionTest, OpensTheDatabaseStartFoundUnderAnyNarrowCharset) {
    struct CharsetGuard {
        CharsetGuard() { SetAnsiCharset("GB18030"); }
        ~CharsetGuard() { SetAnsiCharset(""); }
    } charset;
    const test::ScratchDir scratch("quorvane-数据库");
    const std::u8string path8 = scratch.Path("ip2region.db").u8string();
    const std::string path(path8.begin(), path8.end());
    std::string error;
    ASSERT_TRUE(dbwriter::WriteDatabase({Range{0, 0xFFFFFFFFu, "A|0|a|b|c"}}, {}, path, error))
        << error;

    OwnSession session(OpenDatabaseFile(Utf8ToWide(path)).database);
    AddressRow row{u"1.2.3.4", {}, {}, {}, {}};
    Lookup(session, row);
    EXPECT_EQ(row.country, u"A");
    EXPECT_EQ(row.provider, u"c");
}

}  // namespace
}  // namespace quorvane
