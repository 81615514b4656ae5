#include "ui/main_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "files/conversions.h"
#include "tests/support/named_pipe.h"
#include "tests/support/table_rows.h"
#include "tests/support/temp_database.h"
#include "tests/ui/fake_window.h"
#include "tests/ui/test_files.h"
#include "ui/messages.h"
#include "ui/resources/resource_ids.h"

namespace quorvane {
namespace {

using test::AddressRow;

using test::FakeWindow;
using test::ScratchDir;
using test::Widen;

#ifdef QUORVANE_SANITIZED
constexpr int kLongTable = 3000;
#else
constexpr int kLongTable = 100000;
#endif

constexpr char16_t kHelpPath[] = u"/opt/quorvane/help/index.html";

std::vector<AddressRow> Rows(const CMainFrame& frame) {
    std::vector<AddressRow> rows;
    for (std::size_t i = 0; i < frame.GetRowCount(); ++i) {
        rows.push_back(test::RowAt(frame.Table(), i));
    }
    return rows;
}

std::vector<std::u16string> Addresses(const CMainFrame& frame) {
    std::vector<std::u16string> out;
    for (const AddressRow& row : Rows(frame)) {
        out.push_back(row.address);
    }
    return out;
}

bool SameRows(const std::vector<AddressRow>& a, const std::vector<AddressRow>& b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [](const AddressRow& x, const AddressRow& y) {
            return x.address == y.address && x.country == y.country && x.province == y.province &&
                   x.city == y.city && x.provider == y.provider;
        });
}

class FrameTest : public ::testing::Test {
  protected:
    FrameTest() {
        test::MakeDatabase(m_dir.Path("ip2region.db"), test::SampleRanges());
        UseThreadStarter({});
    }

    // A new frame whose runs make their threads with startThread.
    void UseThreadStarter(CThreadGroup::ThreadStarter startThread) {
        m_frame = std::make_unique<CMainFrame>(m_window, m_dir.Wide("ip2region.db"), kHelpPath,
                                               std::move(startThread));
        m_frame->OnCreate();
        m_window.calls.clear();
    }

    // Imports the lines (joined by CR LF) from a new file; answer is the reply to the question
    // asked when the table already has rows.
    void Import(const std::vector<std::string>& lines, MessageAnswer answer = MessageAnswer::kNo) {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line + "\r\n";
        }
        const std::string name = "list" + std::to_string(++m_files) + ".txt";
        test::WriteBytes(m_dir.Path(name), bytes);
        m_window.openAnswers.push_back(m_dir.Wide(name));
        if (m_frame->GetRowCount() != 0) {
            m_window.yesNoAnswers.push_back(answer);
        }
        EXPECT_TRUE(m_frame->OnCommand(ID_CMD_IMPORT));
    }

    void ImportMany(int count) {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            lines.push_back("8.8." + std::to_string(i / 256 % 256) + "." + std::to_string(i % 256));
        }
        Import(lines);
    }

    // The window thread waits for the run's end, running what the waiter posts.
    void PumpToIdle() {
        ASSERT_TRUE(m_window.PumpUntil([&] { return !m_frame->IsRunAlive(); }));
    }

    void RunToEnd() {
        m_frame->OnCommand(ID_CMD_START);
        ASSERT_TRUE(m_frame->IsRunAlive());
        PumpToIdle();
    }

    void ExpectIdleMenus() {
        EXPECT_EQ(m_window.menu[ID_CMD_START], MenuState::kEnabled);
        EXPECT_EQ(m_window.menu[ID_CMD_STOP], MenuState::kGrayed);
    }

    // Import and export both refuse with the one message, before any chooser, table untouched.
    void ExpectImportExportRefused() {
        const auto before = Rows(*m_frame);
        m_window.calls.clear();
        m_window.messages.clear();
        m_frame->OnCommand(ID_CMD_IMPORT);
        m_frame->OnCommand(ID_CMD_EXPORT);
        EXPECT_EQ(m_window.calls, (std::vector<std::string>{"message", "message"}));
        EXPECT_EQ(m_window.MessageTexts(),
                  (std::vector<std::u16string>{messages::kRunActive, messages::kRunActive}));
        EXPECT_TRUE(SameRows(Rows(*m_frame), before));
    }

    FakeWindow m_window;
    ScratchDir m_dir;
    std::unique_ptr<CMainFrame> m_frame;

  private:
    int m_files = 0;
};

