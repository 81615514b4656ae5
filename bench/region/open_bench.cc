// What opening a database costs now that the open reads it whole and checks its whole layout
// (every index entry, every record, every text's UTF-8), side by side in one run with what the
// first memory search of the eleven functions spends loading the same file without those checks,
// and with one million lookups through the interface (the lookups of a 1M-address job, on one
// thread).
//
// Usage: open_bench [DATABASE [ROUNDS]]   default: a generated 650,000-range database, 20 rounds
#include <quorvane/region.h>
#include <quorvane/region_db.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tests/support/temp_database.h"
#include "tools/dbwriter/synthetic_ranges.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// This thread's processor time: on a shared, busy machine the wall clock also counts the time
// other programs took.
double CpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    std::string path = argc > 1 ? argv[1] : "";
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    std::unique_ptr<quorvane::test::TempDatabase> generated;
    if (path.empty()) {
        generated = std::make_unique<quorvane::test::TempDatabase>(
            quorvane::dbwriter::MakeSyntheticRanges(650000, 1));
        if (!generated->Ok()) {
            std::fprintf(stderr, "open_bench: %s\n", generated->Error().c_str());
            return 1;
        }
        path = generated->Path();
    }
    std::vector<double> opens;
    std::vector<double> openCpus;
    std::vector<double> loads;
    std::vector<double> loadCpus;
    for (int round = 0; round < rounds; ++round) {
        Clock::time_point start = Clock::now();
        double cpu = CpuMilliseconds();
        quorvane_db* db = nullptr;
        const int status = quorvane_db_open(path.c_str(), &db);
        opens.push_back(Milliseconds(start));
        openCpus.push_back(CpuMilliseconds() - cpu);
        quorvane_db_close(db);
        if (status != QUORVANE_DB_OK) {
            std::fprintf(stderr, "open_bench: %s: %s\n", path.c_str(),
                         quorvane_db_strerror(status));
            return 1;
        }
        start = Clock::now();
        cpu = CpuMilliseconds();
        region_handle handle{};
        region_result result;
        ip2region_create(&handle, path.c_str());
        ip2region_memory_search(&handle, 0, &result);
        loads.push_back(Milliseconds(start));
        loadCpus.push_back(CpuMilliseconds() - cpu);
        ip2region_destroy(&handle);
    }

    quorvane_db* db = nullptr;
    quorvane_db_open(path.c_str(), &db);
    std::vector<std::uint32_t> addresses(1'000'000);
    std::mt19937 random(7);
    for (std::uint32_t& address : addresses) {
        address = static_cast<std::uint32_t>(random());
    }
    std::vector<quorvane_db_record> records(addresses.size());
    const Clock::time_point start = Clock::now();
    const double cpu = CpuMilliseconds();
    quorvane_db_find4_many(db, addresses.data(), records.data(), addresses.size());
    std::size_t textBytes = 0;
    for (quorvane_db_record record : records) {
        std::size_t length = 0;
        quorvane_db_text(db, record, &length);
        textBytes += length;
    }
    const double lookups = Milliseconds(start);
    const double lookupsCpu = CpuMilliseconds() - cpu;
    quorvane_db_close(db);

    const double open = Median(opens);
    const double load = Median(loads);
    const double openCpu = Median(openCpus);
    const double loadCpu = Median(loadCpus);
    std::printf("database %s, medians of %d rounds   wall ms   cpu ms\n", path.c_str(), rounds);
    std::printf("open, read + whole check       %8.2f %8.2f\n", open, openCpu);
    std::printf("load without checks (memory)   %8.2f %8.2f\n", load, loadCpu);
    std::printf("the checks alone               %8.2f %8.2f\n", open - load, openCpu - loadCpu);
    std::printf("1M lookups + texts, one thread %8.2f %8.2f (%zu text bytes)\n", lookups,
                lookupsCpu, textBytes);
    std::printf("open / 1M lookups              %8.2f %8.2f\n", open / lookups,
                openCpu / lookupsCpu);
    return 0;
}
