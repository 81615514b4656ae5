// The desktop tool and the batch command share one run and one writer; this checks the promise
// end to end: the same list gives the same result file, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/app_directory.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_database.h"

#include "tests/ui/fake_window.h"
#include "tests/ui/test_files.h"
#include "ui/main_frame.h"
#include "ui/resources/resource_ids.h"

namespace quorvane {
namespace {

TEST(ExportMatchesBatch, FrameExportEqualsBatchOutputForTheSameList) {
    test::ScratchDir dir;
    test::MakeDatabase(dir.Path("ip2region.db"), test::SampleRanges());
    test::WriteRegion6File(dir.Path("region6.db"), test::SampleRanges6());
    // A UTF-8 list with a mark, blank and malformed lines, a duplicate, a comma, Chinese text,
    // IPv6 addresses (one IPv4-mapped, one in blanks, one in brackets), and a last line without
    // a break.
    test::WriteBytes(dir.Path("list.txt"),
                     "\xEF\xBB\xBF"
                     "8.8.8.8\r\n1.2.3.4\r\n\r\n10.0.0.1\r\nnot an address\r\n8.8.8.8\r\n"
                     "2001:db8::1\r\n::ffff:8.8.8.8\r\n 240e:4c::1\t\r\n[::1]\r\n"
                     "a,b\r\n地址\r\n255.255.255.255");

    test::FakeWindow window;
    {
        CMainFrame frame(window, dir.Wide("ip2region.db"), u"");
        frame.OnCreate();
        window.openAnswers.push_back(dir.Wide("list.txt"));
        frame.OnCommand(ID_CMD_IMPORT);
        ASSERT_EQ(frame.GetRowCount(), 13u);
        frame.OnCommand(ID_CMD_START);
        ASSERT_TRUE(window.PumpUntil([&] { return !frame.IsRunAlive(); }));
        window.saveAnswers.push_back(dir.Wide("frame.txt"));
        frame.OnCommand(ID_CMD_EXPORT);
    }

    // The command lies beside this test program.
    const std::filesystem::path batch =
        std::filesystem::path(GetAppDirectory()) / QUORVANE_BATCH_EXE;
    ASSERT_EQ(test::RunProgram(batch,
                               {"--db", dir.Path("ip2region.db").string(), "--db6",
                                dir.Path("region6.db").string(), dir.Path("list.txt").string(),
                                dir.Path("batch.txt").string()},
                               dir.Path("stdout"), dir.Path("stderr")),
              0);

    const std::string fromFrame = test::ReadBytes(dir.Path("frame.txt"));
    EXPECT_NE(fromFrame.find("8.8.8.8,美国,加利福尼亚,山景城,谷歌\r\n"), std::string::npos);
    EXPECT_NE(fromFrame.find("\r\n::ffff:8.8.8.8,美国,加利福尼亚,山景城,谷歌\r\n"),
              std::string::npos);
    EXPECT_NE(fromFrame.find("\r\n 240e:4c::1\t,中国,广东省,深圳市,电信\r\n"), std::string::npos);
    EXPECT_EQ(fromFrame, test::ReadBytes(dir.Path("batch.txt")));
}

}  // namespace
}  // namespace quorvane
