#include "batch/lookup_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "batch/lookup_session.h"
#include "batch/region_fields.h"
#include "batch/thread_group.h"
#include "files/conversions.h"
#include "quorvane/region.h"
#include "tests/support/table_rows.h"
#include "tests/support/temp_database.h"
#include "tools/dbwriter/synthetic_ranges.h"

namespace quorvane {
namespace {

using test::AddressRow;

using dbwriter::MakeSyntheticRanges;
using dbwriter::Range;
using test::TempDatabase;

#ifdef QUORVANE_SANITIZED
constexpr std::size_t kRanges = 2000;
constexpr std::uint32_t kRows = 3000;
#else
constexpr std::size_t kRanges = 50000;
constexpr std::uint32_t kRows = 60000;
#endif

std::u16string DottedAddress(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof(text), "%u.%u.%u.%u", value >> 24, (value >> 16) & 0xFF,
                  (value >> 8) & 0xFF, value & 0xFF);
    return Utf8ToWide(text);
}

// The region text the engine itself returns for address, split the way a row shows it.
AddressRow Expected(region_handle& handle, const std::u16string& address) {
    region_result result{};
    AddressRow row{address, {}, {}, {}, {}};
    if (ip2region_memory_search(&handle, ip2long(WideToUtf8(address).c_str()), &result) == 1) {
        QuorvaneField fields[kQuorvaneFields];
        QuorvaneRowFields(result.region_text, std::strlen(result.region_text), fields);
        auto text = [&](int k) {
            return Utf8ToWide(std::string_view(fields[k].data, fields[k].size));
        };
        row.country = text(kQuorvaneCountry);
        row.province = text(kQuorvaneProvince);
        row.city = text(kQuorvaneCity);
        row.provider = text(kQuorvaneProvider);
    }
    return row;
}

// Runs the work on a thread group the way the frame does and waits for the finished notification.
class RunDriver {
  public:
    bool Run(CAddressTable& table, const std::u16string& dbPath, bool stopAtOnce = false) {
        table.BeginRun();
        if (stopAtOnce) {
            table.RequestStop();
        }
        const bool launched = m_group.Launch(
            MakeLookupWork(table, OpenDatabaseFile(dbPath).database),
            [this, &table] {
                table.EndRun();
                std::lock_guard<std::mutex> guard(m_lock);
                ++m_finished;
                m_changed.notify_all();
            },
            [&table] { table.RequestStop(); });
        if (!launched) {
            table.EndRun();
            return false;
        }
        std::unique_lock<std::mutex> guard(m_lock);
        const int target = ++m_launched;
        m_changed.wait(guard, [&] { return m_finished >= target; });
        return true;
    }

