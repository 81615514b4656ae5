#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>
#include <atomic>
#include <fstream>
#include <thread>

#include "tests/ui/qt/qt_test_support.h"
#include "tools/dbwriter/db_writer.h"
#include "ui/qt/qt_about_dialog.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_help_viewer.h"
#include "ui/qt/qt_result_list_model.h"
#include "ui/qt/qt_result_list_view.h"
#include "ui/qt/qt_translations.h"
#include "ui/resources/resource_ids.h"

namespace quorvane {
namespace {

using test::AnswerNextModal;
using test::FrontendHarness;
using test::QtPath;
using test::ScratchDir;
using test::UrlCatcher;

QString Q(const char16_t* text) {
    return QString::fromUtf16(text);
}

std::u16string WriteLines(const ScratchDir& dir, const char* name,
                          const std::vector<std::string>& lines) {
    const QString path = QtPath(dir, name);
    std::ofstream out(path.toStdString(), std::ios::binary);
    for (const std::string& line : lines) {
        out << line << "\r\n";
    }
    return path.toStdU16String();
}

// ---- Menu bar ---------------------------------------------------------------------------------

TEST(QtMenuTest, LabelsIdentifiersAndStatesAfterCreation) {
    FrontendHarness h;
    const QList<QAction*> popups = h.window.menuBar()->actions();
    ASSERT_EQ(popups.size(), 3);

    struct Expected {
        QString label;  // empty: a separator
        int id;
        bool enabled;
    };
    const std::vector<std::pair<QString, std::vector<Expected>>> expected = {
        {Q(u"文件(&F)"),
         {{Q(u"导入(&I)"), ID_CMD_IMPORT, true},
          {Q(u"导出(&E)"), ID_CMD_EXPORT, true},
          {QString(), 0, true},
          {Q(u"退出 Atl+F4"), ID_CMD_EXIT, true}}},
        {Q(u"操作(&O)"),
         {{Q(u"开始(&B)"), ID_CMD_START, true}, {Q(u"结束(&E)"), ID_CMD_STOP, false}}},
        {Q(u"帮助(&H)"),
         {{Q(u"帮助(&H)"), ID_CMD_HELP, true}, {Q(u"关于(&A)"), ID_CMD_ABOUT, true}}},
    };
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(popups[p]->text(), expected[p].first);
        const QList<QAction*> items = popups[p]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(expected[p].second.size()));
        for (qsizetype i = 0; i < items.size(); ++i) {
            const Expected& e = expected[p].second[i];
            if (e.label.isEmpty()) {
                EXPECT_TRUE(items[i]->isSeparator());
                continue;
            }
            EXPECT_EQ(items[i]->text(), e.label);
            EXPECT_EQ(items[i]->data().toInt(), e.id);
            EXPECT_EQ(items[i]->isEnabled(), e.enabled) << e.label.toStdString();
            EXPECT_EQ(h.window.Action(e.id), items[i]);
            // No accelerator: "Atl+F4" is only text, and the window manager closes on Alt+F4.
            EXPECT_TRUE(items[i]->shortcut().isEmpty());
        }
    }
}

TEST(QtMenuTest, AboutOpensFromTheMenuByKeyboardAndByMouse) {
    FrontendHarness h;
    h.window.PlaceAndShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window));
    QMenuBar* bar = h.window.menuBar();
    QAction* helpPopup = bar->actions()[2];
    QMenu* help = helpPopup->menu();
    QAction* about = h.window.Action(ID_CMD_ABOUT);
    int opened = 0;
    auto answer = [&](CAboutDialog& dialog) {
        ++opened;
        dialog.OkButton()->click();
    };

    // Alt+H opens the Help menu and A chooses About; the dialog's own loop runs inside the click.
    AnswerNextModal<CAboutDialog>(answer);
    QTest::keyClick(&h.window, Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return help->isVisible(); }));
    QTest::keyClick(help, Qt::Key_A);
    EXPECT_EQ(opened, 1);

    AnswerNextModal<CAboutDialog>(answer);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(helpPopup).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return help->isVisible(); }));
    QTest::mouseClick(help, Qt::LeftButton, {}, help->actionGeometry(about).center());
    EXPECT_EQ(opened, 2);
    h.window.hide();
}