TEST_F(FrameTest, CreateGraysStopEnablesAboutAndDispatchHandlesOnlyItsCommands) {
    CMainFrame other(m_window, u"", kHelpPath);
    other.OnCreate();
    EXPECT_EQ(m_window.calls, (std::vector<std::string>{"menu 32778 grayed", "menu 104 enabled"}));
    m_window.calls.clear();

    for (int id : {0, 1, 103, 106, 128, 1025, 32775, 32779, 32784, -1, 0x10000}) {
        EXPECT_FALSE(m_frame->OnCommand(id)) << id;
    }
    EXPECT_TRUE(m_window.calls.empty());

    // A code in the high word (an accelerator's) does not change the command.
    EXPECT_TRUE(m_frame->OnCommand((1 << 16) | ID_CMD_ABOUT));
    EXPECT_TRUE(m_frame->OnCommand((1 << 16) | ID_CMD_HELP));
    EXPECT_EQ(m_window.calls,
              (std::vector<std::string>{"about", "system /opt/quorvane/help/index.html"}));
}

TEST_F(FrameTest, HelpShowsTheOwnViewerOnlyWhenTheSystemCannotOpenThePage) {
    m_window.systemOpens = false;
    m_frame->OnCommand(ID_CMD_HELP);
    EXPECT_EQ(m_window.calls, (std::vector<std::string>{"system /opt/quorvane/help/index.html",
                                                        "help /opt/quorvane/help/index.html"}));
    EXPECT_TRUE(m_window.messages.empty());
}

TEST_F(FrameTest, StatusBarShowsRowCountThenProgressThenWhatTheRunFound) {
    Import({"8.8.8.8", "9.9.9.9", "garbage", "10.0.0.1"});
    EXPECT_EQ(m_window.statusTexts, std::vector<std::u16string>{u"共 4 行"});
    m_frame->OnCommand(ID_CMD_START);
    EXPECT_EQ(m_window.statusTexts.back(), u"解析中 0 / 4");
    PumpToIdle();
    // 9.9.9.9 and a text that is no address find nothing; the private range has a provider.
    const std::string end = WideToUtf8(m_window.statusTexts.back());
    EXPECT_TRUE(std::regex_match(
        end, std::regex("解析完成：有结果 2 行，无结果 2 行，用时 [0-9]+\\.[0-9] 秒")))
        << end;

    Import({"1.1.1.1"}, MessageAnswer::kNo);
    EXPECT_EQ(m_window.statusTexts.back(), u"共 5 行");
}

// IPv6 rows resolve from region6.db beside ip2region.db, in the same run as the IPv4 rows, and
// the finished status counts them with the others; an IPv4-mapped row answers as its IPv4
// address.
TEST_F(FrameTest, Ipv6RowsResolveBesideTheOthersAndCountInTheStatus) {
    test::WriteRegion6File(m_dir.Path("region6.db"), test::SampleRanges6());
    Import({"8.8.8.8", "2001:db8::1", "240e:4c:4008::1", "::ffff:8.8.8.8", "2400::1", "[::1]"});
    RunToEnd();
    const std::vector<AddressRow> rows = Rows(*m_frame);
    EXPECT_EQ(rows[1].country + u"/" + rows[1].provider, u"文档/示例");
    EXPECT_EQ(
        rows[2].country + u"/" + rows[2].province + u"/" + rows[2].city + u"/" + rows[2].provider,
        u"中国/广东省/深圳市/电信");
    EXPECT_EQ(rows[3].country, u"美国");
    EXPECT_EQ(rows[3].provider, rows[0].provider);
    EXPECT_EQ(rows[4].country, u"");
    EXPECT_EQ(rows[5].country, u"");
    const std::string end = WideToUtf8(m_window.statusTexts.back());
    EXPECT_TRUE(std::regex_match(
        end, std::regex("解析完成：有结果 4 行，无结果 2 行，用时 [0-9]+\\.[0-9] 秒")))
        << end;
    EXPECT_TRUE(m_window.messages.empty());
}

