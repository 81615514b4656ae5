// Feeds arbitrary database bytes and addresses to every search strategy and to the database
// interface. Beyond the sanitizers' checks it asserts that sharing one handle between strategies,
// in the order the input picks, gives the same answers as a fresh handle per strategy, that on a
// file that keeps every layout rule the three strategies agree, and that the interface opens only
// such a file, where its many-at-once search answers as its single search and as the memory
// search do.
#include <quorvane/region.h>
#include <quorvane/region_db.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_input.h"
#include "region/region_format.h"

namespace {

using quorvane::format::DataPointerLength;
using quorvane::format::DataPointerOffset;
using quorvane::format::kFixedBlocksEnd;
using quorvane::format::kHeaderBlockSize;
using quorvane::format::kHeaderEntrySize;
using quorvane::format::kHeaderOffset;
using quorvane::format::kIndexEntrySize;
using quorvane::format::kMaxHeaderEntries;
using quorvane::format::kMinRecordLength;
using quorvane::format::ReadU32;
using quorvane::fuzz::kAddressCount;
using quorvane::fuzz::kPrefixSize;

using SearchFn = int (*)(region_handle*, std::uint32_t, region_result*);
constexpr std::array<SearchFn, 3> kStrategies = {ip2region_memory_search, ip2region_binary_search,
                                                 ip2region_btree_search};

struct Outcome {
    int code = 0;
    region_result result{};
    bool operator==(const Outcome& other) const {
        return code == other.code &&
               (code == 0 || (result.record_number == other.result.record_number &&
                              std::strcmp(result.region_text, other.result.region_text) == 0));
    }
};

// Searches with a result record full of a marker, and checks what came back.
Outcome Search(SearchFn search, region_handle* handle, std::uint32_t address) {
    Outcome outcome;
    std::memset(&outcome.result, 0xA5, sizeof outcome.result);
    const region_result untouched = outcome.result;
    outcome.code = search(handle, address, &outcome.result);
    if (outcome.code == 0) {
        if (std::memcmp(&outcome.result, &untouched, sizeof untouched) != 0) {
            std::abort();  // a failed search wrote its result
        }
    } else if (outcome.code != 1 || std::memchr(outcome.result.region_text, 0, 252) == nullptr) {
        std::abort();  // another code, or a text longer than a record can hold
    }
    return outcome;
}

// Whether the file keeps every rule of the layout, so that all strategies must agree.
bool WellFormed(const std::uint8_t* db, std::size_t size) {
    if (size < kFixedBlocksEnd) {
        return false;
    }
    const std::uint32_t first = ReadU32(db);
    const std::uint32_t last = ReadU32(db + 4);
    if (first > last || (last - first) % kIndexEntrySize != 0 ||
        std::uint64_t{last} + kIndexEntrySize > size) {
        return false;
    }
    for (std::uint32_t at = first; at <= last; at += kIndexEntrySize) {
        const std::uint32_t start = ReadU32(db + at);
        const std::uint32_t end = ReadU32(db + at + 4);
        const std::uint32_t pointer = ReadU32(db + at + 8);
        if (start > end || (at > first && start <= ReadU32(db + at - kIndexEntrySize + 4))) {
            return false;
        }
        const std::uint32_t length = DataPointerLength(pointer);
        if (pointer != 0 && (length < kMinRecordLength ||
                             DataPointerOffset(pointer) + std::uint64_t{length} > size)) {
            return false;
        }
    }
    std::size_t count = 0;
    while (count < kMaxHeaderEntries &&
           ReadU32(db + kHeaderOffset + kHeaderEntrySize * count + 4) != 0) {
        const std::uint32_t offset = ReadU32(db + kHeaderOffset + kHeaderEntrySize * count + 4);
        if (offset < first || offset > last || (offset - first) % kIndexEntrySize != 0 ||
            ReadU32(db + kHeaderOffset + kHeaderEntrySize * count) != ReadU32(db + offset)) {
            return false;
        }
        if (count > 0) {
            const std::uint32_t previous =
                ReadU32(db + kHeaderOffset + kHeaderEntrySize * (count - 1) + 4);
            if (offset < previous || offset - previous + kIndexEntrySize > kHeaderBlockSize) {
                return false;
            }
        }
        ++count;
    }
    return count >= 2 && ReadU32(db + kHeaderOffset + 4) == first &&
           ReadU32(db + kHeaderOffset + kHeaderEntrySize * (count - 1) + 4) == last;
}

// One in-memory file for the whole run, reached by path like a database on disk.
const std::string& DatabasePath(int* fd) {
    static int descriptor = memfd_create("region-fuzz", 0);
    static const std::string kPath = "/proc/self/fd/" + std::to_string(descriptor);
    if (descriptor < 0) {
        std::abort();
    }
    *fd = descriptor;
    return kPath;
}

// The interface opens only a well-formed file; there each address gets from the many-at-once
// search the record its single search finds, with the memory search's text.
void CheckInterface(const std::uint8_t* db, std::size_t size,
                    const std::array<std::uint32_t, kAddressCount>& addresses, bool wellFormed,
                    const std::array<Outcome, kAddressCount>& memory) {
    quorvane_db* opened = nullptr;
    const int status = quorvane_db_open_bytes(db, size, &opened);
    if (status != QUORVANE_DB_OK) {
        if (opened != nullptr || quorvane_db_strerror(status) == nullptr) {
            std::abort();
        }
        return;
    }
    if (!wellFormed || quorvane_db_get_family(opened) != QUORVANE_DB_IPV4) {
        std::abort();  // a file that breaks the layout was opened
    }
    std::array<quorvane_db_record, kAddressCount> together{};
    quorvane_db_find4_many(opened, addresses.data(), together.data(), kAddressCount);
    for (std::size_t i = 0; i < kAddressCount; ++i) {
        const quorvane_db_record alone = quorvane_db_find4(opened, addresses[i]);
        if (together[i] != alone || (alone != 0) != (memory[i].code == 1)) {
            std::abort();  // searching side by side, or the interface, changed an answer
        }
        std::size_t length = 0;
        const char* text = quorvane_db_text(opened, alone, &length);
        if (alone != 0 &&
            (std::string(text, length) != memory[i].result.region_text ||
             quorvane_db_record_number(opened, alone) != memory[i].result.record_number)) {
            std::abort();  // another text than the memory search's
        }
    }
    quorvane_db_close(opened);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kPrefixSize) {
        return 0;
    }
    const unsigned order = data[0];
    std::array<std::uint32_t, kAddressCount> addresses{};
    for (std::size_t i = 0; i < kAddressCount; ++i) {
        addresses[i] = ReadU32(data + 1 + 4 * i);
    }
    const std::uint8_t* db = data + kPrefixSize;
    const std::size_t dbSize = size - kPrefixSize;

