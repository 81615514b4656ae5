// Checks an ip2region.db image against every rule of its layout, so that a file that would make
// one of the three search strategies skip ranges, read past a buffer or return garbage is caught
// before it ships. It never trusts the file: any byte sequence can be checked safely.
#ifndef QUORVANE_TOOLS_DBCHECK_DB_CHECK_H_
#define QUORVANE_TOOLS_DBCHECK_DB_CHECK_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvane::dbcheck {

// What the file holds. Figures that depend on a broken block are left at 0.
struct Statistics {
    std::uint64_t fileSize = 0;
    std::uint32_t headerEntries = 0;
    std::uint64_t ranges = 0;             // index entries
    std::uint64_t rangesWithoutData = 0;  // data pointer 0: never found
    std::uint64_t dataRecords = 0;        // distinct data pointers
    std::uint64_t distinctTexts = 0;
    std::uint64_t dataBytes = 0;         // sum of the lengths of the distinct data records
    std::uint64_t coveredAddresses = 0;  // addresses in a range that has data
    std::uint64_t gaps = 0;              // runs of addresses that no range covers
    std::uint64_t gapAddresses = 0;
};

struct CheckResult {
    // Violations of the layout: a search on this file could go wrong. Many faults of one kind are
    // listed up to a limit and then counted in one closing line.
    std::vector<std::string> errors;
    // Legal but suspect: texts that are not five '|' fields, ranges without data, NUL bytes.
    std::vector<std::string> warnings;
    Statistics stats;

    bool Valid() const { return errors.empty(); }
};

// Checks the image of a whole file.
CheckResult CheckImage(const std::vector<std::uint8_t>& image);

// Reads the file at path and checks it. False with error set when the file cannot be read.
bool CheckFile(const std::string& path, CheckResult& result, std::string& error);

// The statistics as aligned "name  value" lines, each ended by a newline.
std::string FormatStatistics(const Statistics& stats);

}  // namespace quorvane::dbcheck

#endif  // QUORVANE_TOOLS_DBCHECK_DB_CHECK_H_