// Without a usable region6.db the run still resolves the IPv4 rows, leaves the IPv6 rows empty
// and says so in the status bar, with the reason, never in a box; a list without IPv6 rows hears
// nothing of it.
TEST_F(FrameTest, AMissingOrDamagedRegion6LeavesIpv6RowsEmptyAndTheStatusSaysWhy) {
    Import({"8.8.8.8", "2001:db8::1", "::ffff:8.8.8.8", "240e::1", "a:b"});
    RunToEnd();
    EXPECT_EQ(test::RowAt(m_frame->Table(), 0).country, u"美国");
    EXPECT_EQ(test::RowAt(m_frame->Table(), 1).country, u"");
    EXPECT_EQ(test::RowAt(m_frame->Table(), 2).country, u"美国");
    std::string end = WideToUtf8(m_window.statusTexts.back());
    EXPECT_TRUE(std::regex_match(end, std::regex("解析完成：有结果 2 行，无结果 3 行，用时 "
                                                 "[0-9]+\\.[0-9] 秒；IPv6地址 2 行未解析（"
                                                 "region6.db：文件不存在）")))
        << end;
    EXPECT_TRUE(m_window.messages.empty());
    ExpectIdleMenus();

    test::WriteBytes(m_dir.Path("region6.db"), "QVR6\r\n\x1a\n but nothing else");
    RunToEnd();
    end = WideToUtf8(m_window.statusTexts.back());
    EXPECT_NE(end.find("；IPv6地址 2 行未解析（region6.db：不是有效的数据库文件）"),
              std::string::npos)
        << end;
    // An IPv4 file in its place is no IPv6 file either.
    test::MakeDatabase(m_dir.Path("region6.db"), test::SampleRanges());
    RunToEnd();
    end = WideToUtf8(m_window.statusTexts.back());
    EXPECT_NE(end.find("（region6.db：不是有效的数据库文件）"), std::string::npos) << end;
    EXPECT_TRUE(m_window.messages.empty());

    Import({"8.8.8.8", "::ffff:1.0.0.1"}, MessageAnswer::kYes);
    RunToEnd();
    end = WideToUtf8(m_window.statusTexts.back());
    EXPECT_EQ(end.find("IPv6"), std::string::npos) << end;
    EXPECT_EQ(test::RowAt(m_frame->Table(), 1).country, u"中国");
}

TEST_F(FrameTest, ProgressFollowsTheTimerAndAStoppedRunCountsTheRowsItNeverReached) {
    ImportMany(kLongTable);
    m_frame->OnCommand(ID_CMD_START);
    m_frame->OnTimer(IDT_REFRESH);
    std::smatch m;
    std::string text = WideToUtf8(m_window.statusTexts.back());
    ASSERT_TRUE(std::regex_match(text, m, std::regex("解析中 ([0-9]+) / ([0-9]+)"))) << text;
    EXPECT_LE(std::stoul(m[1]), static_cast<unsigned long>(kLongTable));
    EXPECT_EQ(std::stoul(m[2]), static_cast<unsigned long>(kLongTable));

    m_frame->OnCommand(ID_CMD_STOP);
    PumpToIdle();
    text = WideToUtf8(m_window.statusTexts.back());
    // The three counts cover the table; the workers may have reached every row before the stop.
    if (std::regex_match(
            text, m,
            std::regex("已结束：有结果 ([0-9]+) 行，无结果 ([0-9]+) 行，未解析 ([0-9]+) "
                       "行，用时 [0-9]+\\.[0-9] 秒"))) {
        EXPECT_EQ(std::stoul(m[1]) + std::stoul(m[2]) + std::stoul(m[3]),
                  static_cast<unsigned long>(kLongTable));
        EXPECT_GT(std::stoul(m[3]), 0u);
    } else {
        ASSERT_TRUE(std::regex_match(
            text, m, std::regex("解析完成：有结果 ([0-9]+) 行，无结果 ([0-9]+) 行，用时 .* 秒")))
            << text;
        EXPECT_EQ(std::stoul(m[1]) + std::stoul(m[2]), static_cast<unsigned long>(kLongTable));
    }
}

// After a stop, rows handed to a worker but not resolved keep an earlier run's results; they
// must count as not reached rather than as found (or as found nothing).
TEST_F(FrameTest, StoppedRunCountsOnlyTheRowsItResolved) {
    // Long enough that the run is still going once this thread looks again after Start, also
    // where starting threads is slow (under Wine).
    const int rows = 4 * kLongTable;
    ImportMany(rows);
    // A stop between two blocks leaves no row half-taken; try again until one came mid-block.
    for (int attempt = 0; attempt < 20; ++attempt) {
        test::MakeDatabase(m_dir.Path("ip2region.db"),
                           test::OneTextRanges("甲国|0|甲省|甲市|甲网"));
        RunToEnd();
        // This database covers no imported address: every row the next run resolves empties.
        test::MakeDatabase(m_dir.Path("ip2region.db"), {dbwriter::Range{0, 0, "乙国|0|0|0|0"}});
        m_frame->OnCommand(ID_CMD_START);
        // Stop once the blocks have grown to their largest (256 rows, reached after 511 rows a
        // worker): a stop then nearly always finds a worker in the middle of one.
        while (m_frame->Table().GetRowsResolved() < 2048 && m_frame->IsRunAlive()) {
            std::this_thread::yield();
        }
        m_frame->OnCommand(ID_CMD_STOP);
        PumpToIdle();
        const CAddressTable& table = m_frame->Table();
        if (table.GetRowsHandedOut() == table.GetRowsResolved()) {
            continue;
        }
        std::size_t emptied = 0;
        for (std::size_t i = 0; i < table.GetRowCount(); ++i) {
            emptied += test::RowAt(table, i).country.empty();
        }
        const std::string text = WideToUtf8(m_window.statusTexts.back());
        std::smatch m;
        ASSERT_TRUE(std::regex_match(
            text, m,
            std::regex("已结束：有结果 ([0-9]+) 行，无结果 ([0-9]+) 行，未解析 ([0-9]+) 行，.*")))
            << text;
        EXPECT_EQ(std::stoul(m[1]), 0u) << text;
        EXPECT_EQ(std::stoul(m[2]), emptied) << text;
        EXPECT_EQ(std::stoul(m[3]), static_cast<std::size_t>(rows) - emptied) << text;
        return;
    }
    GTEST_SKIP() << "every stop fell between two blocks";
}

