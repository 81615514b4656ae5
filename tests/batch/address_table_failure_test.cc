// Appending an imported list when memory runs out part-way: every allocation of AppendAddresses
// fails in turn, and the table must hold exactly what it held before. Runs in the program that
// replaces the global allocation functions (failing_allocation.h).
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "batch/address_table.h"
#include "failing_allocation.h"
#include "tests/support/table_rows.h"

namespace quorvane {
namespace {

using test::AddressRow;

std::vector<AddressRow> RowsOf(const CAddressTable& table) {
    std::vector<AddressRow> rows;
    for (std::size_t i = 0; i < table.GetRowCount(); ++i) {
        rows.push_back(test::RowAt(table, i));
    }
    return rows;
}

bool SameRows(const std::vector<AddressRow>& a, const std::vector<AddressRow>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].address != b[i].address || a[i].country != b[i].country ||
            a[i].province != b[i].province || a[i].city != b[i].city ||
            a[i].provider != b[i].provider) {
            return false;
        }
    }
    return true;
}

TEST(AddressTableFailureTest, AppendingAnImportIsAllOrNothing) {
    for (bool keepRows : {true, false}) {
        SCOPED_TRACE(keepRows ? "appended" : "replacing");
        for (int failing = 1;; ++failing) {
            SCOPED_TRACE(failing);
            CAddressTable table;
            test::AppendRow(table, test::AddressRow{u"1.1.1.1", u"A", u"B", u"C", u"D"});
            test::AppendRow(table, test::AddressRow{u"中文", {}, {}, {}, {}});
            const std::vector<AddressRow> before = RowsOf(table);
            CAddressBlock imported;
            for (int i = 0; i < 300; ++i) {
                imported.AppendAscii("10.0.0." + std::to_string(i % 256));
            }
            imported.Append(u"全角");

            test::FailAllocation(failing);
            bool threw = false;
            try {
                table.AppendAddresses(std::move(imported), keepRows);
            } catch (const std::bad_alloc&) {
                threw = true;
            }
            const bool reached = test::AllocationFailureReached();
            ASSERT_EQ(threw, reached);
            if (threw) {
                ASSERT_TRUE(SameRows(RowsOf(table), before));
                // Nothing half-appended lingers to shift the rows of the next import.
                CAddressBlock next;
                next.AppendAscii("9.9.9.9");
                table.AppendAddresses(std::move(next), true);
                ASSERT_EQ(table.GetRowCount(), before.size() + 1);
                ASSERT_EQ(test::RowAt(table, before.size()).address, u"9.9.9.9");
                continue;
            }
            const std::size_t kept = keepRows ? before.size() : 0;
            ASSERT_EQ(table.GetRowCount(), kept + 301);
            EXPECT_EQ(test::RowAt(table, 0).address, keepRows ? u"1.1.1.1" : u"10.0.0.0");
            EXPECT_EQ(test::RowAt(table, kept + 300).address, u"全角");
            EXPECT_EQ(test::RowAt(table, kept).country, u"");
            break;
        }
    }
}

}  // namespace
}  // namespace quorvane