  private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    int m_launched = 0;
    int m_finished = 0;
    CThreadGroup m_group;  // last: waits for its waiter before the rest goes
};

TEST(LookupRunTest, ResolvesEveryRowLikeTheEngine) {
    TempDatabase db(MakeSyntheticRanges(kRanges, 7));
    ASSERT_TRUE(db.Ok()) << db.Error();
    const std::u16string dbPath = Utf8ToWide(db.Path());

    CAddressTable table;
    std::uint32_t value = 12345;
    std::vector<AddressRow> rows;
    for (std::uint32_t i = 0; i < kRows; ++i) {
        value = value * 1664525u + 1013904223u;
        rows.push_back(test::AddressRow{DottedAddress(value), {}, {}, {}, {}});
    }
    test::AppendRows(table, rows);
    test::AppendRow(table, test::AddressRow{u"junk", {}, {}, {}, {}});
    test::AppendRow(table, test::AddressRow{u"", {}, {}, {}, {}});

    RunDriver driver;
    ASSERT_TRUE(driver.Run(table, dbPath));
    EXPECT_FALSE(table.IsRunActive());
    EXPECT_TRUE(table.IsStopped());

    region_handle handle;
    ASSERT_EQ(ip2region_create(&handle, db.Path().c_str()), 1);
    std::size_t nonEmpty = 0;
    for (std::size_t i = 0; i < table.GetRowCount(); ++i) {
        const AddressRow row = test::RowAt(table, i);
        // The two rows after the addresses name none: ip2long's 0.0.0.0 must not be shown.
        const AddressRow expected = i < kRows ? Expected(handle, row.address) : AddressRow{};
        ASSERT_EQ(row.country, expected.country) << i;
        ASSERT_EQ(row.province, expected.province) << i;
        ASSERT_EQ(row.city, expected.city) << i;
        ASSERT_EQ(row.provider, expected.provider) << i;
        nonEmpty += !row.country.empty();
    }
    ip2region_destroy(&handle);
    EXPECT_GT(nonEmpty, table.GetRowCount() / 2) << "the synthetic database covers everything";
}

// A second run over the same table overwrites every row, also fields the new database has no
// value for.
TEST(LookupRunTest, SecondRunOverwritesEveryRow) {
    TempDatabase first({Range{0, 0xFFFFFFFFu, "A|0|B|C|D"}});
    TempDatabase second({Range{0, 0x7FFFFFFFu, "E|0|F"}});
    ASSERT_TRUE(first.Ok() && second.Ok());
    CAddressTable table;
    std::vector<AddressRow> rows;
    for (int i = 0; i < 100; ++i) {
        rows.push_back(test::AddressRow{i % 2 ? u"1.2.3.4" : u"200.1.1.1", {}, {}, {}, {}});
    }
    test::AppendRows(table, rows);
    RunDriver driver;
    ASSERT_TRUE(driver.Run(table, Utf8ToWide(first.Path())));
    EXPECT_EQ(table.GetField(99, 4), u"D");
    ASSERT_TRUE(driver.Run(table, Utf8ToWide(second.Path())));
    for (std::size_t i = 0; i < table.GetRowCount(); ++i) {
        const AddressRow row = test::RowAt(table, i);
        if (i % 2) {
            EXPECT_EQ(row.country, u"E");
            EXPECT_EQ(row.province, u"F");
        } else {
            EXPECT_EQ(row.country, u"") << "a miss leaves nothing of the first run";
            EXPECT_EQ(row.province, u"");
        }
        EXPECT_EQ(row.city, u"");
        EXPECT_EQ(row.provider, u"");
    }
}

// Stop before the workers take anything: each uses up one index, resolves none, and the rows
// keep what they held.
TEST(LookupRunTest, StopBeforeTheFirstRowResolvesNothing) {
    TempDatabase db({Range{0, 0xFFFFFFFFu, "A|0|B|C|D"}});
    ASSERT_TRUE(db.Ok());
    CAddressTable table;
    std::vector<AddressRow> rows;
    for (int i = 0; i < 50; ++i) {
        rows.push_back(test::AddressRow{u"1.2.3.4", u"old", {}, {}, {}});
    }
    test::AppendRows(table, rows);
    RunDriver driver;
    ASSERT_TRUE(driver.Run(table, Utf8ToWide(db.Path()), /*stopAtOnce=*/true));
    EXPECT_FALSE(table.IsRunActive());
    EXPECT_EQ(table.GetRowsHandedOut(), 3u);
    for (std::size_t i = 0; i < table.GetRowCount(); ++i) {
        ASSERT_EQ(table.GetField(i, 1), u"old");
    }
}

// A run that cannot make one of its threads is ended again before StartLookupRun returns: no
// thread left, no notification, the table out of its run and ready for the next one.
TEST(LookupRunTest, StartThatCannotMakeAThreadEndsTheRunAgain) {
    TempDatabase db({Range{0, 0xFFFFFFFFu, "A|0|B|C|D"}});
    ASSERT_TRUE(db.Ok());
    CAddressTable table;
    test::AppendRows(table,
                     std::vector<AddressRow>(20, AddressRow{u"1.2.3.4", u"old", {}, {}, {}}));
    for (int failing = 1; failing <= 4; ++failing) {  // three workers, then the waiter
        SCOPED_TRACE(failing);
        int made = 0;
        CThreadGroup group([&](CThreadGroup::Callable body) {
            if (++made == failing) {
                throw std::system_error(EAGAIN, std::generic_category(), "thread refused");
            }
            return std::thread(std::move(body));
        });
        int finished = 0;
        EXPECT_FALSE(StartLookupRun(group, table, OpenDatabaseFile(Utf8ToWide(db.Path())).database,
                                    nullptr, [&] { ++finished; }));
        group.WaitForWaiters();
        EXPECT_EQ(finished, 0);
        EXPECT_FALSE(table.IsRunActive());
        EXPECT_TRUE(table.IsStopped());
    }
    // Rows are resolved or keep what they held; the next run resolves them all.
    RunDriver driver;
    ASSERT_TRUE(driver.Run(table, Utf8ToWide(db.Path())));
    for (std::size_t i = 0; i < table.GetRowCount(); ++i) {
        ASSERT_EQ(table.GetField(i, 1), u"A");
    }
}

// The display reads rows while workers publish: each row read shows all four fields of one
// lookup, never a mix.
TEST(LookupRunTest, ReaderDuringRunSeesWholeRows) {
    TempDatabase db({Range{0, 0x7FFFFFFFu,
                           "AAAAAAAAAAAAAAAAAAAA|0|AAAAAAAAAAAAAAAAAAAA|AAAAAAAAAAAAAAAAAAAA|"
                           "AAAAAAAAAAAAAAAAAAAA"},
                     Range{0x80000000u, 0xFFFFFFFFu,
                           "BBBBBBBBBBBBBBBBBBBB|0|BBBBBBBBBBBBBBBBBBBB|BBBBBBBBBBBBBBBBBBBB|"
                           "BBBBBBBBBBBBBBBBBBBB"}});
    ASSERT_TRUE(db.Ok());
    CAddressTable table;
    std::vector<AddressRow> rows;
    for (std::uint32_t i = 0; i < kRows / 4; ++i) {
        rows.push_back(test::AddressRow{i % 2 ? u"1.0.0.0" : u"200.0.0.0", u"x", u"x", u"x", u"x"});
    }
    test::AppendRows(table, rows);
    std::atomic<bool> done{false};
    bool consistent = true;
    std::thread reader([&] {
        while (!done) {
            for (std::size_t i = 0; i < table.GetRowCount(); i += 97) {
                // One record read: its four fields always come from one lookup.
                const ResultTexts* row = table.GetResults(i);
                consistent = consistent && row != nullptr && row->country == row->province &&
                             row->country == row->city && row->country == row->provider;
            }
        }
    });
    RunDriver driver;
    ASSERT_TRUE(driver.Run(table, Utf8ToWide(db.Path())));
    done = true;
    reader.join();
    EXPECT_TRUE(consistent);
}

}  // namespace
}  // namespace quorvane