TEST_F(FrameTest, CellTextsComeFromTheTableAndOutOfRangeIsEmpty) {
    Import({"8.8.8.8", "garbage"});
    EXPECT_EQ(m_frame->OnGetDispInfo(0, 0), u"8.8.8.8");
    EXPECT_EQ(m_frame->OnGetDispInfo(1, 0), u"garbage");
    for (int column = 1; column <= 4; ++column) {
        EXPECT_EQ(m_frame->OnGetDispInfo(0, column), u"");
    }
    RunToEnd();
    EXPECT_EQ(m_frame->OnGetDispInfo(0, 1), u"美国");
    EXPECT_EQ(m_frame->OnGetDispInfo(0, 2), u"加利福尼亚");
    EXPECT_EQ(m_frame->OnGetDispInfo(0, 3), u"山景城");
    EXPECT_EQ(m_frame->OnGetDispInfo(0, 4), u"谷歌");
    EXPECT_EQ(m_frame->OnGetDispInfo(0, 5), u"");
    EXPECT_EQ(m_frame->OnGetDispInfo(0, -1), u"");
    EXPECT_EQ(m_frame->OnGetDispInfo(2, 0), u"");
    EXPECT_EQ(m_frame->OnGetDispInfo(static_cast<std::size_t>(-1), 0), u"");
}

TEST_F(FrameTest, ImportAppendsEveryLineInFileOrder) {
    Import({"1.1.1.1", "8.8.8.8", "", "1.1.1.1"});
    EXPECT_EQ(Addresses(*m_frame),
              (std::vector<std::u16string>{u"1.1.1.1", u"8.8.8.8", u"", u"1.1.1.1"}));
    EXPECT_EQ(m_window.itemCounts, std::vector<std::size_t>{4});
    EXPECT_TRUE(m_window.messages.empty());  // nothing to ask with an empty table
}

TEST_F(FrameTest, ImportCancelAsksNothingAndChangesNothing) {
    Import({"1.1.1.1"});
    m_window.calls.clear();
    m_window.openAnswers.push_back(std::nullopt);
    m_frame->OnCommand(ID_CMD_IMPORT);
    EXPECT_EQ(m_window.calls, std::vector<std::string>{"open"});
    EXPECT_EQ(m_frame->GetRowCount(), 1u);
}

TEST_F(FrameTest, ImportYesClearsAfterEmptyingTheListAndNoKeepsOldRowsAndResults) {
    Import({"8.8.8.8", "9.9.9.9"});
    RunToEnd();

    m_window.calls.clear();
    Import({"1.1.1.1"}, MessageAnswer::kNo);
    EXPECT_EQ(m_window.calls, (std::vector<std::string>{"open", "message", "count 3"}));
    EXPECT_EQ(m_window.messages.back().text, messages::kAskClear);
    EXPECT_EQ(m_window.messages.back().buttons, MessageButtons::kYesNo);
    EXPECT_EQ(Addresses(*m_frame),
              (std::vector<std::u16string>{u"8.8.8.8", u"9.9.9.9", u"1.1.1.1"}));
    EXPECT_EQ(test::RowAt(m_frame->Table(), 0).country, u"美国");

    m_window.calls.clear();
    Import({"10.0.0.1", "1.2.3.4"}, MessageAnswer::kYes);
    EXPECT_EQ(m_window.calls, (std::vector<std::string>{"open", "message", "count 0", "count 2"}));
    EXPECT_EQ(Addresses(*m_frame), (std::vector<std::u16string>{u"10.0.0.1", u"1.2.3.4"}));
    EXPECT_EQ(test::RowAt(m_frame->Table(), 0).country, u"");

    m_window.calls.clear();
    Import({}, MessageAnswer::kYes);  // an empty file after Yes empties table and list
    EXPECT_EQ(m_window.calls, (std::vector<std::string>{"open", "message", "count 0", "count 0"}));
    EXPECT_EQ(m_frame->GetRowCount(), 0u);
}

