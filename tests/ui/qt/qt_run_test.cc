// A whole run through the Qt window: the refresh timer, the finished notification that the
// waiter queues onto the window thread, and closing while workers are busy.
#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QToolTip>
#include <fstream>
#include <iterator>

#include "tests/support/temp_database.h"
#include "tests/ui/qt/qt_test_support.h"
#include "tools/dbwriter/db_writer.h"
#include "ui/qt/qt_result_list_model.h"
#include "ui/resources/resource_ids.h"

namespace quorvane {
namespace {

using test::FrontendHarness;
using test::QtPath;
using test::ScratchDir;

class QtRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_db = QtPath(m_dir, "ip2region.db").toStdString();
        std::vector<dbwriter::Range> ranges = {
            {0x00000000u, 0x7FFFFFFFu, "中国|0|广东省|深圳市|电信"},
            {0x80000000u, 0xFFFFFFFFu, "美国|0|加利福尼亚|0|0"},
        };
        std::string error;
        ASSERT_TRUE(dbwriter::WriteDatabase(ranges, {}, m_db, error)) << error;
    }

    std::u16string WriteAddresses(int count) {
        const QString path = QtPath(m_dir, "in.txt");
        std::ofstream out(path.toStdString(), std::ios::binary);
        for (int i = 0; i < count; ++i) {
            out << (i % 2 ? "200.1.2." : "20.1.2.") << (i % 250) << "\r\n";
        }
        return path.toStdU16String();
    }

    std::u16string DbPath() const { return QString::fromStdString(m_db).toStdU16String(); }

    const ScratchDir m_dir;
    std::string m_db;
};

TEST_F(QtRunTest, RunFillsTheListAndEndsWithStartEnabledAndTimerKilled) {
    FrontendHarness h(DbPath());
    h.window.openPath = WriteAddresses(40);
    ASSERT_TRUE(h.frame->OnCommand(ID_CMD_IMPORT));
    ASSERT_TRUE(h.frame->OnCommand(ID_CMD_START));
    EXPECT_FALSE(h.window.Action(ID_CMD_START)->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.window.Action(ID_CMD_START)->isEnabled(); }, 30000));
    EXPECT_FALSE(h.window.Action(ID_CMD_STOP)->isEnabled());
    EXPECT_FALSE(h.window.IsTimerRunning(IDT_REFRESH));

    CResultListModel* model = h.window.Model();
    ASSERT_EQ(model->rowCount(), 40);
    EXPECT_EQ(model->data(model->index(0, 1)).toString(), QString::fromUtf16(u"中国"));
    EXPECT_EQ(model->data(model->index(0, 4)).toString(), QString::fromUtf16(u"电信"));
    EXPECT_EQ(model->data(model->index(1, 2)).toString(), QString::fromUtf16(u"加利福尼亚"));
    EXPECT_EQ(model->data(model->index(1, 3)).toString(), QString());
    EXPECT_TRUE(h.window.StatusLabel()->text().startsWith(
        QString::fromUtf16(u"解析完成：有结果 40 行，无结果 0 行，用时 ")));

    const QString out = QtPath(m_dir, "out.txt");
    h.window.savePath = out.toStdU16String();
    ASSERT_TRUE(h.frame->OnCommand(ID_CMD_EXPORT));
    ASSERT_FALSE(h.window.messages.empty());
    EXPECT_EQ(h.window.messages.back(), u"导出成功!");
    std::ifstream in(out.toStdString(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n") + 2), "20.1.2.0,中国,广东省,深圳市,电信\r\n");
}

// IPv6 rows resolve in the same run as the others and count in the finished status; the address
// column keeps its width, and an address too long for it tells its whole text as a tooltip.
TEST_F(QtRunTest, Ipv6RowsResolveAndALongAddressTellsItsWholeText) {
    test::WriteRegion6File(QtPath(m_dir, "region6.db").toStdString(), test::SampleRanges6());
    const QString in = QtPath(m_dir, "mixed.txt");
    const std::string longest = "2001:0db8:0000:0000:0000:ffff:0000:0001";
    {
        std::ofstream out(in.toStdString(), std::ios::binary);
        out << "20.1.2.3\r\n" << longest << "\r\n240e:4c:4008::1\r\n2400::1\r\n";
    }
    FrontendHarness h(DbPath());
    h.window.openPath = in.toStdU16String();
    ASSERT_TRUE(h.frame->OnCommand(ID_CMD_IMPORT));
    ASSERT_TRUE(h.frame->OnCommand(ID_CMD_START));
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.window.Action(ID_CMD_START)->isEnabled(); }, 30000));

    CResultListModel* model = h.window.Model();
    EXPECT_EQ(model->data(model->index(1, 1)).toString(), QString::fromUtf16(u"文档"));
    EXPECT_EQ(model->data(model->index(2, 3)).toString(), QString::fromUtf16(u"深圳市"));
    EXPECT_EQ(model->data(model->index(3, 1)).toString(), QString());
    EXPECT_TRUE(h.window.StatusLabel()->text().startsWith(
        QString::fromUtf16(u"解析完成：有结果 3 行，无结果 1 行，用时 ")))
        << h.window.StatusLabel()->text().toStdString();

    h.window.PlaceAndShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window));
    CResultListView* list = h.window.List();
    EXPECT_EQ(list->horizontalHeader()->sectionSize(0), 150);
    const QModelIndex cell = model->index(1, 0);
    ASSERT_TRUE(list->IsElided(cell));
    const QPoint at = list->visualRect(cell).center();
    QHelpEvent tip(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(list->viewport(), &tip);
    EXPECT_EQ(QToolTip::text(), QString::fromStdString(longest));
    QToolTip::hideText();
    h.window.hide();
}

TEST_F(QtRunTest, ClosingDuringARunStopsItAndDestroysTheWindow) {
    FrontendHarness h(DbPath());
#ifdef QUORVANE_SANITIZED
    h.window.openPath = WriteAddresses(2000);
#else
    h.window.openPath = WriteAddresses(200000);
#endif
    ASSERT_TRUE(h.frame->OnCommand(ID_CMD_IMPORT));
    h.window.PlaceAndShow();
    ASSERT_TRUE(h.frame->OnCommand(ID_CMD_START));
    EXPECT_TRUE(h.window.close());
    EXPECT_TRUE(h.window.IsDestroyed());
    EXPECT_FALSE(h.window.isVisible());
    EXPECT_FALSE(h.frame->Table().IsRunActive());
}

}  // namespace
}  // namespace quorvane
