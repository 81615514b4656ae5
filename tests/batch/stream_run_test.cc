// The command's streaming run in-process, so that the sanitizers watch its threads: every line
// comes out once, in input order, whatever the number of workers and wherever chunks end.
#include "batch/stream_run.h"

#include <gtest/gtest.h>

#include <functional>

#include <memory>
#include <string>
#include <vector>

#include "batch/address_block.h"
#include "batch/address_list.h"
#include "batch/database_source.h"
#include "batch/lookup_session.h"
#include "batch/result_store.h"
#include "files/conversions.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/temp_database.h"
#include "tools/dbwriter/synthetic_ranges.h"

namespace quorvane {
namespace {

using test::TempDatabase;

class StreamRunTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_db.Ok()) << m_db.Error(); }

    SharedDatabase Database() const { return OpenDatabaseFile(Utf8ToWide(m_db.Path())).database; }

    // Runs the stream over the file in, writing out; threads workers; IPv6 rows from database6
    // (by default a file that is not there).
    // awaitDatabase: given, the database comes from it instead of the test's own.
    StreamOutcome Run(const std::string& in, const std::string& out, unsigned threads,
                      CDatabaseSource* database6 = nullptr,
                      std::function<SharedDatabase()> awaitDatabase = nullptr) {
        CTextFile input(Utf8ToWide(in), CTextFile::Mode::kRead);
        EXPECT_TRUE(input.IsOpen());
        StreamSettings settings;
        settings.threads = threads;
        settings.awaitDatabase =
            awaitDatabase ? std::move(awaitDatabase) : [this] { return Database(); };
        settings.database6 = database6 != nullptr ? database6 : &m_database6;
        settings.openOutput = [this, out] {
            ++m_outputsOpened;
            return std::make_unique<CTextFile>(Utf8ToWide(out), CTextFile::Mode::kWrite);
        };
        StreamRecords records;
        return RunStream(input, settings, records);
    }

    // The lines of list resolved one block at a time, as a single worker without chunks would.
    std::string Expected(const std::string& list, SharedDatabase database6 = nullptr) const {
        CAddressBlock block;
        EXPECT_TRUE(ReadAddressList(Utf8ToWide(m_scratch.Write("expected-in.txt", list)), block));
        CResultStore store;
        CLookupSession session(Database(), store, database6);
        std::vector<const ResultTexts*> records(block.Count());
        session.ResolveRows(block, 0, block.Count(), records.data());
        std::string out;
        for (std::size_t row = 0; row < block.Count(); ++row) {
            AppendExportLine(block, row, records[row], out);
        }
        return out;
    }

    test::ScratchDir m_scratch{"quorvane-stream"};
    TempDatabase m_db{dbwriter::MakeSyntheticRanges(3000, 21)};
    // No such file: IPv6 rows stay empty and are counted.
    CDatabaseSource m_database6{m_scratch.Wide("no-region6.db"), QUORVANE_DB_IPV6};
    int m_outputsOpened = 0;
};

// Many chunks of every kind of line: addresses, text, a comma, characters outside ASCII and
// empty lines; a chunk put out of place, lost or written twice changes the bytes.
TEST_F(StreamRunTest, EveryLineOnceInInputOrder) {
#ifdef QUORVANE_SANITIZED
    constexpr int kLines = 40000;
#else
    constexpr int kLines = 150000;
#endif
    std::string list;
    for (int i = 0; i < kLines; ++i) {
        const unsigned v = static_cast<unsigned>(i) * 2654435761u;
        switch (i % 7) {
            case 0:
                list += "北京 " + std::to_string(i) + "\r\n";
                break;
            case 1:
                list += "a,b " + std::to_string(i) + "\r\n";
                break;
            case 2:
                list += "\r\n";
                break;
            default:
                list += std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 255) + "." +
                        std::to_string((v >> 8) & 255) + "." + std::to_string(v & 255) + "\r\n";
        }
    }
    const std::string in = m_scratch.Write("in.txt", list);
    const std::string expected = Expected(list);
    for (unsigned threads : {1u, 2u, 3u, 8u}) {
        const std::string out = m_scratch.Path("out.txt").string();
        const StreamOutcome outcome = Run(in, out, threads);
        EXPECT_EQ(outcome.kind, StreamOutcome::Kind::kDone) << threads;
        EXPECT_EQ(outcome.rows, static_cast<std::uint64_t>(kLines)) << threads;
        EXPECT_TRUE(test::ReadBytes(out) == expected) << threads << " threads";
    }
}