TEST_F(FrameTest, UnreadableImportIsReportedAndLeavesTableAsItWasEvenAfterYes) {
    Import({"8.8.8.8", "1.1.1.1"});
    RunToEnd();
    const auto before = Rows(*m_frame);
    // The window's own text, and on a second line why.
    const std::vector<std::pair<std::string, std::u16string>> cases = {
        {"missing.txt", u"文件或文件夹不存在"},
        {"no-such-dir/list.txt", u"文件或文件夹不存在"},
        {"/dev/zero", u"这不是普通文件"},
        {"", u"这是一个文件夹"}};
    for (const auto& [name, cause] : cases) {
        m_window.calls.clear();
        m_window.messages.clear();
        m_window.openAnswers.push_back(name.starts_with("/") ? Utf8ToWide(name) : m_dir.Wide(name));
        m_window.yesNoAnswers.push_back(MessageAnswer::kYes);
        m_frame->OnCommand(ID_CMD_IMPORT);
        EXPECT_EQ(m_window.calls, (std::vector<std::string>{"open", "message", "message"})) << name;
        EXPECT_EQ(
            m_window.MessageTexts(),
            (std::vector<std::u16string>{
                messages::kAskClear, std::u16string(messages::kImportUnreadable) + u"\n" + cause}));
        EXPECT_EQ(m_window.messages.back().buttons, MessageButtons::kOk);
        EXPECT_TRUE(SameRows(Rows(*m_frame), before)) << name;
        EXPECT_TRUE(name.empty() || name.starts_with("/") ||
                    !std::filesystem::exists(m_dir.Path(name)))
            << "import created " << name;
    }
}

TEST_F(FrameTest, StartTestsTheDatabaseBeforeTheTable) {
    struct Case {
        std::u16string db;
        bool importFirst;
        const char16_t* message;
    };
    std::filesystem::create_directory(m_dir.Path("folder"));
    test::WriteBytes(m_dir.Path("junk.db"), std::string(9000, 'j'));
    std::vector<Case> cases = {
        {m_dir.Wide("absent.db"), false, messages::kDatabaseMissing},
        {m_dir.Wide("absent.db"), true, messages::kDatabaseMissing},
        {m_dir.Wide("folder"), true, messages::kDatabaseMissing},
        {m_dir.Wide("junk.db"), false, messages::kDatabaseUnusable},
        {m_dir.Wide("junk.db"), true, messages::kDatabaseUnusable},
        {m_dir.Wide("ip2region.db"), false, messages::kImportFirst},
    };
    if (test::MakeNamedPipe(m_dir.Path("pipe.db"))) {
        cases.push_back({m_dir.Wide("pipe.db"), true, messages::kDatabaseMissing});
    }
    for (const Case& c : cases) {
        FakeWindow w;
        CMainFrame f(w, c.db, kHelpPath);
        if (c.importFirst) {
            test::WriteBytes(m_dir.Path("one.txt"), "8.8.8.8\r\n");
            w.openAnswers.push_back(m_dir.Wide("one.txt"));
            f.OnCommand(ID_CMD_IMPORT);
            w.calls.clear();
        }
        EXPECT_TRUE(f.OnCommand(ID_CMD_START));
        EXPECT_EQ(w.calls, std::vector<std::string>{"message"});  // no menu or timer change
        EXPECT_EQ(w.MessageTexts(), std::vector<std::u16string>{c.message});
        EXPECT_FALSE(f.IsRunAlive());
    }
}

TEST_F(FrameTest, OneRowRunEndsWithOneStepThatRepaintsKillsTheTimerAndRestoresTheMenu) {
    Import({"8.8.8.8"});
    std::vector<std::u16string> shownAtRepaint;
    m_window.onRepaint = [&] { shownAtRepaint.push_back(m_frame->OnGetDispInfo(0, 4)); };
    m_window.calls.clear();
    m_frame->OnCommand(ID_CMD_START);
    EXPECT_EQ(m_window.calls, (std::vector<std::string>{"menu 32777 grayed", "menu 32778 enabled",
                                                        "timer 1025 1000"}));
    EXPECT_EQ(m_window.itemCounts, std::vector<std::size_t>{1});  // a run never sets the count
    ExpectImportExportRefused();

    m_window.calls.clear();
    const std::size_t messagesBefore = m_window.messages.size();
    PumpToIdle();
    EXPECT_EQ(m_window.calls,
              (std::vector<std::string>{"repaint", "kill 1025", "menu 32777 enabled",
                                        "menu 32778 grayed"}));
    EXPECT_EQ(shownAtRepaint, std::vector<std::u16string>{u"谷歌"});  // the final repaint shows it
    EXPECT_FALSE(m_window.timerRunning);
    EXPECT_EQ(m_window.messages.size(), messagesBefore);  // no message at the end of a run

    // A timer message that was already queued when the timer was killed paints nothing.
    m_window.calls.clear();
    m_frame->OnTimer(IDT_REFRESH);
    EXPECT_TRUE(m_window.calls.empty());
}

