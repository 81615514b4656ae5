// A worker whose allocations fail (a record of the result store, the session's cache): the run
// must end as a failure that the window and the command can report, never with an exception out
// of the worker (which ends the process) or a row given another row's answer. Runs in the program
// that replaces the global allocation functions (failing_allocation.h).
#include <gtest/gtest.h>

#include <string>

#include "batch/lookup_run.h"
#include "failing_allocation.h"
#include "files/conversions.h"
#include "tests/support/table_rows.h"
#include "tests/support/temp_database.h"

namespace quorvane {
namespace {

using dbwriter::Range;

TEST(LookupRunFailureTest, AWorkerOutOfMemoryStopsTheRunAsAFailure) {
    test::TempDatabase db(
        {Range{0, 0x7FFFFFFFu, "A|0|B|C|D"}, Range{0x80000000u, 0xFFFFFFFFu, "E|0|F|G|H"}});
    ASSERT_TRUE(db.Ok()) << db.Error();
    const DatabaseOpening opening = OpenDatabaseFile(Utf8ToWide(db.Path()));
    ASSERT_EQ(opening.status, DatabaseStatus::kUsable);
    bool completed = false;
    int failed = 0;
    for (int failing = 1; !completed; ++failing) {
        SCOPED_TRACE(failing);
        CAddressTable table;
        std::vector<test::AddressRow> rows;
        for (int i = 0; i < 300; ++i) {
            rows.push_back(test::AddressRow{i % 2 ? u"1.2.3.4" : u"200.1.1.1", u"old", {}, {}, {}});
        }
        test::AppendRows(table, rows);
        std::function<void()> work = MakeLookupWork(table, opening.database);
        table.BeginRun();
        test::FailAllocation(failing);
        EXPECT_NO_THROW(work());  // the worker runs on this thread, where allocations fail
        completed = !test::AllocationFailureReached();
        failed += completed ? 0 : 1;
        EXPECT_EQ(table.RanOutOfMemory(), !completed);
        EXPECT_TRUE(table.IsStopped() || completed);
        table.EndRun();
        for (std::size_t i = 0; i < table.GetRowCount(); ++i) {
            const std::u16string country = table.GetField(i, 1);
            // Each row holds what it held, or its own answer: never another row's.
            ASSERT_TRUE(country == u"old" || country == (i % 2 ? u"A" : u"E")) << i;
            ASSERT_TRUE(!completed || country != u"old") << i;
        }
        ASSERT_LT(failing, 10000) << "the run never completed";
    }
    EXPECT_GE(failed, 3) << "the session, the store and its records all allocate";
    // A new run starts without the failure of the last one.
    CAddressTable table;
    table.BeginRun();
    EXPECT_FALSE(table.RanOutOfMemory());
    table.EndRun();
}

}  // namespace
}  // namespace quorvane
