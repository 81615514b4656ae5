// The table of IPv6 records a run's workers share: an entry set to "no results" is told apart
// from one never set, and numbers beyond its reach are simply not kept.
#include "batch/dense_record_table.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(DenseRecordTableTest, KeepsWhatWasSetAndOnlyThat) {
    CDenseRecordTable table;
    const ResultTexts record;
    const ResultTexts* found = &record;
    EXPECT_FALSE(table.Find(1, &found));
    table.Set(1, nullptr);  // a record whose four fields are empty
    ASSERT_TRUE(table.Find(1, &found));
    EXPECT_EQ(found, nullptr);
    table.Set(4096, &record);  // the first entry of the second page
    ASSERT_TRUE(table.Find(4096, &found));
    EXPECT_EQ(found, &record);
    EXPECT_FALSE(table.Find(4095, &found));
    EXPECT_FALSE(table.Find(4097, &found));
    // 2^24 and up are past the last page: a search that met one interns it each time instead.
    table.Set(16777216, &record);
    EXPECT_FALSE(table.Find(16777216, &found));
    table.Set(16777215, &record);
    EXPECT_TRUE(table.Find(16777215, &found));
    EXPECT_FALSE(table.Find(0xFFFFFFFFu, &found));
}

}  // namespace
}  // namespace quorvane
