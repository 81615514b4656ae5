// Per-lookup cost of the region6.db search against libmaxminddb on the IPv6 city source, side by
// side in one run, on the same addresses: drawn (fixed seed) inside the ranges of region6.db that
// hold data, so every lookup lands in allocated space.
//
// Usage: region6_bench REGION6_DB MMDB [LOOKUPS [ONLY]]    LOOKUPS defaults to 2,000,000
// ONLY (mmdb, single, many, file_single, file_many) times one pass of that kind alone, for
// callgrind --toggle-collect='*Time*' to count its instructions, which unlike the times do not
// depend on the machine's load.
//
// Timed, each over all addresses after a warm-up, five rounds interleaved, median printed:
//   region6_single   Region6FindRecord + copy of the region text (the five fields) to a buffer, on
//                    the compact copy in large pages, the form the engine searches
//   region6_many     Region6FindRecords 256 at a time (as a batch run resolves a block), then the
//                    copies, their texts fetched side by side as well; the same copy
//   file_single/many the same on the file's own image (what the writer's check searches)
//   mmdb_4f          MMDB_lookup_sockaddr + four string fields (country_code, state1, state2, city)
//                    joined into a buffer: the closest analogue of copying one region text
// Both files are read whole into memory first (libmaxminddb maps its file; every page is touched
// before timing), so neither side pays for the disk.
#include <arpa/inet.h>
#include <maxminddb.h>
#include <netinet/in.h>
#include <sys/mman.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "region6_format.h"
#include "region6_search.h"

