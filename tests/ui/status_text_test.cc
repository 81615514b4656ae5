#include "ui/status_text.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using std::chrono::milliseconds;

TEST(StatusTextTest, RunSummariesCountEveryRowOnceAndRoundSecondsToTenths) {
    struct Case {
        RunSummary run;
        std::u16string text;
    };
    const Case cases[] = {
        {{4, 4, 1, false, milliseconds(49), 0, {}},
         u"解析完成：有结果 3 行，无结果 1 行，用时 0.0 秒"},
        {{4, 4, 0, false, milliseconds(50), 0, {}},
         u"解析完成：有结果 4 行，无结果 0 行，用时 0.1 秒"},
        {{1000000, 1000000, 1000000, false, milliseconds(61960), 0, {}},
         u"解析完成：有结果 0 行，无结果 1000000 行，用时 62.0 秒"},
        {{10, 3, 1, true, milliseconds(1234), 0, {}},
         u"已结束：有结果 2 行，无结果 1 行，未解析 7 行，用时 1.2 秒"},
        // A stop that came after the last row was handed out changed nothing.
        {{10, 10, 0, true, milliseconds(0), 0, {}},
         u"解析完成：有结果 10 行，无结果 0 行，用时 0.0 秒"},
        {{0, 0, 0, false, milliseconds(0), 0, {}},
         u"解析完成：有结果 0 行，无结果 0 行，用时 0.0 秒"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FinishedStatus(c.run), c.text) << c.run.rows << " " << c.run.reached;
    }
    EXPECT_EQ(ProgressStatus(0, 1000000), u"解析中 0 / 1000000");
    EXPECT_EQ(RowsStatus(0), u"共 0 行");
}

}  // namespace
}  // namespace quorvane
