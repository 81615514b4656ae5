#include "ui/main_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "files/conversions.h"
#include "tests/support/named_pipe.h"
#include "tests/ui/fake_window.h"
#include "tests/ui/test_files.h"
#include "ui/messages.h"
#include "ui/resources/resource_ids.h"

namespace quorvane {
namespace {

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
        rows.push_back(frame.Table().GetRow(i));
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
        test::MakeDatabase(dir.Path("ip2region.db"), test::SampleRanges());
        frame = std::make_unique<CMainFrame>(window, dir.Wide("ip2region.db"), kHelpPath);
        frame->OnCreate();
        window.calls.clear();
    }

    // Imports the lines (joined by CR LF) from a new file; answer is the reply to the question
    // asked when the table already has rows.
    void Import(const std::vector<std::string>& lines, MessageAnswer answer = MessageAnswer::kNo) {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line + "\r\n";
        }
        const std::string name = "list" + std::to_string(++m_files) + ".txt";
        test::WriteBytes(dir.Path(name), bytes);
        window.openAnswers.push_back(dir.Wide(name));
        if (frame->GetRowCount() != 0) {
            window.yesNoAnswers.push_back(answer);
        }
        EXPECT_TRUE(frame->OnCommand(ID_CMD_IMPORT));
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
        ASSERT_TRUE(window.PumpUntil([&] { return !frame->IsRunAlive(); }));
    }

    void RunToEnd() {
        frame->OnCommand(ID_CMD_START);
        ASSERT_TRUE(frame->IsRunAlive());
        PumpToIdle();
    }

    void ExpectIdleMenus() {
        EXPECT_EQ(window.menu[ID_CMD_START], MenuState::kEnabled);
        EXPECT_EQ(window.menu[ID_CMD_STOP], MenuState::kGrayed);
    }

    // Import and export both refuse with the one message, before any chooser, table untouched.
    void ExpectImportExportRefused() {
        const auto before = Rows(*frame);
        window.calls.clear();
        window.messages.clear();
        frame->OnCommand(ID_CMD_IMPORT);
        frame->OnCommand(ID_CMD_EXPORT);
        EXPECT_EQ(window.calls, (std::vector<std::string>{"message", "message"}));
        EXPECT_EQ(window.MessageTexts(),
                  (std::vector<std::u16string>{messages::kRunActive, messages::kRunActive}));
        EXPECT_TRUE(SameRows(Rows(*frame), before));
    }

    FakeWindow window;
    ScratchDir dir;
    std::unique_ptr<CMainFrame> frame;

  private:
    int m_files = 0;
};

TEST_F(FrameTest, CreateGraysStopEnablesAboutAndDispatchHandlesOnlyItsCommands) {
    CMainFrame other(window, u"", kHelpPath);
    other.OnCreate();
    EXPECT_EQ(window.calls, (std::vector<std::string>{"menu 32778 grayed", "menu 104 enabled"}));
    window.calls.clear();

    for (int id : {0, 1, 103, 106, 128, 1025, 32775, 32779, 32784, -1, 0x10000}) {
        EXPECT_FALSE(frame->OnCommand(id)) << id;
    }
    EXPECT_TRUE(window.calls.empty());

    // A code in the high word (an accelerator's) does not change the command.
    EXPECT_TRUE(frame->OnCommand((1 << 16) | ID_CMD_ABOUT));
    EXPECT_TRUE(frame->OnCommand((1 << 16) | ID_CMD_HELP));
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{"about", "system /opt/quorvane/help/index.html"}));
}

