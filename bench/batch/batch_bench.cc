// quorvane_batch_bench [ROWS] [RANGES]: times the batch pipeline on this machine.
//
// Prints wall time and rows/s of import, the three-worker run and export, separately and in
// sequence, then the quorvane-batch command over the same files, the peak resident memory of
// both, and a single-threaded reference (plain ip2long + memory search + split of the UTF-8
// text) measured in the same run, with the ratios between them.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <time.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "batch/address_list.h"
#include "batch/address_table.h"
#include "batch/lookup_run.h"
#include "batch/lookup_session.h"
#include "batch/thread_group.h"
#include "files/conversions.h"
#include "quorvane/region.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/temp_database.h"
#include "tools/dbwriter/synthetic_ranges.h"

namespace {

using Clock = std::chrono::steady_clock;
using quorvane::CAddressTable;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// CPU time of the calling thread: the machine may be shared, so the single-threaded figures are
// compared on this rather than on wall time.
double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

void Report(const char* what, double seconds, std::size_t rows) {
    std::printf("%-34s %8.3f s %12.0f rows/s\n", what, seconds, rows / seconds);
}

// Uniform random addresses, one per line, LF ends.
std::vector<std::string> MakeAddresses(std::size_t rows) {
    std::vector<std::string> addresses;
    addresses.reserve(rows);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    char text[16];
    for (std::size_t i = 0; i < rows; ++i) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const auto value = static_cast<std::uint32_t>(state >> 32);
        std::snprintf(text, sizeof(text), "%u.%u.%u.%u", value >> 24, (value >> 16) & 255,
                      (value >> 8) & 255, value & 255);
        addresses.emplace_back(text);
    }
    return addresses;
}

// The reference: what one thread does per row with no table, no conversions to wide text.
double ReferenceLoop(const std::string& dbPath, const std::vector<std::string>& addresses,
                     std::size_t& found, double& cpuSeconds) {
    region_handle handle;
    ip2region_create(&handle, dbPath.c_str());
    region_result warm{};
    ip2region_memory_search(&handle, 0, &warm);  // the load is not part of the loop
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuSeconds();
    found = 0;
    std::string_view fields[5];
    for (const std::string& address : addresses) {
        region_result result{};
        ip2region_memory_search(&handle, ip2long(address.c_str()), &result);
        std::string_view text(result.region_text);
        std::size_t count = 0;
        std::size_t pos = 0;
        while (count < 5 && pos < text.size()) {
            std::size_t end = text.find('|', pos);
            if (end == std::string_view::npos) {
                end = text.size();
            }
            if (end > pos) {
                fields[count++] = text.substr(pos, end - pos);
            }
            pos = end + 1;
        }
        found += count > 0 && fields[0].size() > 0;
    }
    const double seconds = Seconds(start);
    cpuSeconds = ThreadCpuSeconds() - cpuStart;
    ip2region_destroy(&handle);
    return seconds;
}

