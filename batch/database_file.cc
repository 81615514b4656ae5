#include "batch/database_file.h"

#include <string>

#include "batch/database_path.h"
#include "files/native_file.h"

namespace quorvane {

namespace {

constexpr std::uint64_t kFixedBlocksEnd = 8 + 8192;  // bounds, then the header index
constexpr std::uint64_t kIndexEntrySize = 12;
constexpr std::uint64_t kMaxIndexEntries = 1023 * 681 + 1;
constexpr std::uint32_t kMinRecordLength = 4;

std::uint32_t LoadU32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool ReadAt(CNativeFile& file, std::uint64_t offset, unsigned char* buffer, std::size_t size) {
    return file.ReadAt(offset, buffer, size) == size;
}

// The data record that the index entry at offset points at lies inside the file (or the entry
// has none).
bool RecordInFile(CNativeFile& file, std::uint64_t entry, std::uint64_t fileSize) {
    unsigned char bytes[kIndexEntrySize];
    if (!ReadAt(file, entry, bytes, sizeof bytes)) {
        return false;
    }
    const std::uint32_t pointer = LoadU32(bytes + 8);
    const std::uint32_t offset = pointer & 0xFFFFFF;
    const std::uint32_t length = pointer >> 24;
    return pointer == 0 || (length >= kMinRecordLength && offset + length <= fileSize);
}

DatabaseStatus CheckOpenFile(CNativeFile& file) {
    const std::optional<std::uint64_t> regularSize = file.RegularSize();
    if (!regularSize) {
        return DatabaseStatus::kMissing;  // a pipe or a terminal
    }
    const std::uint64_t size = *regularSize;
    if (size < kFixedBlocksEnd || size > kMaxDatabaseBytes) {
        return DatabaseStatus::kUnusable;
    }
    unsigned char bounds[8];
    if (!ReadAt(file, 0, bounds, sizeof bounds)) {
        return DatabaseStatus::kUnusable;
    }
    const std::uint64_t first = LoadU32(bounds);
    const std::uint64_t last = LoadU32(bounds + 4);
    if (last < first || (last - first) % kIndexEntrySize != 0 || first < kFixedBlocksEnd ||
        last + kIndexEntrySize > size || (last - first) / kIndexEntrySize >= kMaxIndexEntries) {
        return DatabaseStatus::kUnusable;
    }
    if (!RecordInFile(file, first, size) || !RecordInFile(file, last, size)) {
        return DatabaseStatus::kUnusable;
    }
    return DatabaseStatus::kUsable;
}

}  // namespace

DatabaseStatus CheckDatabaseFile(std::u16string_view path) {
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos) {
        return DatabaseStatus::kMissing;
    }
    // The file layer opens without waiting on a named pipe and refuses folders and devices.
    CNativeFile file;
    if (!file.Open(path, CNativeFile::Access::kReadShared)) {
        // Something that exists but cannot be read is no missing database.
        return DatabaseFileExists(path) ? DatabaseStatus::kUnusable : DatabaseStatus::kMissing;
    }
    return CheckOpenFile(file);
}

}  // namespace quorvane