TEST_F(FrameTest, HelpShowsTheOwnViewerOnlyWhenTheSystemCannotOpenThePage) {
    window.systemOpens = false;
    frame->OnCommand(ID_CMD_HELP);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"system /opt/quorvane/help/index.html",
                                                      "help /opt/quorvane/help/index.html"}));
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(FrameTest, StatusBarShowsRowCountThenProgressThenWhatTheRunFound) {
    Import({"8.8.8.8", "9.9.9.9", "garbage", "10.0.0.1"});
    EXPECT_EQ(window.statusTexts, std::vector<std::u16string>{u"共 4 行"});
    frame->OnCommand(ID_CMD_START);
    EXPECT_EQ(window.statusTexts.back(), u"解析中 0 / 4");
    PumpToIdle();
    // 9.9.9.9 and a text that is no address find nothing; the private range has a provider.
    const std::string end = WideToUtf8(window.statusTexts.back());
    EXPECT_TRUE(std::regex_match(
        end, std::regex("解析完成：有结果 2 行，无结果 2 行，用时 [0-9]+\\.[0-9] 秒")))
        << end;

    Import({"1.1.1.1"}, MessageAnswer::kNo);
    EXPECT_EQ(window.statusTexts.back(), u"共 5 行");
}

TEST_F(FrameTest, ProgressFollowsTheTimerAndAStoppedRunCountsTheRowsItNeverReached) {
    ImportMany(kLongTable);
    frame->OnCommand(ID_CMD_START);
    frame->OnTimer(IDT_REFRESH);
    std::smatch m;
    std::string text = WideToUtf8(window.statusTexts.back());
    ASSERT_TRUE(std::regex_match(text, m, std::regex("解析中 ([0-9]+) / ([0-9]+)"))) << text;
    EXPECT_LE(std::stoul(m[1]), static_cast<unsigned long>(kLongTable));
    EXPECT_EQ(std::stoul(m[2]), static_cast<unsigned long>(kLongTable));

    frame->OnCommand(ID_CMD_STOP);
    PumpToIdle();
    text = WideToUtf8(window.statusTexts.back());
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

TEST_F(FrameTest, CellTextsComeFromTheTableAndOutOfRangeIsEmpty) {
    Import({"8.8.8.8", "garbage"});
    EXPECT_EQ(frame->OnGetDispInfo(0, 0), u"8.8.8.8");
    EXPECT_EQ(frame->OnGetDispInfo(1, 0), u"garbage");
    for (int column = 1; column <= 4; ++column) {
        EXPECT_EQ(frame->OnGetDispInfo(0, column), u"");
    }
    RunToEnd();
    EXPECT_EQ(frame->OnGetDispInfo(0, 1), u"美国");
    EXPECT_EQ(frame->OnGetDispInfo(0, 2), u"加利福尼亚");
    EXPECT_EQ(frame->OnGetDispInfo(0, 3), u"山景城");
    EXPECT_EQ(frame->OnGetDispInfo(0, 4), u"谷歌");
    EXPECT_EQ(frame->OnGetDispInfo(0, 5), u"");
    EXPECT_EQ(frame->OnGetDispInfo(0, -1), u"");
    EXPECT_EQ(frame->OnGetDispInfo(2, 0), u"");
    EXPECT_EQ(frame->OnGetDispInfo(static_cast<std::size_t>(-1), 0), u"");
}

TEST_F(FrameTest, ImportAppendsEveryLineInFileOrder) {
    Import({"1.1.1.1", "8.8.8.8", "", "1.1.1.1"});
    EXPECT_EQ(Addresses(*frame),
              (std::vector<std::u16string>{u"1.1.1.1", u"8.8.8.8", u"", u"1.1.1.1"}));
    EXPECT_EQ(window.itemCounts, std::vector<std::size_t>{4});
    EXPECT_TRUE(window.messages.empty());  // nothing to ask with an empty table
}

TEST_F(FrameTest, ImportCancelAsksNothingAndChangesNothing) {
    Import({"1.1.1.1"});
    window.calls.clear();
    window.openAnswers.push_back(std::nullopt);
    frame->OnCommand(ID_CMD_IMPORT);
    EXPECT_EQ(window.calls, std::vector<std::string>{"open"});
    EXPECT_EQ(frame->GetRowCount(), 1u);
}

TEST_F(FrameTest, ImportYesClearsAfterEmptyingTheListAndNoKeepsOldRowsAndResults) {
    Import({"8.8.8.8", "9.9.9.9"});
    RunToEnd();

    window.calls.clear();
    Import({"1.1.1.1"}, MessageAnswer::kNo);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"open", "message", "count 3"}));
    EXPECT_EQ(window.messages.back().text, messages::kAskClear);
    EXPECT_EQ(window.messages.back().buttons, MessageButtons::kYesNo);
    EXPECT_EQ(Addresses(*frame), (std::vector<std::u16string>{u"8.8.8.8", u"9.9.9.9", u"1.1.1.1"}));
    EXPECT_EQ(frame->Table().GetRow(0).country, u"美国");

    window.calls.clear();
    Import({"10.0.0.1", "1.2.3.4"}, MessageAnswer::kYes);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"open", "message", "count 0", "count 2"}));
    EXPECT_EQ(Addresses(*frame), (std::vector<std::u16string>{u"10.0.0.1", u"1.2.3.4"}));
    EXPECT_EQ(frame->Table().GetRow(0).country, u"");

    window.calls.clear();
    Import({}, MessageAnswer::kYes);  // an empty file after Yes empties table and list
    EXPECT_EQ(window.calls, (std::vector<std::string>{"open", "message", "count 0", "count 0"}));
    EXPECT_EQ(frame->GetRowCount(), 0u);
}

