// quorvane_ui_bench [ROWS] [DATABASE]
//
// 1. Repaint of the visible cells with 100 rows and with ROWS rows (default 1,000,000): the
//    cost must not grow with the row count.
// 2. Import of a ROWS-line file on the window thread through CMainFrame (goal: under 1 s).
// 3. Peak resident memory (getrusage) after the import and after a run over all ROWS rows.
// DATABASE defaults to ip2region.db beside the program, else a synthetic one is generated.
#include <sys/resource.h>
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTableView>
#include <QThread>
#include <QWindow>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "batch/address_list.h"
#include "batch/database_path.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/temp_database.h"
#include "tools/dbwriter/synthetic_ranges.h"
#include "ui/main_frame.h"
#include "ui/qt/qt_main_window.h"
#include "ui/qt/qt_result_list_model.h"
#include "ui/resources/resource_ids.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// CPU time of the calling thread: less disturbed than wall time when the machine is shared.
double ThreadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

long PeakRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;  // KiB on Linux
}

class ScriptedWindow : public quorvane::CQtMainWindow {
  public:
    ScriptedWindow() : CQtMainWindow(QString()) {}
    std::optional<std::u16string> openPath;
    std::optional<std::u16string> ChooseFileToOpen() override { return openPath; }
    quorvane::MessageAnswer ShowMessage(std::u16string_view, quorvane::MessageButtons b) override {
        return b == quorvane::MessageButtons::kOk ? quorvane::MessageAnswer::kOk
                                                  : quorvane::MessageAnswer::kYes;
    }
};

void WriteAddressFile(const QString& path, std::size_t rows) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    std::uint32_t x = 2463534242u;
    for (std::size_t i = 0; i < rows; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        out << (x >> 24) << '.' << ((x >> 16) & 255) << '.' << ((x >> 8) & 255) << '.' << (x & 255)
            << "\r\n";
    }
}

void WaitFor(const std::function<bool()>& done) {
    while (!done()) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
}

struct RepaintFigures {
    double microsPerRepaint;
    double cellsPerRepaint;
};

// Gives window the source it would have, with every cell counted on its way to the view.
void CountCells(ScriptedWindow& window, quorvane::CMainFrame& frame, std::size_t& requests) {
    window.Model()->SetCellSource([&requests, &frame](std::size_t row, int column) {
        ++requests;
        return frame.OnGetDispInfo(row, column);
    });
}

// requests: the counter CountCells gave the window.
RepaintFigures MeasureRepaint(ScriptedWindow& window, std::size_t& requests, int repaints) {
    window.RepaintListNow();  // warm caches and the font
    requests = 0;
    const auto start = Clock::now();
    for (int i = 0; i < repaints; ++i) {
        window.RepaintListNow();
    }
    const double seconds = Seconds(Clock::now() - start);
    return {seconds * 1e6 / repaints, double(requests) / repaints};
}

// The database named on the command line, else the one beside the program, else a synthetic one
// made into synthetic. Empty when none can be had.
std::u16string ChooseDatabase(int argc, char** argv,
                              std::unique_ptr<quorvane::test::TempDatabase>& synthetic) {
    std::u16string db = argc > 2 ? QString::fromLocal8Bit(argv[2]).toStdU16String()
                                 : quorvane::DefaultDatabasePath();
    if (!quorvane::DatabaseFileExists(db)) {
        synthetic = std::make_unique<quorvane::test::TempDatabase>(
            quorvane::dbwriter::MakeSyntheticRanges(600000, 7));
        if (!synthetic->Ok()) {
            std::fprintf(stderr, "cannot build a database: %s\n", synthetic->Error().c_str());
            return {};
        }
        db = QString::fromStdString(synthetic->Path()).toStdU16String();
    }
    return db;
}

// Joins window and frame, shows the window and waits until it can be painted.
void Show(ScriptedWindow& window, quorvane::CMainFrame& frame) {
    window.AttachFrame(&frame);
    frame.OnCreate();
    window.PlaceAndShow();
    WaitFor([&] { return window.windowHandle() && window.windowHandle()->isExposed(); });
}

struct ImportFigures {
    double seconds = 0;
    double cpu = 0;
    // The list taking the new count.
    double countSeconds = 0;
    long rssMiB = 0;
};

// Imports path through the frame's Import command, on this thread.
ImportFigures Import(ScriptedWindow& window, quorvane::CMainFrame& frame, const QString& path) {
    ImportFigures figures;
    window.openPath = path.toStdU16String();
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuSeconds();
    frame.OnCommand(ID_CMD_IMPORT);
    figures.cpu = ThreadCpuSeconds() - cpuStart;
    figures.seconds = Seconds(Clock::now() - start);
    figures.rssMiB = PeakRssMiB();
    const auto countStart = Clock::now();
    window.SetListItemCount(frame.GetRowCount());
    figures.countSeconds = Seconds(Clock::now() - countStart);
    return figures;
}

struct RepaintSet {
    RepaintFigures small{0, 0};
    RepaintFigures big{0, 0};
    // The big table's far end, where a list that measured rows would pay most.
    RepaintFigures bigEnd{0, 0};
};