TEST(QtLocaleTest, FileDialogsNameTypesAndDatesInChinese) {
    // The tool's own start-up (test main) set the locales; its translations are loaded here.
    InstallChineseTranslations(*qApp);
    EXPECT_EQ(QLocale().name(), QStringLiteral("zh_CN"));
    EXPECT_EQ(QLocale::system().name(), QStringLiteral("zh_CN"));
    const ScratchDir dir;
    ASSERT_TRUE(QDir(QtPath(dir)).mkdir(QStringLiteral("sub")));
    auto dialog = MakeFileDialog(nullptr, false, false);
    dialog->setDirectory(QtPath(dir));
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    const QModelIndex sub = model->index(QtPath(dir, "sub"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model->data(sub.siblingAtColumn(3)).isNull(); }));
    EXPECT_EQ(model->data(sub.siblingAtColumn(2)).toString(), Q(u"文件夹"));
    const QDateTime modified = QFileInfo(QtPath(dir, "sub")).lastModified();
    EXPECT_EQ(model->data(sub.siblingAtColumn(3)).toString(),
              QLocale(QLocale::Chinese, QLocale::China).toString(modified, QLocale::ShortFormat));
}

// ---- Result list model and view ---------------------------------------------------------------

// Reaches data() with indexes a view never makes (negative or past the last column).
class ProbeModel : public CResultListModel {
  public:
    using CResultListModel::createIndex;
};

TEST(QtResultListTest, ModelAnswersOnlyCellsInsideItemCountAndColumns) {
    ProbeModel model;
    std::vector<std::pair<std::size_t, int>> asked;
    model.SetCellSource([&](std::size_t row, int column) {
        asked.emplace_back(row, column);
        return std::u16string(u"r") + char16_t(u'0' + row) + char16_t(u'0' + column);
    });
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 5);
    model.SetItemCount(3);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(2, 4)).toString(), QStringLiteral("r24"));
    EXPECT_FALSE(model.data(model.index(2, 4), Qt::EditRole).isValid());
    EXPECT_FALSE(model.data(model.createIndex(3, 0)).isValid());   // row == item count
    EXPECT_FALSE(model.data(model.createIndex(0, 5)).isValid());   // column 5
    EXPECT_FALSE(model.data(model.createIndex(0, -1)).isValid());  // negative column
    EXPECT_FALSE(model.data(model.createIndex(-1, 0)).isValid());  // negative row
    EXPECT_EQ(asked.size(), 1u);  // out-of-range requests never reach the table

    model.SetCellSource({});  // the frame is gone
    EXPECT_FALSE(model.data(model.index(0, 0)).isValid());
    // A view's index for a child of a cell: a flat table has none.
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 0);
    EXPECT_EQ(model.flags(model.index(0, 0)) & Qt::ItemIsEditable, Qt::NoItemFlags);
}

// Typing in the list goes to the next row, from the focused one and wrapping, whose address
// starts with the typed text, whatever column the focus is in; text no address starts with
// leaves the focus where it is.
TEST(QtResultListTest, TypingFindsTheNextRowByItsAddress) {
    FrontendHarness h;
    const ScratchDir dir;
    h.window.openPath =
        WriteLines(dir, "typed.txt", {"1.1.1.1", "8.8.8.8", "9.9.9.9", "8.8.4.4", "hello"});
    h.window.PlaceAndShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window));
    ASSERT_TRUE(h.frame->OnCommand(ID_CMD_IMPORT));
    CResultListView* list = h.window.List();
    list->setFocus();
    list->setCurrentIndex(h.window.Model()->index(0, 2));
    const auto type = [&](const char* keys) {
        QTest::keyClicks(list, QString::fromLatin1(keys));
        // Letters typed apart are searches of their own, not one text.
        QTest::qWait(QApplication::keyboardInputInterval() + 100);
        return list->currentIndex().row();
    };
    EXPECT_EQ(type("9"), 2);
    EXPECT_EQ(type("8"), 3);
    EXPECT_EQ(type("8"), 1) << "wraps past the last row";
    EXPECT_EQ(type("8.8.4"), 3) << "a text typed at once";
    EXPECT_EQ(type("H"), 4) << "letters in either case";
    EXPECT_EQ(type("7"), 4) << "no address starts with 7";
    h.window.hide();
}