TEST_F(FrameTest, UnreadableImportIsReportedAndLeavesTableAsItWasEvenAfterYes) {
    Import({"8.8.8.8", "1.1.1.1"});
    RunToEnd();
    const auto before = Rows(*frame);
    for (const std::string name : {"missing.txt", "no-such-dir/list.txt", "/dev/zero"}) {
        window.calls.clear();
        window.messages.clear();
        window.openAnswers.push_back(name.starts_with("/") ? Utf8ToWide(name) : dir.Wide(name));
        window.yesNoAnswers.push_back(MessageAnswer::kYes);
        frame->OnCommand(ID_CMD_IMPORT);
        EXPECT_EQ(window.calls, (std::vector<std::string>{"open", "message", "message"})) << name;
        EXPECT_EQ(window.MessageTexts(),
                  (std::vector<std::u16string>{messages::kAskClear, messages::kImportUnreadable}));
        EXPECT_EQ(window.messages.back().buttons, MessageButtons::kOk);
        EXPECT_TRUE(SameRows(Rows(*frame), before)) << name;
        EXPECT_TRUE(name.starts_with("/") || !std::filesystem::exists(dir.Path(name)))
            << "import created " << name;
    }
}

TEST_F(FrameTest, StartTestsTheDatabaseBeforeTheTable) {
    struct Case {
        std::u16string db;
        bool importFirst;
        const char16_t* message;
    };
    std::filesystem::create_directory(dir.Path("folder"));
    test::WriteBytes(dir.Path("junk.db"), std::string(9000, 'j'));
    std::vector<Case> cases = {
        {dir.Wide("absent.db"), false, messages::kDatabaseMissing},
        {dir.Wide("absent.db"), true, messages::kDatabaseMissing},
        {dir.Wide("folder"), true, messages::kDatabaseMissing},
        {dir.Wide("junk.db"), false, messages::kDatabaseUnusable},
        {dir.Wide("junk.db"), true, messages::kDatabaseUnusable},
        {dir.Wide("ip2region.db"), false, messages::kImportFirst},
    };
    if (test::MakeNamedPipe(dir.Path("pipe.db"))) {
        cases.push_back({dir.Wide("pipe.db"), true, messages::kDatabaseMissing});
    }
    for (const Case& c : cases) {
        FakeWindow w;
        CMainFrame f(w, c.db, kHelpPath);
        if (c.importFirst) {
            test::WriteBytes(dir.Path("one.txt"), "8.8.8.8\r\n");
            w.openAnswers.push_back(dir.Wide("one.txt"));
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
    window.onRepaint = [&] { shownAtRepaint.push_back(frame->OnGetDispInfo(0, 4)); };
    window.calls.clear();
    frame->OnCommand(ID_CMD_START);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"menu 32777 grayed", "menu 32778 enabled",
                                                      "timer 1025 1000"}));
    EXPECT_EQ(window.itemCounts, std::vector<std::size_t>{1});  // a run never sets the count
    ExpectImportExportRefused();

    window.calls.clear();
    const std::size_t messagesBefore = window.messages.size();
    PumpToIdle();
    EXPECT_EQ(window.calls, (std::vector<std::string>{"repaint", "kill 1025", "menu 32777 enabled",
                                                      "menu 32778 grayed"}));
    EXPECT_EQ(shownAtRepaint, std::vector<std::u16string>{u"谷歌"});  // the final repaint shows it
    EXPECT_FALSE(window.timerRunning);
    EXPECT_EQ(window.messages.size(), messagesBefore);  // no message at the end of a run

    // A timer message that was already queued when the timer was killed paints nothing.
    window.calls.clear();
    frame->OnTimer(IDT_REFRESH);
    EXPECT_TRUE(window.calls.empty());
}