// The two windows measured in alternating rounds so that load from elsewhere hits both alike.
RepaintSet MeasureRepaints(ScriptedWindow& smallWindow, quorvane::CMainFrame& smallFrame,
                           ScriptedWindow& window, quorvane::CMainFrame& frame) {
    constexpr int kRepaints = 300;
    constexpr int kRounds = 5;
    std::size_t smallRequests = 0;
    std::size_t bigRequests = 0;
    CountCells(smallWindow, smallFrame, smallRequests);
    CountCells(window, frame, bigRequests);
    RepaintSet set;
    for (int round = 0; round < kRounds; ++round) {
        const RepaintFigures s1 = MeasureRepaint(smallWindow, smallRequests, kRepaints / kRounds);
        window.List()->scrollToTop();
        const RepaintFigures b1 = MeasureRepaint(window, bigRequests, kRepaints / kRounds);
        window.List()->scrollToBottom();
        const RepaintFigures b2 = MeasureRepaint(window, bigRequests, kRepaints / kRounds);
        for (auto [sum, one] :
             {std::pair{&set.small, s1}, std::pair{&set.big, b1}, std::pair{&set.bigEnd, b2}}) {
            sum->microsPerRepaint += one.microsPerRepaint / kRounds;
            sum->cellsPerRepaint += one.cellsPerRepaint / kRounds;
        }
    }
    // The counters go before the windows do; the big window keeps showing the frame's cells.
    smallWindow.Model()->SetCellSource({});
    window.Model()->SetCellSource(
        [&frame](std::size_t row, int column) { return frame.OnGetDispInfo(row, column); });
    return set;
}

// Where the import's time goes: reading the file alone, wall and CPU seconds.
std::pair<double, double> ReadAlone(const QString& path) {
    std::vector<std::u16string> lines;
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuSeconds();
    quorvane::ReadAddressList(path.toStdU16String(), lines);
    const double cpu = ThreadCpuSeconds() - cpuStart;
    return {Seconds(Clock::now() - start), cpu};
}

// The figures of the run: rows, the import file, and the peak RSS before, after the import and
// after the run.
struct RunFigures {
    std::size_t rows = 0;
    std::size_t tableRows = 0;
    double fileMiB = 0;
    double runSeconds = 0;
    long rssStart = 0;
    long rssRun = 0;
};

void PrintFigures(const RunFigures& run, const RepaintSet& paint, const ImportFigures& import,
                  std::pair<double, double> read) {
    const std::size_t rows = run.rows;
    std::printf("rows in the table: %zu (import file %.1f MiB)\n", run.tableRows, run.fileMiB);
    std::printf("repaint, 100 rows:         %8.1f us, %5.1f cell requests\n",
                paint.small.microsPerRepaint, paint.small.cellsPerRepaint);
    std::printf("repaint, %zu rows (top):    %8.1f us, %5.1f cell requests\n", rows,
                paint.big.microsPerRepaint, paint.big.cellsPerRepaint);
    std::printf("repaint, %zu rows (bottom): %8.1f us, %5.1f cell requests\n", rows,
                paint.bigEnd.microsPerRepaint, paint.bigEnd.cellsPerRepaint);
    std::printf("repaint ratio %zu rows / 100 rows: %.2f (top), %.2f (bottom)\n", rows,
                paint.big.microsPerRepaint / paint.small.microsPerRepaint,
                paint.bigEnd.microsPerRepaint / paint.small.microsPerRepaint);
    std::printf("import of %zu lines on the window thread: %.3f s wall, %.3f s CPU (goal < 1 s)\n",
                rows, import.seconds, import.cpu);
    std::printf(
        "  of which: reading the file alone %.3f s wall, %.3f s CPU; the list taking the count "
        "%.4f s\n",
        read.first, read.second, import.countSeconds);
    std::printf("run over %zu rows, 3 workers: %.2f s\n", rows, run.runSeconds);
    std::printf("peak RSS: %ld MiB before, %ld MiB after import, %ld MiB after the run\n",
                run.rssStart, import.rssMiB, run.rssRun);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "");
    RunFigures run;
    run.rows = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const quorvane::test::ScratchDir dir("quorvane-bench");
    std::unique_ptr<quorvane::test::TempDatabase> synthetic;
    const std::u16string db = ChooseDatabase(argc, argv, synthetic);
    if (db.empty()) {
        return 1;
    }
    std::printf("database: %s\n", QString::fromStdU16String(db).toUtf8().constData());

    const QString smallList = QString::fromStdU16String(dir.Wide("small.txt"));
    const QString bigList = QString::fromStdU16String(dir.Wide("big.txt"));
    WriteAddressFile(smallList, 100);
    WriteAddressFile(bigList, run.rows);
    run.rssStart = PeakRssMiB();

    ScriptedWindow window;
    quorvane::CMainFrame frame(window, db, u"");
    Show(window, frame);
    // A second window over 100 rows beside the one over the big table.
    ScriptedWindow smallWindow;
    quorvane::CMainFrame smallFrame(smallWindow, db, u"");
    Show(smallWindow, smallFrame);
    smallWindow.openPath = smallList.toStdU16String();
    smallFrame.OnCommand(ID_CMD_IMPORT);
    const ImportFigures import = Import(window, frame, bigList);
    const RepaintSet paint = MeasureRepaints(smallWindow, smallFrame, window, frame);
    smallWindow.AttachFrame(nullptr);

    const auto runStart = Clock::now();
    frame.OnCommand(ID_CMD_START);
    WaitFor([&] { return !frame.Table().IsRunActive(); });
    run.runSeconds = Seconds(Clock::now() - runStart);
    run.rssRun = PeakRssMiB();
    const std::pair<double, double> read = ReadAlone(bigList);
    run.tableRows = frame.GetRowCount();
    run.fileMiB = double(QFileInfo(bigList).size()) / (1 << 20);
    PrintFigures(run, paint, import, read);
    window.Model()->SetCellSource({});
    window.AttachFrame(nullptr);
    return 0;
}
