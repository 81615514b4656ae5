// Lookup cost of the three search strategies on a generated 650,000-range database, side by side
// with a plain binary search over a sorted array of the same ranges, in one run.
//
// Usage: region_bench [LOOKUPS [DISK_LOOKUPS]]   defaults: 2,000,000 and 2,000,000
//        region_bench --db FILE ADDR_PREFIX SET
// The second form times the three strategies over FILE and the host-order addresses in
// ADDR_PREFIX.u32 and prints one line per strategy in the anchor harness's RESULT format
// (wall and thread-CPU ns per lookup, resident growth of the engine), so that it joins the
// harness's table beside the other lookup libraries measured in the same run. Beside them it
// times the database interface: one address per call, and the batch path's way (64 addresses
// side by side, the records only, as the batch lookups keep each record's fields once decoded).
//
// Besides the time per lookup it counts, while the lookups run, the stream reads and seeks the
// disk strategies make and every heap allocation of every strategy. The counting wrappers below
// replace fread, fseek and malloc for this program and for the engine library it loads.
#include <dlfcn.h>
#include <quorvane/region.h>
#include <quorvane/region_db.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "tests/support/temp_database.h"
#include "tools/dbwriter/db_writer.h"
#include "tools/dbwriter/synthetic_ranges.h"

namespace {

struct Counters {
    bool on = false;
    std::uint64_t freads = 0;
    std::uint64_t freadBytes = 0;
    std::uint64_t fseeks = 0;
    std::uint64_t allocations = 0;
};
Counters g_counters;

}  // namespace

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);

void* malloc(std::size_t size) {
    g_counters.allocations += g_counters.on;
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    g_counters.allocations += g_counters.on;
    return __libc_calloc(count, size);
}
void* realloc(void* pointer, std::size_t size) {
    g_counters.allocations += g_counters.on;
    return __libc_realloc(pointer, size);
}

std::size_t fread(void* buffer, std::size_t size, std::size_t count, FILE* stream) {
    using Fn = std::size_t (*)(void*, std::size_t, std::size_t, FILE*);
    static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "fread"));
    if (g_counters.on) {
        ++g_counters.freads;
        g_counters.freadBytes += size * count;
    }
    return real(buffer, size, count, stream);
}
int fseek(FILE* stream, long offset, int whence) {
    using Fn = int (*)(FILE*, long, int);
    static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "fseek"));
    g_counters.fseeks += g_counters.on;
    return real(stream, offset, whence);
}
}

namespace {

using Clock = std::chrono::steady_clock;
using quorvane::dbwriter::Range;

constexpr std::size_t kRangeCount = 650'000;
constexpr std::uint32_t kRangeSeed = 650;
constexpr std::uint32_t kAddressSeed = 20261207;

// The reference: 12-byte entries like the file's index, in a plain array, searched with the
// textbook three-way binary search; the text is copied out as the engine copies it.
struct Entry {
    std::uint32_t start;
    std::uint32_t end;
    std::uint32_t text;
};

struct Reference {
    std::vector<Entry> entries;
    std::vector<std::string> texts;

