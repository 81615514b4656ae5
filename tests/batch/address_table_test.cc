#include "batch/address_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "files/conversions.h"

namespace quorvane {
namespace {

AddressRow Row(std::u16string address) {
    return AddressRow{std::move(address), {}, {}, {}, {}};
}

TEST(AddressTableTest, HandsOutEachIndexOnceThenNothing) {
    CAddressTable table;
    table.BeginRun();
    EXPECT_FALSE(table.TakeNextRowIndex().has_value()) << "empty table";
    table.EndRun();

    table.AppendRow(Row(u"1.1.1.1"));
    table.AppendRow(Row(u"2.2.2.2"));
    table.BeginRun();
    EXPECT_EQ(table.TakeNextRowIndex(), 0u);
    EXPECT_EQ(table.TakeNextRowIndex(), 1u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(table.TakeNextRowIndex().has_value());
    }
    EXPECT_EQ(table.GetRowsHandedOut(), 2u) << "the cursor never passes the row count";
    table.EndRun();

    // A new run, and a table rebuilt between runs, start again at row 0.
    table.BeginRun();
    EXPECT_EQ(table.TakeNextRowIndex(), 0u);
    table.EndRun();
    table.ClearRows();
    table.AppendRow(Row(u"3.3.3.3"));
    table.BeginRun();
    EXPECT_EQ(table.TakeNextRowIndex(), 0u);
    EXPECT_FALSE(table.TakeNextRowIndex().has_value());
    table.EndRun();
}

TEST(AddressTableTest, RunFlags) {
    CAddressTable table;
    EXPECT_TRUE(table.IsStopped());
    EXPECT_FALSE(table.IsRunActive());
    table.BeginRun();
    EXPECT_FALSE(table.IsStopped());
    EXPECT_TRUE(table.IsRunActive());
    // A stop leaves the run active until its finished notification: rows must stay put while
    // workers may still be writing the rows they hold.
    table.RequestStop();
    EXPECT_TRUE(table.IsStopped());
    EXPECT_TRUE(table.IsRunActive());
    table.EndRun();
    EXPECT_TRUE(table.IsStopped());
    EXPECT_FALSE(table.IsRunActive());
}

TEST(AddressTableTest, OutOfRangeAccessThrows) {
    CAddressTable table;
    EXPECT_THROW(table.GetRow(0), std::out_of_range);
    table.AppendRow(Row(u"1.2.3.4"));
    EXPECT_EQ(table.GetRow(0).address, u"1.2.3.4");
    EXPECT_THROW(table.GetRow(1), std::out_of_range);
    EXPECT_THROW(table.GetField(1, 0), std::out_of_range);
    EXPECT_THROW(table.GetField(0, 5), std::out_of_range);
    EXPECT_THROW(table.GetField(0, -1), std::out_of_range);
    EXPECT_THROW(table.PublishResults(1, AddressRow{}), std::out_of_range);
    std::u16string out;
    EXPECT_THROW(table.CopyAddress(7, out), std::out_of_range);
}

TEST(AddressTableTest, PublishReplacesOnlyResultFields) {
    CAddressTable table;
    table.AppendRow(Row(u"1.2.3.4"));
    const AddressRow results{u"ignored", u"A", u"B", u"C", u"D"};
    table.PublishResults(0, results);
    AddressRow row = table.GetRow(0);
    EXPECT_EQ(row.address, u"1.2.3.4");
    EXPECT_EQ(row.country, u"A");
    EXPECT_EQ(row.provider, u"D");
    EXPECT_EQ(table.GetField(0, 2), u"B");
    EXPECT_EQ(table.GetField(0, 3), u"C");

    // The moving form hands back the previous texts.
    AddressRow next{u"", u"E", u"F", u"G", u"H"};
    table.PublishResults(0, std::move(next));
    EXPECT_EQ(next.country, u"A");
    EXPECT_EQ(table.GetField(0, 1), u"E");
    EXPECT_EQ(table.GetField(0, 4), u"H");
}

TEST(AddressTableTest, ContendedTakesHandOutEveryIndexExactlyOnce) {
#ifdef QUORVANE_SANITIZED
    constexpr std::uint32_t kRows = 5000;
#else
    constexpr std::uint32_t kRows = 200000;
#endif
    CAddressTable table;
    for (std::uint32_t i = 0; i < kRows; ++i) {
        table.AppendRow(Row(u""));
    }
    table.BeginRun();
    std::vector<std::vector<std::uint32_t>> taken(4);
    std::vector<std::thread> threads;
    for (auto& mine : taken) {
        threads.emplace_back([&table, &mine] {
            while (auto index = table.TakeNextRowIndex()) {
                mine.push_back(*index);
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    std::vector<std::uint32_t> all;
    for (const auto& mine : taken) {
        EXPECT_TRUE(std::is_sorted(mine.begin(), mine.end()));
        all.insert(all.end(), mine.begin(), mine.end());
    }
    std::sort(all.begin(), all.end());
    ASSERT_EQ(all.size(), kRows);
    for (std::uint32_t i = 0; i < kRows; ++i) {
        ASSERT_EQ(all[i], i);
    }
    table.EndRun();
}

// A reader running beside a publisher sees each row either entirely before or entirely after a
// publish: all four fields always come from the same generation.
TEST(AddressTableTest, ConcurrentReaderNeverSeesTornRows) {
#ifdef QUORVANE_SANITIZED
    constexpr int kRounds = 300;
#else
    constexpr int kRounds = 5000;
#endif
    CAddressTable table;
    table.AppendRow(Row(u"9.9.9.9"));
    table.AppendRow(Row(u"8.8.8.8"));
    table.BeginRun();
    std::atomic<bool> done{false};
    std::thread writer([&] {
        AddressRow results;
        for (int round = 1; round <= kRounds; ++round) {
            // Long texts, so a half-replaced one could not hide in a small-string buffer.
            const std::u16string tag =
                std::u16string(40, u'x') + std::u16string(1, u'a' + round % 26);
            results = AddressRow{u"", tag, tag, tag, tag};
            table.PublishResults(round % 2, std::move(results));
        }
        done = true;
    });
    // A failed assertion here would return with the writer still running, which ends the whole
    // program: the first torn row is kept and checked once the writer has been joined.
    std::size_t reads = 0;
    std::optional<AddressRow> torn;
    while (!torn && (!done || reads < 100)) {
        for (std::size_t i = 0; i < 2; ++i) {
            const AddressRow row = table.GetRow(i);
            if (row.country != row.province || row.country != row.city ||
                row.country != row.provider) {
                torn = row;
            }
            (void)table.GetField(i, 1);
            ++reads;
        }
    }
    writer.join();
    table.EndRun();
    EXPECT_FALSE(torn.has_value())
        << "torn row: " << WideToUtf8(torn->country) << " / " << WideToUtf8(torn->province) << " / "
        << WideToUtf8(torn->city) << " / " << WideToUtf8(torn->provider);
}

}  // namespace
}  // namespace quorvane
