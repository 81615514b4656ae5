// The cheap test a database must pass before a run opens it: every worker loads the whole file,
// so a directory, a pipe, a huge file or one that is no database at all must be refused first,
// with a message, rather than give a run of empty rows or exhaust memory.
#ifndef QUORVANE_BATCH_DATABASE_FILE_H_
#define QUORVANE_BATCH_DATABASE_FILE_H_

#include <cstdint>
#include <string_view>

namespace quorvane {

enum class DatabaseStatus {
    kUsable,
    kMissing,   // nothing there, or something that is not a regular file (a directory, a pipe)
    kUnusable,  // a regular file that cannot be read, or is too short, too large, or laid out
                // against the format's rules
};

// Larger than any file the format can address (data offsets below 16 MiB, at most 696,664
// index entries of 12 bytes, the 8,200 bytes of bounds and header).
inline constexpr std::uint64_t kMaxDatabaseBytes = std::uint64_t{32} << 20;

// Opens path (UTF-16, as the system names files) without blocking and reads at most 32 bytes:
// the bounds must be in order, a whole number of 12-byte entries apart, lie after the header
// index and inside the file, the index may hold no more entries than a header can reach, and
// the data records of the first and the last entry must lie inside the file.
DatabaseStatus CheckDatabaseFile(std::u16string_view path);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_DATABASE_FILE_H_