TEST_F(StreamRunTest, AnEmptyListOpensNoOutput) {
    const std::string in = m_scratch.Write("empty.txt", "");
    const StreamOutcome outcome = Run(in, m_scratch.Path("out.txt").string(), 3);
    EXPECT_EQ(outcome.kind, StreamOutcome::Kind::kEmptyInput);
    EXPECT_EQ(m_outputsOpened, 0);
}

// A database awaited once the first chunk is read: asked for once, before the output is opened;
// none stops the run with the output never opened, one resolves the list as one given up front.
TEST_F(StreamRunTest, TheDatabaseAwaitedBeforeTheOutputOpens) {
    std::string list;
    for (int i = 0; i < 20000; ++i) {
        list += "10." + std::to_string(i % 256) + "." + std::to_string(i % 7) + ".1\n";
    }
    const std::string in = m_scratch.Write("in.txt", list);
    const std::string out = m_scratch.Path("out.txt").string();
    int asked = 0;
    int outputsOpenedWhenAsked = -1;
    StreamOutcome outcome = Run(in, out, 3, nullptr, [&]() -> SharedDatabase {
        ++asked;
        outputsOpenedWhenAsked = m_outputsOpened;
        return nullptr;
    });
    EXPECT_EQ(outcome.kind, StreamOutcome::Kind::kNoDatabase);
    EXPECT_EQ(outcome.rows, 0u);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(m_outputsOpened, 0);

    outcome = Run(in, out, 3, nullptr, [&] {
        ++asked;
        outputsOpenedWhenAsked = m_outputsOpened;
        return Database();
    });
    EXPECT_EQ(outcome.kind, StreamOutcome::Kind::kDone);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(outputsOpenedWhenAsked, 0);
    EXPECT_TRUE(test::ReadBytes(out) == Expected(list));
}

// A write that fails ends the run with the cause, whatever the workers were doing.
TEST_F(StreamRunTest, AFailedWriteEndsTheRun) {
    std::string list;
    for (int i = 0; i < 100000; ++i) {
        list += "10.0." + std::to_string(i % 256) + ".1\n";
    }
    const std::string in = m_scratch.Write("in.txt", list);
    const StreamOutcome outcome = Run(in, "/dev/full", 3);
    EXPECT_EQ(outcome.kind, StreamOutcome::Kind::kWriteFailed);
    EXPECT_EQ(outcome.error.problem, FileProblem::kDiskFull);
}

// IPv6 rows without region6.db stay empty and are counted for the warning; IPv4-mapped ones and
// other text are not.
TEST_F(StreamRunTest, Ipv6RowsWithoutTheirDatabaseAreCounted) {
    const std::string in =
        m_scratch.Write("in.txt", "2001:db8::1\n1.2.3.4\n::ffff:1.2.3.4\nfe80::1\nx:y\n");
    const std::string out = m_scratch.Path("out.txt").string();
    const StreamOutcome outcome = Run(in, out, 2);
    EXPECT_EQ(outcome.kind, StreamOutcome::Kind::kDone);
    EXPECT_EQ(outcome.ipv6Unresolved, 2u);
    EXPECT_EQ(test::ReadBytes(out).substr(0, 17), "2001:db8::1,,,,\r\n");
}

// IPv6 rows of many chunks, resolved by several workers through the one table of IPv6 records they
// share (each record first met by several at once): the bytes a single session gives.
TEST_F(StreamRunTest, Ipv6RowsThroughTheSharedTable) {
    const std::string db6 = m_scratch.Path("region6.db").string();
    test::WriteRegion6File(db6, test::SampleRanges6());
    std::string list;
    for (int i = 0; i < 40000; ++i) {
        const std::string n = std::to_string(i % 1000);
        list += i % 3 == 0 ? "2001:db8::" + n : i % 3 == 1 ? "240e:" + n + "::1" : "1.2.3." + n;
        list += "\n";
    }
    const std::string in = m_scratch.Write("in6.txt", list);
    const std::string expected =
        Expected(list, OpenDatabaseFile(Utf8ToWide(db6), QUORVANE_DB_IPV6).database);
    EXPECT_NE(expected.find("240e:999::1,中国,广东省,深圳市,电信\r\n"), std::string::npos);
    for (unsigned threads : {1u, 4u}) {
        CDatabaseSource database6(Utf8ToWide(db6), QUORVANE_DB_IPV6);
        const std::string out = m_scratch.Path("out6.txt").string();
        const StreamOutcome outcome = Run(in, out, threads, &database6);
        EXPECT_EQ(outcome.kind, StreamOutcome::Kind::kDone);
        EXPECT_EQ(outcome.ipv6Unresolved, 0u);
        EXPECT_TRUE(test::ReadBytes(out) == expected) << threads << " threads";
    }
}

}  // namespace
}  // namespace quorvane