int RunCommand(const std::string& db, const std::string& in, const std::string& out,
               double& seconds) {
    const auto start = Clock::now();
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        execl(QUORVANE_BATCH_EXE, "quorvane-batch", "--db", db.c_str(), in.c_str(), out.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    seconds = Seconds(start);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Wall and CPU seconds of one step on this thread.
struct Timing {
    double seconds = 0;
    double cpu = 0;
};

// What the run measured, in the order it is printed.
struct Figures {
    std::size_t rows = 0;
    Timing import, exported, session, loop;
    double runSeconds = 0;
    double totalSeconds = 0;
    double commandSeconds = 0;
    int commandStatus = 0;
    Timing reference;
    std::size_t found = 0;
    rusage self{};
    rusage children{};
};

// Writes the addresses one per line, LF ends.
void WriteAddresses(const std::string& path, const std::vector<std::string>& addresses) {
    std::ofstream in(path, std::ios::binary);
    for (const std::string& address : addresses) {
        in << address << '\n';
    }
}

// Import: read the list and fill the table, as the Import command does.
bool Import(const std::string& inPath, CAddressTable& table, Timing& timing) {
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuSeconds();
    quorvane::CAddressBlock lines;
    if (!quorvane::ReadAddressList(quorvane::Utf8ToWide(inPath), lines)) {
        std::fprintf(stderr, "cannot read %s\n", inPath.c_str());
        return false;
    }
    table.AppendAddresses(std::move(lines), false);
    timing.seconds = Seconds(start);
    timing.cpu = ThreadCpuSeconds() - cpuStart;
    return true;
}

// Run: three workers sharing the database that was opened for the run.
double RunWorkers(CAddressTable& table, const std::string& dbPath) {
    const auto start = Clock::now();
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
    {
        quorvane::CThreadGroup group;
        quorvane::StartLookupRun(group, table,
                                 quorvane::OpenDatabaseFile(quorvane::Utf8ToWide(dbPath)).database,
                                 nullptr, [&] {
                                     table.EndRun();
                                     std::lock_guard<std::mutex> guard(lock);
                                     done = true;
                                     finished.notify_all();
                                 });
        std::unique_lock<std::mutex> guard(lock);
        finished.wait(guard, [&] { return done; });
    }
    return Seconds(start);
}

bool Export(const CAddressTable& table, const std::string& outPath, Timing& timing) {
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuSeconds();
    const bool written = quorvane::WriteResultFile(table, quorvane::Utf8ToWide(outPath));
    timing.seconds = Seconds(start);
    timing.cpu = ThreadCpuSeconds() - cpuStart;
    return written;
}

// The same lookups through one session on this thread, one address at a time, without the
// table: what the session adds to the reference.
Timing SessionLookups(const std::string& dbPath, const std::vector<std::string>& addresses) {
    quorvane::CResultStore store;
    quorvane::CLookupSession session(
        quorvane::OpenDatabaseFile(quorvane::Utf8ToWide(dbPath)).database, store);
    quorvane::CAddressBlock block;
    block.AppendAscii("0.0.0.0");
    for (const std::string& address : addresses) {
        block.AppendAscii(address);
    }
    const quorvane::ResultTexts* record = nullptr;
    session.ResolveRows(block, 0, 1, &record);  // loads the file
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuSeconds();
    for (std::size_t row = 1; row < block.Count(); ++row) {
        session.ResolveRows(block, row, row + 1, &record);
    }
    return {Seconds(start), ThreadCpuSeconds() - cpuStart};
}

// The whole worker loop on this thread: what the session and the table add to the reference.
Timing WorkerLoopOnThisThread(CAddressTable& table, const std::string& dbPath) {
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuSeconds();
    table.BeginRun();
    quorvane::MakeLookupWork(table,
                             quorvane::OpenDatabaseFile(quorvane::Utf8ToWide(dbPath)).database)();
    table.EndRun();
    return {Seconds(start), ThreadCpuSeconds() - cpuStart};
}

bool SameBytes(const std::string& a, const std::string& b) {
    std::ifstream first(a, std::ios::binary), second(b, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(first), {}) ==
           std::string(std::istreambuf_iterator<char>(second), {});
}

void PrintFigures(const Figures& f, const std::string& outPath, const std::string& cmdOutPath) {
    const std::size_t rows = f.rows;
    Report("import", f.import.seconds, rows);
    Report("run (3 workers)", f.runSeconds, rows);
    Report("export", f.exported.seconds, rows);
    Report("import + run + export", f.totalSeconds, rows);
    Report("quorvane-batch command", f.commandSeconds, rows);
    Report("reference, 1 thread, no table", f.reference.seconds, rows);
    Report("session lookups, 1 thread", f.session.seconds, rows);
    Report("worker loop, 1 thread", f.loop.seconds, rows);
    std::printf("\npeak RSS: this process %.1f MiB, the command %.1f MiB\n",
                f.self.ru_maxrss / 1024.0, f.children.ru_maxrss / 1024.0);
    std::printf(
        "CPU seconds on one thread: reference %.3f, session %.3f, worker loop %.3f, "
        "import %.3f, export %.3f\n",
        f.reference.cpu, f.session.cpu, f.loop.cpu, f.import.cpu, f.exported.cpu);
    std::printf("CPU time ratios to the reference: session %.2f, worker loop %.2f\n",
                f.session.cpu / f.reference.cpu, f.loop.cpu / f.reference.cpu);
    std::printf("wall time ratio run (3 workers) / reference (1 thread): %.2f\n",
                f.runSeconds / f.reference.seconds);
    std::printf("command exit status %d; outputs %s\n", f.commandStatus,
                std::ifstream(outPath, std::ios::binary).rdbuf() && SameBytes(outPath, cmdOutPath)
                    ? "identical"
                    : "DIFFER");
    // The machine may be shared: the two steps run on one thread, so their CPU time is what
    // they cost.
    std::printf(
        "goals (per 1,000,000 rows): import <= 0.1 s CPU: %s; export <= 0.1 s CPU: %s; "
        "reference found %zu rows\n",
        f.import.cpu * 1e6 / static_cast<double>(rows) <= 0.1 ? "met" : "missed",
        f.exported.cpu * 1e6 / static_cast<double>(rows) <= 0.1 ? "met" : "missed", f.found);
}

}  // namespace

int main(int argc, char** argv) {
    Figures f;
    f.rows = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const std::size_t ranges = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 650000;

    quorvane::test::TempDatabase db(quorvane::dbwriter::MakeSyntheticRanges(ranges, 2024));
    if (!db.Ok()) {
        std::fprintf(stderr, "cannot build the database: %s\n", db.Error().c_str());
        return 1;
    }
    const std::vector<std::string> addresses = MakeAddresses(f.rows);
    const quorvane::test::ScratchDir scratch("quorvane-bench");
    const std::string inPath = scratch.Path("in.txt").string();
    const std::string outPath = scratch.Path("out.txt").string();
    const std::string cmdOutPath = scratch.Path("cmd-out.txt").string();
    WriteAddresses(inPath, addresses);
    std::printf(
        "%zu addresses, %zu ranges (%ld bytes of database), %u workers\n\n", f.rows, ranges,
        static_cast<long>(std::ifstream(db.Path(), std::ios::ate | std::ios::binary).tellg()),
        quorvane::CThreadGroup().ThreadCount());

    const auto total = Clock::now();
    CAddressTable table;
    if (!Import(inPath, table, f.import)) {
        return 1;
    }
    f.runSeconds = RunWorkers(table, db.Path());
    const bool written = Export(table, outPath, f.exported);
    f.totalSeconds = Seconds(total);
    if (!written) {
        std::fprintf(stderr, "cannot write %s\n", outPath.c_str());
        return 1;
    }
    getrusage(RUSAGE_SELF, &f.self);
    f.commandStatus = RunCommand(db.Path(), inPath, cmdOutPath, f.commandSeconds);
    getrusage(RUSAGE_CHILDREN, &f.children);
    f.reference.seconds = ReferenceLoop(db.Path(), addresses, f.found, f.reference.cpu);
    f.session = SessionLookups(db.Path(), addresses);
    f.loop = WorkerLoopOnThisThread(table, db.Path());
    PrintFigures(f, outPath, cmdOutPath);
    return 0;
}