TEST(QtResultListTest, HeadersWidthsAndReportListLook) {
    FrontendHarness h;
    CResultListModel* model = h.window.Model();
    const QString headers[] = {Q(u"IP地址"), Q(u"国家"), Q(u"省份"), Q(u"城市"), Q(u"服务商")};
    const int widths[] = {150, 100, 100, 100, 100};
    QTableView* list = h.window.List();
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(model->headerData(c, Qt::Horizontal).toString(), headers[c]);
        EXPECT_EQ(list->horizontalHeader()->sectionSize(c), widths[c]);
    }
    EXPECT_FALSE(model->headerData(5, Qt::Horizontal).isValid());
    EXPECT_FALSE(model->headerData(-1, Qt::Horizontal).isValid());
    EXPECT_FALSE(model->headerData(0, Qt::Vertical).isValid());
    EXPECT_FALSE(list->verticalHeader()->isVisible());
    EXPECT_FALSE(list->horizontalHeader()->stretchLastSection());
    EXPECT_FALSE(list->isSortingEnabled());
    EXPECT_TRUE(list->showGrid());
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(h.window.centralWidget(), list);
}

TEST(QtResultListTest, ImportShowsAddressesAndEmptyResultsAndKeepsColumnWidths) {
    const ScratchDir dir;
    FrontendHarness h;
    h.window.List()->horizontalHeader()->resizeSection(1, 130);  // as a user would
    h.window.openPath = WriteLines(dir, "in.txt", {"1.2.3.4", "10.0.0.1", "not an address"});
    ASSERT_TRUE(h.frame->OnCommand(ID_CMD_IMPORT));
    CResultListModel* model = h.window.Model();
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->data(model->index(0, 0)).toString(), QStringLiteral("1.2.3.4"));
    EXPECT_EQ(model->data(model->index(2, 0)).toString(), QStringLiteral("not an address"));
    for (int c = 1; c < 5; ++c) {
        EXPECT_EQ(model->data(model->index(1, c)).toString(), QString());
    }
    EXPECT_EQ(h.window.List()->horizontalHeader()->sectionSize(0), 150);
    EXPECT_EQ(h.window.List()->horizontalHeader()->sectionSize(1), 130);
    EXPECT_TRUE(h.window.messages.empty());
}

TEST(QtResultListTest, CtrlCCopiesTheSelectedRowsAsExportLinesAndCtrlASelectsAll) {
    const ScratchDir dir;
    FrontendHarness h;
    h.window.openPath = WriteLines(dir, "in.txt", {"1.2.3.4", "a,b", "10.0.0.1"});
    ASSERT_TRUE(h.frame->OnCommand(ID_CMD_IMPORT));
    CResultListView* list = h.window.List();
    QApplication::clipboard()->setText(QStringLiteral("before"));

    // Two rows picked apart, as Ctrl+click does; the view's own Ctrl+C would copy one cell.
    list->selectionModel()->select(h.window.Model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list->selectionModel()->select(h.window.Model()->index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1.2.3.4,,,,\r\n10.0.0.1,,,,\r\n"));

    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list->SelectedRows(), (std::vector<std::size_t>{0, 1, 2}));
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Q(u"1.2.3.4,,,,\r\na，b,,,,\r\n10.0.0.1,,,,\r\n"));
}