TEST_F(FrameTest, RefreshTimerRepaintsOnlyForItsOwnIdentifier) {
    ImportMany(kLongTable);
    frame->OnCommand(ID_CMD_START);
    window.calls.clear();
    frame->OnTimer(1024);
    frame->OnTimer(0);
    frame->OnTimer(IDT_REFRESH + 1);
    EXPECT_TRUE(window.calls.empty());
    frame->OnTimer(IDT_REFRESH);
    EXPECT_EQ(window.calls, std::vector<std::string>{"repaint"});
    frame->OnCommand(ID_CMD_STOP);
    PumpToIdle();
}

TEST_F(FrameTest, StopKeepsStartGrayedAndImportExportRefusedUntilTheFinishedNotification) {
    ImportMany(kLongTable);
    frame->OnCommand(ID_CMD_START);
    window.calls.clear();
    frame->OnCommand(ID_CMD_STOP);
    EXPECT_EQ(window.calls, std::vector<std::string>{"menu 32778 grayed"});
    EXPECT_EQ(window.menu[ID_CMD_START], MenuState::kGrayed);
    window.calls.clear();
    frame->OnCommand(ID_CMD_STOP);   // already stopping
    frame->OnCommand(ID_CMD_START);  // grayed; must not launch over live workers
    EXPECT_TRUE(window.calls.empty());

    // The workers may all have ended by now, but until the window thread has run the finished
    // notification the row count must stay fixed.
    ExpectImportExportRefused();
    EXPECT_TRUE(frame->IsRunAlive());

    PumpToIdle();
    ExpectIdleMenus();
    EXPECT_FALSE(window.timerRunning);
    window.saveAnswers.push_back(dir.Wide("after-stop.txt"));
    frame->OnCommand(ID_CMD_EXPORT);
    EXPECT_EQ(window.messages.back().text, messages::kExportDone);
}

TEST_F(FrameTest, SecondRunStartsAtRowZeroAndOverwritesEveryResult) {
    Import({"8.8.8.8", "1.1.1.1", "9.9.9.9"});
    RunToEnd();
    EXPECT_EQ(frame->Table().GetRow(1).city, u"广州市");

    test::MakeDatabase(dir.Path("ip2region.db"), test::OneTextRanges("乙国|0|乙省|乙市|乙网"));
    RunToEnd();
    for (const AddressRow& row : Rows(*frame)) {
        EXPECT_EQ(row.country, u"乙国");
        EXPECT_EQ(row.province, u"乙省");
        EXPECT_EQ(row.city, u"乙市");
        EXPECT_EQ(row.provider, u"乙网");
    }
    ExpectIdleMenus();
}

TEST_F(FrameTest, FailedLaunchReportsAndReturnsToIdle) {
    Import({"8.8.8.8"});
    int launches = 0;
    frame->SetLaunchForTesting([&](CThreadGroup& group, CThreadGroup::Callable work,
                                   CThreadGroup::Callable started, CThreadGroup::Callable finished,
                                   CThreadGroup::Callable createFailed) {
        if (++launches == 1) {
            createFailed();  // what the group does when its second thread cannot be created
            return false;
        }
        return group.Launch(std::move(work), std::move(started), std::move(finished),
                            std::move(createFailed));
    });
    window.calls.clear();
    frame->OnCommand(ID_CMD_START);
    EXPECT_FALSE(frame->IsRunAlive());
    EXPECT_FALSE(frame->Table().IsRunActive());
    EXPECT_EQ(window.messages.back().text, messages::kNoWorkerThread);
    ExpectIdleMenus();
    EXPECT_FALSE(window.timerRunning);

    RunToEnd();  // the next Start works
    EXPECT_EQ(frame->Table().GetRow(0).country, u"美国");
}