TEST_F(FrameTest, RefreshTimerRepaintsOnlyForItsOwnIdentifier) {
    ImportMany(kLongTable);
    m_frame->OnCommand(ID_CMD_START);
    m_window.calls.clear();
    m_frame->OnTimer(1024);
    m_frame->OnTimer(0);
    m_frame->OnTimer(IDT_REFRESH + 1);
    EXPECT_TRUE(m_window.calls.empty());
    m_frame->OnTimer(IDT_REFRESH);
    EXPECT_EQ(m_window.calls, std::vector<std::string>{"repaint"});
    m_frame->OnCommand(ID_CMD_STOP);
    PumpToIdle();
}

TEST_F(FrameTest, StopKeepsStartGrayedAndImportExportRefusedUntilTheFinishedNotification) {
    ImportMany(kLongTable);
    m_frame->OnCommand(ID_CMD_START);
    m_window.calls.clear();
    m_frame->OnCommand(ID_CMD_STOP);
    EXPECT_EQ(m_window.calls, std::vector<std::string>{"menu 32778 grayed"});
    EXPECT_EQ(m_window.menu[ID_CMD_START], MenuState::kGrayed);
    m_window.calls.clear();
    m_frame->OnCommand(ID_CMD_STOP);   // already stopping
    m_frame->OnCommand(ID_CMD_START);  // grayed; must not launch over live workers
    EXPECT_TRUE(m_window.calls.empty());

    // The workers may all have ended by now, but until the window thread has run the finished
    // notification the row count must stay fixed.
    ExpectImportExportRefused();
    EXPECT_TRUE(m_frame->IsRunAlive());

    PumpToIdle();
    ExpectIdleMenus();
    EXPECT_FALSE(m_window.timerRunning);
    m_window.saveAnswers.push_back(m_dir.Wide("after-stop.txt"));
    m_frame->OnCommand(ID_CMD_EXPORT);
    EXPECT_EQ(m_window.messages.back().text, messages::kExportDone);
}

TEST_F(FrameTest, SecondRunStartsAtRowZeroAndOverwritesEveryResult) {
    Import({"8.8.8.8", "1.1.1.1", "9.9.9.9"});
    RunToEnd();
    EXPECT_EQ(test::RowAt(m_frame->Table(), 1).city, u"广州市");

    test::MakeDatabase(m_dir.Path("ip2region.db"), test::OneTextRanges("乙国|0|乙省|乙市|乙网"));
    RunToEnd();
    for (const AddressRow& row : Rows(*m_frame)) {
        EXPECT_EQ(row.country, u"乙国");
        EXPECT_EQ(row.province, u"乙省");
        EXPECT_EQ(row.city, u"乙市");
        EXPECT_EQ(row.provider, u"乙网");
    }
    ExpectIdleMenus();
}

TEST_F(FrameTest, FailedLaunchReportsAndReturnsToIdle) {
    int made = 0;
    UseThreadStarter([&](CThreadGroup::Callable body) {
        if (++made == 1) {  // the system refuses the first run's first thread
            throw std::system_error(EAGAIN, std::generic_category(), "thread refused");
        }
        return std::thread(std::move(body));
    });
    Import({"8.8.8.8"});
    m_window.calls.clear();
    m_frame->OnCommand(ID_CMD_START);
    EXPECT_FALSE(m_frame->IsRunAlive());
    EXPECT_FALSE(m_frame->Table().IsRunActive());
    EXPECT_EQ(m_window.messages.back().text, messages::kNoWorkerThread);
    ExpectIdleMenus();
    EXPECT_FALSE(m_window.timerRunning);

    RunToEnd();  // the next Start works
    EXPECT_EQ(test::RowAt(m_frame->Table(), 0).country, u"美国");
}

// The run searches the database that Start checked: a file replaced after the check (here just
// before the workers start) changes no answer and empties no row.
TEST_F(FrameTest, TheRunSearchesTheDatabaseStartChecked) {
    bool replaced = false;
    UseThreadStarter([&](CThreadGroup::Callable body) {
        if (!replaced) {
            replaced = true;
            test::WriteBytes(m_dir.Path("ip2region.db"), std::string(9000, '\0'));
        }
        return std::thread(std::move(body));
    });
    Import({"8.8.8.8"});
    RunToEnd();
    EXPECT_EQ(test::RowAt(m_frame->Table(), 0).country, u"美国");
    EXPECT_TRUE(m_window.messages.empty());

    // The next Start checks the file again, and refuses it now.
    m_frame->OnCommand(ID_CMD_START);
    EXPECT_FALSE(m_frame->IsRunAlive());
    EXPECT_EQ(m_window.messages.back().text, messages::kDatabaseUnusable);
}

