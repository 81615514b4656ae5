#include "batch/database_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "files/conversions.h"

namespace quorvane {

namespace {

constexpr std::uint64_t kFixedBlocksEnd = 8 + 8192;  // bounds, then the header index
constexpr std::uint64_t kIndexEntrySize = 12;
constexpr std::uint64_t kMaxIndexEntries = 1023 * 681 + 1;
constexpr std::uint32_t kMinRecordLength = 4;

std::uint32_t LoadU32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool ReadAt(int fd, std::uint64_t offset, unsigned char* buffer, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, buffer + got, size - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    return true;
}

// The data record that the index entry at offset points at lies inside the file (or the entry
// has none).
bool RecordInFile(int fd, std::uint64_t entry, std::uint64_t fileSize) {
    unsigned char bytes[kIndexEntrySize];
    if (!ReadAt(fd, entry, bytes, sizeof bytes)) {
        return false;
    }
    const std::uint32_t pointer = LoadU32(bytes + 8);
    const std::uint32_t offset = pointer & 0xFFFFFF;
    const std::uint32_t length = pointer >> 24;
    return pointer == 0 || (length >= kMinRecordLength && offset + length <= fileSize);
}

DatabaseStatus CheckOpenFile(int fd) {
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        return DatabaseStatus::kUnusable;
    }
    if (!S_ISREG(st.st_mode)) {
        return DatabaseStatus::kMissing;
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (size < kFixedBlocksEnd || size > kMaxDatabaseBytes) {
        return DatabaseStatus::kUnusable;
    }
    unsigned char bounds[8];
    if (!ReadAt(fd, 0, bounds, sizeof bounds)) {
        return DatabaseStatus::kUnusable;
    }
    const std::uint64_t first = LoadU32(bounds);
    const std::uint64_t last = LoadU32(bounds + 4);
    if (last < first || (last - first) % kIndexEntrySize != 0 || first < kFixedBlocksEnd ||
        last + kIndexEntrySize > size || (last - first) / kIndexEntrySize >= kMaxIndexEntries) {
        return DatabaseStatus::kUnusable;
    }
    if (!RecordInFile(fd, first, size) || !RecordInFile(fd, last, size)) {
        return DatabaseStatus::kUnusable;
    }
    return DatabaseStatus::kUsable;
}

}  // namespace

DatabaseStatus CheckDatabaseFile(std::u16string_view path) {
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos) {
        return DatabaseStatus::kMissing;
    }
    const std::string native = WideToUtf8(path);
    int fd;
    // Without O_NONBLOCK a named pipe would hold the open until someone writes to it.
    do {
        fd = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return errno == EACCES || errno == EPERM || errno == EIO ? DatabaseStatus::kUnusable
                                                                 : DatabaseStatus::kMissing;
    }
    const DatabaseStatus status = CheckOpenFile(fd);
    ::close(fd);
    return status;
}

}  // namespace quorvane