TEST(QtResultListTest, DroppedFileIsImportedAfterTheDrop) {
    const ScratchDir dir;
    FrontendHarness h;
    h.window.PlaceAndShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window));
    const std::u16string path = WriteLines(dir, "dropped.txt", {"1.2.3.4", "5.6.7.8"});
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdU16String(path))});
    QWidget* target = h.window.List()->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_TRUE(drop.isAccepted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.frame->GetRowCount() == 2; }));
    EXPECT_EQ(h.window.Model()->rowCount(), 2);

    // A drag of no local file is not taken.
    QMimeData text;
    text.setText(QStringLiteral("1.2.3.4"));
    QDragEnterEvent other(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &other);
    EXPECT_FALSE(other.isAccepted());
}

TEST(QtResultListTest, LastColumnTakesTheGrowthLongCellsTellTheirTextHomeAndEndJump) {
    const ScratchDir dir;
    FrontendHarness h;
    std::vector<std::string> lines(50, "1.2.3.4");
    lines[0] = std::string(80, 'x');
    h.window.openPath = WriteLines(dir, "in.txt", lines);
    ASSERT_TRUE(h.frame->OnCommand(ID_CMD_IMPORT));
    h.window.PlaceAndShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window));
    CResultListView* list = h.window.List();
    QHeaderView* header = list->horizontalHeader();
    const int widths[] = {150, 100, 100, 100, 100};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(header->sectionSize(c), widths[c]) << c;
    }
    h.window.resize(h.window.width() + 200, h.window.height());
    QCoreApplication::processEvents();
    EXPECT_EQ(header->sectionSize(4), 300);
    EXPECT_EQ(header->sectionSize(3), 100);
    h.window.resize(h.window.width() - 200, h.window.height());
    QCoreApplication::processEvents();
    EXPECT_EQ(header->sectionSize(4), 100);

    const QModelIndex longCell = h.window.Model()->index(0, 0);
    EXPECT_TRUE(list->IsElided(longCell));
    EXPECT_FALSE(list->IsElided(h.window.Model()->index(1, 0)));
    const QPoint at = list->visualRect(longCell).center();
    QHelpEvent tip(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(list->viewport(), &tip);
    EXPECT_EQ(QToolTip::text(), QString::fromStdString(lines[0]));

    list->setFocus();
    list->setCurrentIndex(h.window.Model()->index(10, 2));
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(list->currentIndex(), h.window.Model()->index(49, 2));
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(list->currentIndex(), h.window.Model()->index(0, 2));
    QToolTip::hideText();
    h.window.hide();
}

TEST(QtResultListTest, RepaintAsksOnlyForVisibleCellsWhateverTheRowCount) {
    const ScratchDir dir;
    FrontendHarness h;
#ifdef QUORVANE_SANITIZED
    const int rowCount = 2000;
#else
    const int rowCount = 200000;
#endif
    std::vector<std::string> lines;
    lines.reserve(rowCount);
    for (int i = 0; i < rowCount; ++i) {
        lines.push_back("10.0." + std::to_string(i / 256 % 256) + "." + std::to_string(i % 256));
    }
    h.window.openPath = WriteLines(dir, "many.txt", lines);
    h.window.PlaceAndShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window));
    ASSERT_TRUE(h.frame->OnCommand(ID_CMD_IMPORT));
    ASSERT_EQ(h.window.Model()->rowCount(), rowCount);

    QTableView* list = h.window.List();
    const int visibleRows =
        list->viewport()->height() / list->verticalHeader()->defaultSectionSize() + 2;
    // The frame's cells, counted on their way to the view.
    std::size_t requests = 0;
    CMainFrame* frame = h.frame.get();
    h.window.Model()->SetCellSource([&requests, frame](std::size_t row, int column) {
        ++requests;
        return frame->OnGetDispInfo(row, column);
    });
    h.window.RepaintListNow();
    EXPECT_GT(requests, 0u);
    EXPECT_LE(requests, static_cast<std::size_t>(5 * visibleRows));
    h.window.Model()->SetCellSource({});  // the counter goes before the window does
    h.window.hide();
}