    int Find(std::uint32_t address, region_result* result) const {
        std::int64_t lo = 0;
        std::int64_t hi = static_cast<std::int64_t>(entries.size()) - 1;
        while (lo <= hi) {
            const std::int64_t mid = (lo + hi) / 2;
            const Entry& entry = entries[static_cast<std::size_t>(mid)];
            if (address < entry.start) {
                hi = mid - 1;
            } else if (address > entry.end) {
                lo = mid + 1;
            } else {
                const std::string& text = texts[entry.text];
                result->record_number = entry.text;
                std::memcpy(result->region_text, text.data(), text.size());
                result->region_text[text.size()] = '\0';
                return 1;
            }
        }
        return 0;
    }
};

Reference MakeReference(const std::vector<Range>& ranges) {
    Reference reference;
    for (const Range& range : ranges) {
        reference.texts.push_back(range.text);
        reference.entries.push_back(
            {range.start, range.end, static_cast<std::uint32_t>(reference.texts.size() - 1)});
    }
    return reference;
}

struct Measurement {
    double nsPerLookup = 0;
    std::uint64_t found = 0;
    Counters counters;
};

// Times `search` over the addresses, with the counters on for the timed part only.
template <typename Search>
Measurement Measure(const std::vector<std::uint32_t>& addresses, std::size_t count,
                    Search&& search) {
    region_result result{};
    Measurement measurement;
    g_counters = Counters{};
    g_counters.on = true;
    const auto begin = Clock::now();
    for (std::size_t i = 0; i < count; ++i) {
        measurement.found += static_cast<std::uint64_t>(search(addresses[i], &result));
    }
    const auto end = Clock::now();
    g_counters.on = false;
    measurement.counters = g_counters;
    measurement.nsPerLookup =
        std::chrono::duration<double, std::nano>(end - begin).count() / static_cast<double>(count);
    return measurement;
}

void Print(const char* name, std::size_t count, const Measurement& m, double referenceNs) {
    const double n = static_cast<double>(count);
    std::printf(
        "%-22s %9zu lookups %8.1f ns/lookup  %5.2fx reference  %6.2f freads  %7.1f bytes"
        "  %6.2f seeks  %llu allocations  (%llu found)\n",
        name, count, m.nsPerLookup, m.nsPerLookup / referenceNs,
        static_cast<double>(m.counters.freads) / n, static_cast<double>(m.counters.freadBytes) / n,
        static_cast<double>(m.counters.fseeks) / n,
        static_cast<unsigned long long>(m.counters.allocations),
        static_cast<unsigned long long>(m.found));
}

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// The database interface over the same addresses: quorvane_db_find4 one at a time, and
// quorvane_db_find4_many in groups of the batch lookups' size.
void ReportInterface(const char* dbPath, const std::vector<std::uint32_t>& addresses,
                     const char* set) {
    constexpr std::size_t kBatchGroup = 64;
    quorvane_db* db = nullptr;
    if (quorvane_db_open(dbPath, &db) != QUORVANE_DB_OK) {
        std::fprintf(stderr, "region_bench: the interface cannot open %s\n", dbPath);
        return;
    }
    std::vector<quorvane_db_record> records(addresses.size());
    auto report = [&](const char* name, auto&& search) {
        const auto begin = Clock::now();
        const double cpuBegin = ThreadCpuSeconds();
        search();
        const double cpu = ThreadCpuSeconds() - cpuBegin;
        const double wall = std::chrono::duration<double>(Clock::now() - begin).count();
        const double n = static_cast<double>(addresses.size());
        const std::size_t found = static_cast<std::size_t>(
            std::count_if(records.begin(), records.end(), [](quorvane_db_record r) { return r; }));
        std::printf("RESULT bench=%s set=%s n=%zu found=%zu ns=%.1f cpu_ns=%.1f mlps=%.3f\n", name,
                    set, addresses.size(), found, wall * 1e9 / n, cpu * 1e9 / n, n / wall / 1e6);
    };
    auto one = [&] {
        for (std::size_t i = 0; i < addresses.size(); ++i) {
            records[i] = quorvane_db_find4(db, addresses[i]);
        }
    };
    auto many = [&] {
        for (std::size_t i = 0; i < addresses.size(); i += kBatchGroup) {
            quorvane_db_find4_many(db, addresses.data() + i, records.data() + i,
                                   std::min(kBatchGroup, addresses.size() - i));
        }
    };
    one();  // warm-up: the image and the table into the caches and the page tables
    report("quorvane_db_find4", one);
    report("quorvane_db_many", many);
    quorvane_db_close(db);
}

// The anchor harness's form: region_bench --db FILE ADDR_PREFIX SET.
int RunAnchorForm(const char* dbPath, const std::string& prefix, const char* set) {
    std::ifstream in(prefix + ".u32", std::ios::binary);
    std::vector<std::uint32_t> addresses;
    std::uint32_t address;
    while (in.read(reinterpret_cast<char*>(&address), sizeof address)) {
        addresses.push_back(address);
    }
    if (addresses.empty()) {
        std::fprintf(stderr, "region_bench: no addresses in %s.u32\n", prefix.c_str());
        return 1;
    }
    const long baseKb = ResidentKb();
    region_handle handle{};
    if (ip2region_create(&handle, dbPath) != 1) {
        std::fprintf(stderr, "region_bench: cannot open %s\n", dbPath);
        return 1;
    }
    region_result result{};
    auto report = [&](const char* name, std::size_t n, auto&& search) {
        const auto begin = Clock::now();
        const double cpuBegin = ThreadCpuSeconds();
        std::size_t found = 0;
        unsigned long long check = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (search(addresses[i], &result)) {
                ++found;
                check += static_cast<unsigned char>(result.region_text[0]);
            }
        }
        const double cpu = ThreadCpuSeconds() - cpuBegin;
        const double wall = std::chrono::duration<double>(Clock::now() - begin).count();
        const long kb = ResidentKb();
        std::printf(
            "RESULT bench=%s set=%s n=%zu found=%zu ns=%.1f cpu_ns=%.1f mlps=%.3f "
            "rss_kb=%ld eng_kb=%ld chk=%llx\n",
            name, set, n, found, wall * 1e9 / static_cast<double>(n),
            cpu * 1e9 / static_cast<double>(n), static_cast<double>(n) / wall / 1e6, kb,
            kb - baseKb, check);
    };
    auto memory = [&](std::uint32_t a, region_result* r) {
        return ip2region_memory_search(&handle, a, r);
    };
    // Warm-up as the other lookup benchmarks do: the lazy load and 200,000 untimed lookups.
    for (std::size_t i = 0; i < std::min<std::size_t>(addresses.size(), 200'000); ++i) {
        memory(addresses[i], &result);
    }
    report("quorvane_memory", addresses.size(), memory);
    ReportInterface(dbPath, addresses, set);
    const std::size_t disk = std::min<std::size_t>(addresses.size(), 200'000);
    report("quorvane_btree", disk, [&](std::uint32_t a, region_result* r) {
        return ip2region_btree_search(&handle, a, r);
    });
    report("quorvane_binary", disk, [&](std::uint32_t a, region_result* r) {
        return ip2region_binary_search(&handle, a, r);
    });
    ip2region_destroy(&handle);
    return 0;
}

std::vector<std::uint32_t> RandomAddresses(std::size_t count) {
    std::mt19937 rng(kAddressSeed);
    std::vector<std::uint32_t> addresses(count);
    for (auto& address : addresses) {
        address = static_cast<std::uint32_t>(rng());
    }
    return addresses;
}

// One handle per strategy, so that no strategy's state helps another.
struct Handles {
    region_handle memory{};
    region_handle binary{};
    region_handle btree{};
};

// Opens the three handles on path and makes their lazy loads happen outside the measurements.
bool OpenAndWarm(const std::string& path, std::uint32_t address, Handles& h) {
    if (ip2region_create(&h.memory, path.c_str()) != 1 ||
        ip2region_create(&h.binary, path.c_str()) != 1 ||
        ip2region_create(&h.btree, path.c_str()) != 1) {
        std::fprintf(stderr, "region_bench: cannot open %s\n", path.c_str());
        return false;
    }
    region_result warm{};
    ip2region_memory_search(&h.memory, address, &warm);
    ip2region_binary_search(&h.binary, address, &warm);
    ip2region_btree_search(&h.btree, address, &warm);
    return true;
}

// The two in-memory searches alternated so that both see the same machine state; the best round
// of each.
void MeasureInMemory(const std::vector<std::uint32_t>& addresses, std::size_t lookups,
                     const Reference& reference, region_handle& memory, Measurement& bestReference,
                     Measurement& bestMemory) {
    auto byReference = [&](std::uint32_t a, region_result* r) { return reference.Find(a, r); };
    auto byMemory = [&](std::uint32_t a, region_result* r) {
        return ip2region_memory_search(&memory, a, r);
    };
    for (int round = 0; round < 3; ++round) {
        const Measurement r = Measure(addresses, lookups, byReference);
        const Measurement m = Measure(addresses, lookups, byMemory);
        if (round == 0 || r.nsPerLookup < bestReference.nsPerLookup) {
            bestReference = r;
        }
        if (round == 0 || m.nsPerLookup < bestMemory.nsPerLookup) {
            bestMemory = m;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "--db") == 0) {
        return RunAnchorForm(argv[2], argv[3], argv[4]);
    }
    const std::size_t lookups = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 2'000'000;
    const std::size_t diskLookups =
        std::min<std::size_t>(lookups, argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 2'000'000);
    if (lookups == 0) {
        std::fprintf(stderr, "usage: %s [LOOKUPS [DISK_LOOKUPS]]\n", argv[0]);
        return 2;
    }

    const auto ranges = quorvane::dbwriter::MakeSyntheticRanges(kRangeCount, kRangeSeed);
    quorvane::test::TempDatabase database(ranges);
    if (!database.Ok()) {
        std::fprintf(stderr, "region_bench: %s\n", database.Error().c_str());
        return 1;
    }
    const Reference reference = MakeReference(ranges);
    const std::vector<std::uint32_t> addresses = RandomAddresses(lookups);
    Handles h;
    if (!OpenAndWarm(database.Path(), addresses[0], h)) {
        return 1;
    }
    Measurement bestReference;
    Measurement bestMemory;
    MeasureInMemory(addresses, lookups, reference, h.memory, bestReference, bestMemory);
    const Measurement byBinary =
        Measure(addresses, diskLookups, [&](std::uint32_t a, region_result* r) {
            return ip2region_binary_search(&h.binary, a, r);
        });
    const Measurement byBtree = Measure(
        addresses, diskLookups,
        [&](std::uint32_t a, region_result* r) { return ip2region_btree_search(&h.btree, a, r); });

    std::printf("database: %zu ranges, %d header entries; addresses: uniform random, seed %u\n",
                ranges.size(), h.btree.header_count, kAddressSeed);
    const double ref = bestReference.nsPerLookup;
    Print("plain sorted array", lookups, bestReference, ref);
    Print("memory search", lookups, bestMemory, ref);
    Print("binary search (disk)", diskLookups, byBinary, ref);
    Print("two-level (disk)", diskLookups, byBtree, ref);
    std::printf("memory search / plain sorted array: %.3f\n", bestMemory.nsPerLookup / ref);

    const bool agree = bestMemory.found == bestReference.found;
    ip2region_destroy(&h.memory);
    ip2region_destroy(&h.binary);
    ip2region_destroy(&h.btree);
    if (!agree) {
        std::fprintf(stderr, "region_bench: the memory search and the reference disagree\n");
        return 1;
    }
    return 0;
}