namespace {

using Clock = std::chrono::steady_clock;

// Keeps the compiler from dropping a computation whose result is otherwise unused.
void Escape(const void* p) {
    asm volatile("" : : "g"(p) : "memory");
}

std::vector<Region6Address> DrawAddresses(const Region6Image& db, std::size_t count) {
    std::mt19937_64 random(20260605);
    std::vector<Region6Address> addresses;
    addresses.reserve(count);
    using namespace quorvane::format6;
    while (addresses.size() < count) {
        const auto range = static_cast<std::uint32_t>(random() % db.range_count);
        if (Region6ReadU32(db.range_records + std::size_t{range} * 4) == REGION6_NO_RECORD ||
            range + 1 >= db.range_count) {
            continue;
        }
        const unsigned __int128 start =
            (static_cast<unsigned __int128>(Region6ReadU64(db.high + std::size_t{range} * 8))
             << 64) |
            Region6ReadU64(db.low + std::size_t{range} * 8);
        const std::size_t next = std::size_t{range} + 1;
        const unsigned __int128 end =
            ((static_cast<unsigned __int128>(Region6ReadU64(db.high + next * 8)) << 64) |
             Region6ReadU64(db.low + next * 8)) -
            1;
        const unsigned __int128 draw = (static_cast<unsigned __int128>(random()) << 64) | random();
        const unsigned __int128 address = start + draw % (end - start + 1);
        addresses.push_back(
            {static_cast<std::uint64_t>(address >> 64), static_cast<std::uint64_t>(address)});
    }
    return addresses;
}

std::size_t CopyText(const Region6Image& db, std::uint32_t record, char* buffer) {
    if (record == REGION6_NO_RECORD) {
        buffer[0] = '\0';
        return 0;
    }
    std::size_t length = 0;
    const unsigned char* text = Region6RecordText(&db, record, &length);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return length;
}

double TimeSingle(const Region6Image& db, const std::vector<Region6Address>& addresses) {
    char buffer[256];
    std::size_t sum = 0;
    const auto start = Clock::now();
    for (const Region6Address& address : addresses) {
        sum += CopyText(db, Region6FindRecord(&db, address), buffer);
        Escape(buffer);
    }
    const std::chrono::duration<double, std::nano> took = Clock::now() - start;
    Escape(&sum);
    return took.count() / static_cast<double>(addresses.size());
}

double TimeMany(const Region6Image& db, const std::vector<Region6Address>& addresses) {
    constexpr std::size_t kBlock = 256;
    std::array<std::uint32_t, kBlock> records{};
    char buffer[256];
    std::size_t sum = 0;
    const auto start = Clock::now();
    for (std::size_t at = 0; at < addresses.size(); at += kBlock) {
        const std::size_t n = std::min(kBlock, addresses.size() - at);
        Region6FindRecords(&db, addresses.data() + at, records.data(), n);
        // The texts of the block are fetched side by side too, as the searches were.
        for (std::size_t i = 0; i < n; ++i) {
            if (records[i] != REGION6_NO_RECORD) {
                __builtin_prefetch(db.text_index + std::size_t{records[i]} * 4);
            }
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (records[i] != REGION6_NO_RECORD) {
                std::size_t length = 0;
                __builtin_prefetch(Region6RecordText(&db, records[i], &length));
            }
        }
        for (std::size_t i = 0; i < n; ++i) {
            sum += CopyText(db, records[i], buffer);
            Escape(buffer);
        }
    }
    const std::chrono::duration<double, std::nano> took = Clock::now() - start;
    Escape(&sum);
    return took.count() / static_cast<double>(addresses.size());
}

std::size_t CopyField(MMDB_entry_s* entry, const char* key, char* buffer, std::size_t pos) {
    MMDB_entry_data_s data;
    if (MMDB_get_value(entry, &data, key, nullptr) == MMDB_SUCCESS && data.has_data &&
        data.type == MMDB_DATA_TYPE_UTF8_STRING) {
        const std::size_t n = std::min<std::size_t>(data.data_size, 255 - pos);
        std::memcpy(buffer + pos, data.utf8_string, n);
        pos += n;
    }
    buffer[pos] = '\0';
    return pos;
}

double TimeMmdb(MMDB_s* mmdb, const std::vector<sockaddr_in6>& addresses, std::size_t& found) {
    static const char* const kFields[] = {"country_code", "state1", "state2", "city"};
    char buffer[256];
    std::size_t sum = 0;
    found = 0;
    const auto start = Clock::now();
    for (const sockaddr_in6& address : addresses) {
        int error = MMDB_SUCCESS;
        MMDB_lookup_result_s result =
            MMDB_lookup_sockaddr(mmdb, reinterpret_cast<const sockaddr*>(&address), &error);
        if (error != MMDB_SUCCESS || !result.found_entry) {
            continue;
        }
        ++found;
        std::size_t length = 0;
        for (int k = 0; k < 4; ++k) {
            if (k > 0) {
                buffer[length++] = '|';
            }
            length = CopyField(&result.entry, kFields[k], buffer, length);
        }
        sum += length;
        Escape(buffer);
    }
    const std::chrono::duration<double, std::nano> took = Clock::now() - start;
    Escape(&sum);
    return took.count() / static_cast<double>(addresses.size());
}

// The bytes of a mapped file, read once so that no lookup waits for the disk.
void TouchPages(const std::uint8_t* bytes, std::size_t size) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < size; i += 4096) {
        sum += bytes[i];
    }
    Escape(&sum);
}