// ---- Window port: timers, queued calls, close ---------------------------------------------------

TEST(QtWindowPortTest, TimersAreKeptByTheFramesIdentifier) {
    FrontendHarness h;
    h.window.StartTimer(IDT_REFRESH, 1000);
    h.window.StartTimer(IDT_REFRESH, 500);  // restarting replaces, it does not add a second one
    h.window.StartTimer(7, 1000);
    EXPECT_TRUE(h.window.IsTimerRunning(IDT_REFRESH));
    h.window.KillTimer(IDT_REFRESH);
    h.window.KillTimer(IDT_REFRESH);  // killing twice is harmless
    EXPECT_FALSE(h.window.IsTimerRunning(IDT_REFRESH));
    EXPECT_TRUE(h.window.IsTimerRunning(7));
    h.window.DestroyWindow();  // kills every timer
    EXPECT_FALSE(h.window.IsTimerRunning(7));
}

TEST(QtWindowPortTest, PostedCallsRunOnTheWindowThreadInOrder) {
    FrontendHarness h;
    std::vector<int> order;
    std::atomic<bool> wrongThread{false};
    const std::thread::id windowThread = std::this_thread::get_id();
    std::thread poster([&] {
        for (int i = 0; i < 3; ++i) {
            h.window.PostToWindowThread([&, i] {
                if (std::this_thread::get_id() != windowThread) {
                    wrongThread = true;
                }
                order.push_back(i);
            });
        }
    });
    poster.join();
    EXPECT_TRUE(order.empty());  // queued, not run on the posting thread
    EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() == 3; }, 10000));
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(wrongThread);
}

TEST(QtWindowPortTest, CloseGoesThroughTheFrameAndDestroysTheWindow) {
    FrontendHarness h;
    h.window.PlaceAndShow();
    QSignalSpy destroyed(&h.window, &CQtMainWindow::WindowDestroyed);
    EXPECT_TRUE(h.window.close());
    EXPECT_TRUE(h.window.IsDestroyed());
    EXPECT_FALSE(h.window.isVisible());
    EXPECT_EQ(destroyed.count(), 1);
}

TEST(QtWindowPortTest, ExitCommandClosesTheWindow) {
    FrontendHarness h;
    h.window.PlaceAndShow();
    QSignalSpy destroyed(&h.window, &CQtMainWindow::WindowDestroyed);
    h.window.Action(ID_CMD_EXIT)->trigger();
    EXPECT_TRUE(h.window.IsDestroyed());
    EXPECT_FALSE(h.window.isVisible());
    EXPECT_EQ(destroyed.count(), 1);
}

TEST(QtWindowPortTest, PlacedCentredOnTheWorkAreaWithItsOuterSize) {
    FrontendHarness h;
    h.window.PlaceAndShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window));
    const QRect area = h.window.screen()->availableGeometry();
    const QRect outer = h.window.frameGeometry();
    EXPECT_EQ(outer.size(), QSize(750, 450));
    EXPECT_EQ(h.window.windowTitle(), Q(u"Quorvane \u00B7 Velbrin"));
    // The icon comes from resources compiled into the program; a lost resource leaves it empty.
    EXPECT_FALSE(h.window.windowIcon().pixmap(16, 16).isNull());
    // The offscreen screen is 800 wide: centred horizontally, and the top kept on screen.
    EXPECT_EQ(outer.left(), area.left() + (area.width() / 2 - 375));
    EXPECT_GE(outer.top(), area.top());
    h.window.hide();
}