// A worker that runs out of memory stops the run: the window says so and counts the rows it
// never reached as unresolved, instead of reporting a finished run.
TEST_F(FrameTest, ARunOutOfMemoryEndsWithAMessage) {
    UseThreadStarter([this](CThreadGroup::Callable body) {
        // What a worker's lookup work does when an allocation fails, before any row.
        CAddressTable& table = const_cast<CAddressTable&>(m_frame->Table());
        return std::thread([&table, body = std::move(body)] {
            table.StopOutOfMemory();
            body();
        });
    });
    Import({"8.8.8.8", "9.9.9.9"});
    RunToEnd();
    EXPECT_EQ(m_window.MessageTexts(), std::vector<std::u16string>{messages::kOutOfMemory});
    EXPECT_EQ(test::RowAt(m_frame->Table(), 0).country, u"");
    ASSERT_FALSE(m_window.statusTexts.empty());
    EXPECT_EQ(m_window.statusTexts.back().rfind(u"已结束", 0), 0u)
        << WideToUtf8(m_window.statusTexts.back());
    ExpectIdleMenus();
}

TEST_F(FrameTest, ExportChecksRunThenEmptyTableThenAsksForAFile) {
    m_frame->OnCommand(ID_CMD_EXPORT);
    EXPECT_EQ(m_window.calls, std::vector<std::string>{"message"});
    EXPECT_EQ(m_window.messages.back().text, messages::kNothingToExport);

    Import({"8.8.8.8"});
    m_window.calls.clear();
    m_window.saveAnswers.push_back(std::nullopt);
    m_frame->OnCommand(ID_CMD_EXPORT);
    EXPECT_EQ(m_window.calls, std::vector<std::string>{"save"});
}

TEST_F(FrameTest, ExportWritesExactBytesOverWhateverTheFileHeld) {
    Import({"8.8.8.8", "9.9.9.9", "a,b"});
    RunToEnd();
    test::WriteBytes(m_dir.Path("out.txt"), "\xEF\xBB\xBFold content that is much longer\r\n");
    m_window.saveAnswers.push_back(m_dir.Wide("out.txt"));
    m_frame->OnCommand(ID_CMD_EXPORT);
    EXPECT_EQ(m_window.MessageTexts(), std::vector<std::u16string>{messages::kExportDone});
    EXPECT_EQ(test::ReadBytes(m_dir.Path("out.txt")),
              "8.8.8.8,美国,加利福尼亚,山景城,谷歌\r\n9.9.9.9,,,,\r\na，b,,,,\r\n");
}

TEST_F(FrameTest, CopyPutsTheSelectedRowsExportLinesOnTheClipboard) {
    Import({"8.8.8.8", "9.9.9.9", "a,b", "1.2.3.4"});
    RunToEnd();
    // Nothing selected: the clipboard keeps what it held.
    m_window.calls.clear();
    EXPECT_TRUE(m_frame->OnCommand(ID_CMD_COPY));
    EXPECT_EQ(m_window.calls, std::vector<std::string>{"selection"});
    EXPECT_FALSE(m_window.clipboard);

    // The selected rows in list order, each exactly as Export writes it; a stale index past the
    // table's end is skipped.
    m_window.selectedRows = {0, 2, 99};
    m_frame->OnCommand(ID_CMD_COPY);
    EXPECT_EQ(m_window.clipboard, u"8.8.8.8,美国,加利福尼亚,山景城,谷歌\r\na，b,,,,\r\n");

    EXPECT_TRUE(m_frame->OnCommand(ID_CMD_SELECT_ALL));
    m_frame->OnCommand(ID_CMD_COPY);
    m_window.saveAnswers.push_back(m_dir.Wide("out.txt"));
    m_frame->OnCommand(ID_CMD_EXPORT);
    EXPECT_EQ(m_window.clipboard, Utf8ToWide(test::ReadBytes(m_dir.Path("out.txt"))));
}

TEST_F(FrameTest, CopyDuringARunTakesTheResultsSoFar) {
    ImportMany(kLongTable);
    m_frame->OnCommand(ID_CMD_START);
    ASSERT_TRUE(m_frame->IsRunAlive());
    m_window.selectedRows = {0};
    m_frame->OnCommand(ID_CMD_COPY);
    ASSERT_TRUE(m_window.clipboard);
    EXPECT_TRUE(*m_window.clipboard == u"8.8.0.0,,,,\r\n" ||
                *m_window.clipboard == u"8.8.0.0,美国,加利福尼亚,山景城,谷歌\r\n")
        << WideToUtf8(*m_window.clipboard);
    PumpToIdle();
}