// A block the kernel is asked to back with 2 MiB pages, as the engine asks for its database:
// a search's random reads across tens of MiB then miss the address-translation cache far less
// often. Null when the system refuses the mapping.
unsigned char* HugePageBlock(std::size_t bytes, std::size_t& mapped) {
    constexpr std::size_t kHuge = std::size_t{2} << 20;
    mapped = (bytes + kHuge - 1) / kHuge * kHuge;
    void* memory =
        mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        return nullptr;
    }
    madvise(memory, mapped, MADV_HUGEPAGE);
    return static_cast<unsigned char*>(memory);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr, "usage: %s REGION6_DB MMDB [LOOKUPS [ONLY]]\n", argv[0]);
        return 2;
    }
    const std::size_t lookups = argc >= 4 ? std::stoul(argv[3]) : 2000000;
    const std::string only = argc == 5 ? argv[4] : "";
    std::ifstream file(argv[1], std::ios::binary);
    const std::vector<unsigned char> image((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    Region6Image db;
    const char* reason = nullptr;
    if (Region6Open(image.data(), image.size(), &db, &reason) == 0) {
        std::fprintf(stderr, "%s: %s\n", argv[1], reason);
        return 1;
    }
    MMDB_s mmdb;
    if (MMDB_open(argv[2], MMDB_MODE_MMAP, &mmdb) != MMDB_SUCCESS) {
        std::fprintf(stderr, "%s: cannot open\n", argv[2]);
        return 1;
    }
    TouchPages(mmdb.file_content, static_cast<std::size_t>(mmdb.file_size));

    const std::vector<Region6Address> addresses = DrawAddresses(db, lookups);
    std::vector<sockaddr_in6> sockets(addresses.size());
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        sockets[i] = {};
        sockets[i].sin6_family = AF_INET6;
        for (int b = 0; b < 8; ++b) {
            sockets[i].sin6_addr.s6_addr[b] =
                static_cast<std::uint8_t>(addresses[i].high >> (56 - 8 * b));
            sockets[i].sin6_addr.s6_addr[8 + b] =
                static_cast<std::uint8_t>(addresses[i].low >> (56 - 8 * b));
        }
    }
    std::size_t found = 0;
    const std::vector<Region6Address> warm(
        addresses.begin(), addresses.begin() + std::min<std::size_t>(200000, lookups));
    const std::vector<sockaddr_in6> warmSockets(sockets.begin(), sockets.begin() + warm.size());
    // No warm-up for a count of one kind alone: it would be counted too.
    if (only.empty()) {
        TimeSingle(db, warm);
        TimeMmdb(&mmdb, warmSockets, found);
    }

    // The form the engine searches: the compact copy, in a block of large pages.
    std::size_t mapped = 0;
    unsigned char* huge = HugePageBlock(Region6CompactSize(&db), mapped);
    if (huge == nullptr) {
        return 1;
    }
    Region6Image compact;
    Region6Compact(&db, huge, &compact);
    if (only.empty()) {
        TimeSingle(compact, warm);
    }
    // Timing a wrong answer would be worthless: both forms must agree on every address.
    std::vector<std::uint32_t> fromFile(addresses.size()), fromCompact(addresses.size());
    Region6FindRecords(&db, addresses.data(), fromFile.data(), addresses.size());
    Region6FindRecords(&compact, addresses.data(), fromCompact.data(), addresses.size());
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        if (fromFile[i] != fromCompact[i] ||
            Region6FindRecord(&compact, addresses[i]) != fromFile[i]) {
            std::fprintf(stderr, "the compact copy answers address %zu differently\n", i);
            return 1;
        }
    }

    if (!only.empty()) {
        // One pass of one kind alone, for an instruction count under callgrind.
        const double ns = only == "mmdb"          ? TimeMmdb(&mmdb, sockets, found)
                          : only == "single"      ? TimeSingle(compact, addresses)
                          : only == "many"        ? TimeMany(compact, addresses)
                          : only == "file_single" ? TimeSingle(db, addresses)
                                                  : TimeMany(db, addresses);
        std::printf("%s: %.1f ns/lookup\n", only.c_str(), ns);
        munmap(huge, mapped);
        MMDB_close(&mmdb);
        return 0;
    }
    std::vector<double> single, many, fileSingle, fileMany, reference;
    for (int round = 0; round < 5; ++round) {
        single.push_back(TimeSingle(compact, addresses));
        many.push_back(TimeMany(compact, addresses));
        fileSingle.push_back(TimeSingle(db, addresses));
        fileMany.push_back(TimeMany(db, addresses));
        reference.push_back(TimeMmdb(&mmdb, sockets, found));
    }
    std::printf(
        "region6.db: %u ranges, %u texts; %zu addresses inside ranges with data; "
        "libmaxminddb found %zu; compact form %zu bytes\n",
        db.range_count, db.record_count, addresses.size(), found, compact.size);
    std::printf("%-18s %10s %8s\n", "lookup (median/5)", "ns/lookup", "ratio");
    const double m = Median(reference);
    const auto row = [m](const char* name, const std::vector<double>& values) {
        std::printf("%-18s %10.1f %8.3f\n", name, Median(values), Median(values) / m);
    };
    row("mmdb_4f", reference);
    row("region6_single", single);
    row("region6_many", many);
    row("file_single", fileSingle);
    row("file_many", fileMany);
    munmap(huge, mapped);
    MMDB_close(&mmdb);
    return 0;
}