TEST(QtWindowPortTest, StatusBarSitsUnderTheListWhichFillsTheRest) {
    FrontendHarness h;
    h.window.PlaceAndShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window));
    EXPECT_EQ(h.window.frameGeometry().size(), QSize(750, 450));
    const QRect list = h.window.List()->geometry();
    const QRect bar = h.window.statusBar()->geometry();
    EXPECT_EQ(list.width(), h.window.width());
    EXPECT_EQ(list.bottom() + 1, bar.top());
    EXPECT_EQ(bar.bottom() + 1, h.window.height());
    EXPECT_TRUE(h.window.StatusLabel()->isVisible());
    h.window.hide();
}

// Puts PATH on a folder of the test's own, holding an xdg-open that exits with exitCode (none
// when exitCode is negative), for as long as it lives.
class ScopedOpener {
  public:
    explicit ScopedOpener(int exitCode) : m_old(qgetenv("PATH")) {
        if (exitCode >= 0) {
            const QString script = QtPath(m_dir, "xdg-open");
            std::ofstream(script.toStdString()) << "#!/bin/sh\nexit " << exitCode << "\n";
            QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
        }
        qputenv("PATH", QtPath(m_dir).toLocal8Bit());
    }
    ~ScopedOpener() { qputenv("PATH", m_old); }

  private:
    const ScratchDir m_dir;
    QByteArray m_old;
};

TEST(QtWindowPortTest, HelpWithoutAHandlerShowsThePageInTheToolsOwnViewer) {
    const ScratchDir dir;
    ASSERT_TRUE(QDir(QtPath(dir)).mkdir(QStringLiteral("help")));
    const QString page = QtPath(dir, "help/index.html");
    {
        std::ofstream out(page.toStdString(), std::ios::binary);
        out << "<html><body><h1>使用帮助</h1><p id=\"export\">导出</p></body></html>";
    }
    FrontendHarness h(u"/nonexistent/ip2region.db", page.toStdU16String());
    ScopedOpener noDesktopOpener(-1);
    // No handler is registered for local files, and the offscreen platform has none either.
    EXPECT_TRUE(h.frame->OnCommand(ID_CMD_HELP));
    CHelpViewer* viewer = h.window.HelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->Browser()->toPlainText().contains(Q(u"使用帮助")));
    // Help again reuses the one viewer.
    EXPECT_TRUE(h.frame->OnCommand(ID_CMD_HELP));
    EXPECT_EQ(h.window.HelpViewer(), viewer);
    viewer->hide();
}

TEST(QtWindowPortTest, HelpOpensTheLocalPage) {
    const ScratchDir dir;
    const QString page = QtPath(dir, "help/index.html");
    FrontendHarness h(u"/nonexistent/ip2region.db", page.toStdU16String());
    ScopedOpener noDesktopOpener(-1);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Catch");
    EXPECT_TRUE(h.frame->OnCommand(ID_CMD_HELP));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0], QUrl::fromLocalFile(page));
    EXPECT_EQ(h.window.HelpViewer(), nullptr);
}

TEST(QtWindowPortTest, HelpShowsTheOwnViewerWhenTheDesktopOpenerFails) {
    const ScratchDir dir;
    const QString page = QtPath(dir, "index.html");
    std::ofstream(page.toStdString()) << "<p>帮助</p>";
    {
        // A browser that refuses to run (as some do for root) makes xdg-open fail.
        ScopedOpener failing(4);
        FrontendHarness h(u"/nonexistent/ip2region.db", page.toStdU16String());
        EXPECT_TRUE(h.frame->OnCommand(ID_CMD_HELP));
        ASSERT_TRUE(QTest::qWaitFor([&] { return h.window.HelpViewer() != nullptr; }, 10000));
        EXPECT_TRUE(h.window.HelpViewer()->isVisible());
        h.window.HelpViewer()->hide();
    }
    ScopedOpener working(0);
    FrontendHarness h(u"/nonexistent/ip2region.db", page.toStdU16String());
    EXPECT_TRUE(h.frame->OnCommand(ID_CMD_HELP));
    QTest::qWait(300);
    EXPECT_EQ(h.window.HelpViewer(), nullptr);
}

}  // namespace
}  // namespace quorvane
