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

#include "batch/address_list.h"
#include "batch/database_path.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/temp_database.h"
#include "tools/dbwriter/synthetic_ranges.h"
#include "ui/main_frame.h"
#include "ui/qt/qt_main_window.h"
#include "ui/qt/result_list_model.h"
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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "");
    const std::size_t rows = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const quorvane::test::ScratchDir dir("quorvane-bench");

    std::u16string db = argc > 2 ? QString::fromLocal8Bit(argv[2]).toStdU16String()
                                 : quorvane::DefaultDatabasePath();
    std::unique_ptr<quorvane::test::TempDatabase> synthetic;
    if (!quorvane::DatabaseFileExists(db)) {
        synthetic = std::make_unique<quorvane::test::TempDatabase>(
            quorvane::dbwriter::MakeSyntheticRanges(600000, 7));
        if (!synthetic->Ok()) {
            std::fprintf(stderr, "cannot build a database: %s\n", synthetic->Error().c_str());
            return 1;
        }
        db = QString::fromStdString(synthetic->Path()).toStdU16String();
    }
    std::printf("database: %s\n", QString::fromStdU16String(db).toUtf8().constData());

    const QString smallList = QString::fromStdU16String(dir.Wide("small.txt"));
    const QString bigList = QString::fromStdU16String(dir.Wide("big.txt"));
    WriteAddressFile(smallList, 100);
    WriteAddressFile(bigList, rows);
    const long rssStart = PeakRssMiB();

    ScriptedWindow window;
    quorvane::CMainFrame frame(window, db, u"");
    window.AttachFrame(&frame);
    frame.OnCreate();
    window.PlaceAndShow();
    WaitFor([&] { return window.windowHandle() && window.windowHandle()->isExposed(); });
    const int repaints = 300;

    // Two windows side by side, one over 100 rows and one over the big table, measured in
    // alternating rounds so that load from elsewhere hits both alike.
    ScriptedWindow smallWindow;
    quorvane::CMainFrame smallFrame(smallWindow, db, u"");
    smallWindow.AttachFrame(&smallFrame);
    smallFrame.OnCreate();
    smallWindow.PlaceAndShow();
    WaitFor([&] { return smallWindow.windowHandle() && smallWindow.windowHandle()->isExposed(); });
    smallWindow.openPath = smallList.toStdU16String();
    smallFrame.OnCommand(ID_CMD_IMPORT);

    window.openPath = bigList.toStdU16String();
    const auto importStart = Clock::now();
    const double importCpuStart = ThreadCpuSeconds();
    frame.OnCommand(ID_CMD_IMPORT);
    const double importCpu = ThreadCpuSeconds() - importCpuStart;
    const double importSeconds = Seconds(Clock::now() - importStart);
    const long rssImported = PeakRssMiB();
    const auto countStart = Clock::now();
    window.SetListItemCount(frame.GetRowCount());
    const double countSeconds = Seconds(Clock::now() - countStart);

    std::size_t smallRequests = 0;
    std::size_t bigRequests = 0;
    CountCells(smallWindow, smallFrame, smallRequests);
    CountCells(window, frame, bigRequests);
    RepaintFigures small{0, 0}, big{0, 0}, bigEnd{0, 0};
    const int rounds = 5;
    for (int round = 0; round < rounds; ++round) {
        const RepaintFigures s1 = MeasureRepaint(smallWindow, smallRequests, repaints / rounds);
        window.List()->scrollToTop();
        const RepaintFigures b1 = MeasureRepaint(window, bigRequests, repaints / rounds);
        // The far end, where a list that measured rows would pay most.
        window.List()->scrollToBottom();
        const RepaintFigures b2 = MeasureRepaint(window, bigRequests, repaints / rounds);
        for (auto [sum, one] :
             {std::pair{&small, s1}, std::pair{&big, b1}, std::pair{&bigEnd, b2}}) {
            sum->microsPerRepaint += one.microsPerRepaint / rounds;
            sum->cellsPerRepaint += one.cellsPerRepaint / rounds;
        }
    }
    // The counters go before the windows do; the big window keeps showing the frame's cells.
    smallWindow.Model()->SetCellSource({});
    window.Model()->SetCellSource(
        [&frame](std::size_t row, int column) { return frame.OnGetDispInfo(row, column); });
    smallWindow.AttachFrame(nullptr);

    const auto runStart = Clock::now();
    frame.OnCommand(ID_CMD_START);
    WaitFor([&] { return !frame.Table().IsRunActive(); });
    const double runSeconds = Seconds(Clock::now() - runStart);
    const long rssRun = PeakRssMiB();
    // Where the import's time goes: reading the file alone, and the list taking the new count.
    double readSeconds = 0;
    double readCpu = 0;
    {
        std::vector<std::u16string> lines;
        const auto readStart = Clock::now();
        const double readCpuStart = ThreadCpuSeconds();
        quorvane::ReadAddressList(bigList.toStdU16String(), lines);
        readCpu = ThreadCpuSeconds() - readCpuStart;
        readSeconds = Seconds(Clock::now() - readStart);
    }

    std::printf("rows in the table: %zu (import file %.1f MiB)\n", frame.GetRowCount(),
                double(QFileInfo(bigList).size()) / (1 << 20));
    std::printf("repaint, 100 rows:         %8.1f us, %5.1f cell requests\n",
                small.microsPerRepaint, small.cellsPerRepaint);
    std::printf("repaint, %zu rows (top):    %8.1f us, %5.1f cell requests\n", rows,
                big.microsPerRepaint, big.cellsPerRepaint);
    std::printf("repaint, %zu rows (bottom): %8.1f us, %5.1f cell requests\n", rows,
                bigEnd.microsPerRepaint, bigEnd.cellsPerRepaint);
    std::printf("repaint ratio %zu rows / 100 rows: %.2f (top), %.2f (bottom)\n", rows,
                big.microsPerRepaint / small.microsPerRepaint,
                bigEnd.microsPerRepaint / small.microsPerRepaint);
    std::printf("import of %zu lines on the window thread: %.3f s wall, %.3f s CPU (goal < 1 s)\n",
                rows, importSeconds, importCpu);
    std::printf(
        "  of which: reading the file alone %.3f s wall, %.3f s CPU; the list taking the count "
        "%.4f s\n",
        readSeconds, readCpu, countSeconds);
    std::printf("run over %zu rows, 3 workers: %.2f s\n", rows, runSeconds);
    std::printf("peak RSS: %ld MiB before, %ld MiB after import, %ld MiB after the run\n", rssStart,
                rssImported, rssRun);
    window.Model()->SetCellSource({});
    window.AttachFrame(nullptr);
    return 0;
}