TEST_F(FrameTest, OpenFileImportsWithTheQuestionAndIsRefusedDuringARun) {
    test::WriteBytes(m_dir.Path("dropped.txt"), "8.8.8.8\n1.1.1.1\n");
    m_frame->OnOpenFile(m_dir.Wide("dropped.txt"));
    EXPECT_EQ(m_window.calls, (std::vector<std::string>{"count 2"}));  // no chooser, no question
    EXPECT_EQ(Addresses(*m_frame), (std::vector<std::u16string>{u"8.8.8.8", u"1.1.1.1"}));

    m_window.calls.clear();
    m_window.yesNoAnswers.push_back(MessageAnswer::kYes);
    m_frame->OnOpenFile(m_dir.Wide("dropped.txt"));
    EXPECT_EQ(m_window.calls, (std::vector<std::string>{"message", "count 0", "count 2"}));
    EXPECT_EQ(m_window.messages.back().text, messages::kAskClear);

    m_window.calls.clear();
    m_window.messages.clear();
    m_window.yesNoAnswers.push_back(MessageAnswer::kNo);
    m_frame->OnOpenFile(m_dir.Wide("missing.txt"));
    EXPECT_EQ(m_window.MessageTexts(),
              (std::vector<std::u16string>{
                  messages::kAskClear,
                  std::u16string(messages::kImportUnreadable) + u"\n文件或文件夹不存在"}));
    EXPECT_EQ(m_frame->GetRowCount(), 2u);

    ImportMany(kLongTable);
    m_frame->OnCommand(ID_CMD_START);
    m_window.calls.clear();
    m_window.messages.clear();
    const std::size_t rows = m_frame->GetRowCount();
    m_frame->OnOpenFile(m_dir.Wide("dropped.txt"));
    EXPECT_EQ(m_window.calls, std::vector<std::string>{"message"});
    EXPECT_EQ(m_window.MessageTexts(), std::vector<std::u16string>{messages::kRunActive});
    EXPECT_EQ(m_frame->GetRowCount(), rows);
    PumpToIdle();
}

TEST_F(FrameTest, ExportThatCannotBeWrittenIsReportedAsFailed) {
    Import({"8.8.8.8"});
    std::vector<std::pair<std::u16string, std::u16string>> targets = {
        {m_dir.Wide("no-such-dir/out.txt"), u"文件或文件夹不存在"},
        {m_dir.Wide(""), u"这是一个文件夹"}};
    if (std::filesystem::exists("/dev/full")) {
        targets.emplace_back(u"/dev/full", u"磁盘空间不足");
    }
    for (const auto& [target, cause] : targets) {
        m_window.messages.clear();
        m_window.saveAnswers.push_back(target);
        m_frame->OnCommand(ID_CMD_EXPORT);
        EXPECT_EQ(
            m_window.MessageTexts(),
            std::vector<std::u16string>{std::u16string(messages::kExportFailed) + u"\n" + cause});
    }
}

TEST_F(FrameTest, CloseAndExitDestroyTheWindowOnce) {
    EXPECT_TRUE(m_frame->OnCommand(ID_CMD_EXIT));
    EXPECT_EQ(m_window.calls, std::vector<std::string>{"destroy"});
    m_frame->OnClose();  // the fake fails the test on any call after destroy
    m_frame->OnCommand(ID_CMD_EXIT);
    m_frame->OnTimer(IDT_REFRESH);
}

TEST_F(FrameTest, CloseDuringARunStopsAndAwaitsItWithoutTheWindowRunningPosts) {
    ImportMany(kLongTable);
    m_frame->OnCommand(ID_CMD_START);
    m_window.calls.clear();
    // The fake runs nothing posted while OnClose blocks: the frame must run the waiter's call
    // itself or it would deadlock.
    m_frame->OnClose();
    EXPECT_FALSE(m_frame->IsRunAlive());
    ASSERT_FALSE(m_window.calls.empty());
    EXPECT_EQ(m_window.calls.back(), "destroy");
    EXPECT_FALSE(m_window.timerRunning);

    m_window.RunPosted();  // posts still queued find nothing to do
    m_frame.reset();
    m_window.RunPosted();
}

TEST_F(FrameTest, DestroyingTheFrameDuringARunMakesNoWindowCall) {
    ImportMany(kLongTable);
    m_frame->OnCommand(ID_CMD_START);
    m_frame->OnCommand(ID_CMD_STOP);
    const auto calls = m_window.calls;
    m_window.destroyed = true;  // the window went first: any call now fails the test
    m_frame.reset();
    EXPECT_EQ(m_window.calls, calls);
    m_window.RunPosted();  // a post made before the frame went away must not touch it
}

}  // namespace
}  // namespace quorvane