    int fd = -1;
    const std::string& path = DatabasePath(&fd);
    if (ftruncate(fd, 0) != 0 ||
        (dbSize > 0 && pwrite(fd, db, dbSize, 0) != static_cast<ssize_t>(dbSize))) {
        std::abort();
    }

    // The strategies' order on the shared handle: one of the six permutations, and whether the
    // order rotates from one address to the next.
    std::array<int, 3> sequence = {0, 1, 2};
    for (unsigned i = 0; i < order % 6; ++i) {
        std::next_permutation(sequence.begin(), sequence.end());
    }
    const bool rotate = (order & 0x80) != 0;

    std::array<region_handle, 3> fresh{};
    region_handle shared{};
    int opened = ip2region_create(&shared, path.c_str());
    for (auto& handle : fresh) {
        opened &= ip2region_create(&handle, path.c_str());
    }
    if (opened != 1) {
        std::abort();
    }
    const bool wellFormed = WellFormed(db, dbSize);
    std::array<Outcome, kAddressCount> memory;
    for (std::size_t i = 0; i < kAddressCount; ++i) {
        std::array<Outcome, 3> alone;
        for (int s = 0; s < 3; ++s) {
            alone[s] = Search(kStrategies[s], &fresh[s], addresses[i]);
        }
        memory[i] = alone[0];
        for (int s : sequence) {
            if (!(Search(kStrategies[s], &shared, addresses[i]) == alone[s])) {
                std::abort();  // sharing a handle changed an answer
            }
        }
        if (wellFormed && !(alone[0] == alone[1] && alone[0] == alone[2])) {
            std::abort();  // the strategies disagree on a well-formed file
        }
        if (rotate) {
            std::rotate(sequence.begin(), sequence.begin() + 1, sequence.end());
        }
    }
    CheckInterface(db, dbSize, addresses, wellFormed, memory);
    ip2region_destroy(&shared);
    ip2region_destroy(&shared);
    for (auto& handle : fresh) {
        ip2region_destroy(&handle);
    }
    return 0;
}