TEST_F(FrameTest, ExportChecksRunThenEmptyTableThenAsksForAFile) {
    frame->OnCommand(ID_CMD_EXPORT);
    EXPECT_EQ(window.calls, std::vector<std::string>{"message"});
    EXPECT_EQ(window.messages.back().text, messages::kNothingToExport);

    Import({"8.8.8.8"});
    window.calls.clear();
    window.saveAnswers.push_back(std::nullopt);
    frame->OnCommand(ID_CMD_EXPORT);
    EXPECT_EQ(window.calls, std::vector<std::string>{"save"});
}

TEST_F(FrameTest, ExportWritesExactBytesOverWhateverTheFileHeld) {
    Import({"8.8.8.8", "9.9.9.9", "a,b"});
    RunToEnd();
    test::WriteBytes(dir.Path("out.txt"), "\xEF\xBB\xBFold content that is much longer\r\n");
    window.saveAnswers.push_back(dir.Wide("out.txt"));
    frame->OnCommand(ID_CMD_EXPORT);
    EXPECT_EQ(window.MessageTexts(), std::vector<std::u16string>{messages::kExportDone});
    EXPECT_EQ(test::ReadBytes(dir.Path("out.txt")),
              "8.8.8.8,美国,加利福尼亚,山景城,谷歌\r\n9.9.9.9,,,,\r\na，b,,,,\r\n");
}

TEST_F(FrameTest, ExportThatCannotBeWrittenIsReportedAsFailed) {
    Import({"8.8.8.8"});
    std::vector<std::u16string> targets = {dir.Wide("no-such-dir/out.txt")};
    if (std::filesystem::exists("/dev/full")) {
        targets.push_back(u"/dev/full");
    }
    for (const std::u16string& target : targets) {
        window.messages.clear();
        window.saveAnswers.push_back(target);
        frame->OnCommand(ID_CMD_EXPORT);
        EXPECT_EQ(window.MessageTexts(), std::vector<std::u16string>{messages::kExportFailed});
    }
}

TEST_F(FrameTest, CloseAndExitDestroyTheWindowOnce) {
    EXPECT_TRUE(frame->OnCommand(ID_CMD_EXIT));
    EXPECT_EQ(window.calls, std::vector<std::string>{"destroy"});
    frame->OnClose();  // the fake fails the test on any call after destroy
    frame->OnCommand(ID_CMD_EXIT);
    frame->OnTimer(IDT_REFRESH);
}

TEST_F(FrameTest, CloseDuringARunStopsAndAwaitsItWithoutTheWindowRunningPosts) {
    ImportMany(kLongTable);
    frame->OnCommand(ID_CMD_START);
    window.calls.clear();
    // The fake runs nothing posted while OnClose blocks: the frame must run the waiter's call
    // itself or it would deadlock.
    frame->OnClose();
    EXPECT_FALSE(frame->IsRunAlive());
    ASSERT_FALSE(window.calls.empty());
    EXPECT_EQ(window.calls.back(), "destroy");
    EXPECT_FALSE(window.timerRunning);

    window.RunPosted();  // posts still queued find nothing to do
    frame.reset();
    window.RunPosted();
}

TEST_F(FrameTest, DestroyingTheFrameDuringARunMakesNoWindowCall) {
    ImportMany(kLongTable);
    frame->OnCommand(ID_CMD_START);
    frame->OnCommand(ID_CMD_STOP);
    const auto calls = window.calls;
    window.destroyed = true;  // the window went first: any call now fails the test
    frame.reset();
    EXPECT_EQ(window.calls, calls);
    window.RunPosted();  // a post made before the frame went away must not touch it
}

}  // namespace
}  // namespace quorvane
