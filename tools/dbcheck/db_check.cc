#include "tools/dbcheck/db_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "files/conversions.h"
#include "tools/dbwriter/db_writer.h"

namespace quorvane::dbcheck {
namespace {

using format::kFixedBlocksEnd;
using format::kHeaderBlockSize;
using format::kHeaderEntrySize;
using format::kHeaderOffset;
using format::kIndexEntrySize;
using format::kMaxHeaderEntries;
using format::kMaxHeaderSpacing;
using format::kMinRecordLength;

// A broken file can hold the same fault a million times; list a few of each kind and count the
// rest.
constexpr std::size_t kListedPerKind = 10;
constexpr std::uint64_t kAddressSpace = std::uint64_t{1} << 32;
// Offsets are 32 bits wide; anything larger is not read into memory.
constexpr std::uint64_t kMaxCheckedSize = std::uint64_t{1} << 32;

std::string Dotted(std::uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

std::string WithSeparators(std::uint64_t value) {
    std::string digits = std::to_string(value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

class Findings {
  public:
    explicit Findings(std::vector<std::string>& out) : m_out(out) {}

    void Add(const std::string& kind, std::string message) {
        std::size_t& seen = m_counts[kind];
        if (seen++ < kListedPerKind) {
            m_out.push_back(std::move(message));
        }
    }

    // Appends the count of what was seen but not listed.
    void Close() {
        for (const auto& [kind, seen] : m_counts) {
            if (seen > kListedPerKind) {
                m_out.push_back("... and " + WithSeparators(seen - kListedPerKind) +
                                " more: " + kind);
            }
        }
    }

  private:
    std::vector<std::string>& m_out;
    std::map<std::string, std::size_t> m_counts;
};

class Checker {
  public:
    explicit Checker(const std::vector<std::uint8_t>& image, CheckResult& result)
        : m_image(image), m_result(result), m_errors(result.errors), m_warnings(result.warnings) {}

    void Run() {
        m_result.stats.fileSize = m_image.size();
        if (m_image.size() < kHeaderOffset) {
            m_errors.Add("short file", "the file is " + std::to_string(m_image.size()) +
                                           " bytes long: too short for the 8-byte bounds block");
            Close();
            return;
        }
        if (m_image.size() < kFixedBlocksEnd) {
            m_errors.Add("short file",
                         "the file is " + WithSeparators(m_image.size()) +
                             " bytes long and ends inside the header index (offsets 8 to 8,199)");
        }
        bool indexReadable = CheckBounds();
        CheckHeader(indexReadable);
        if (indexReadable) {
            CheckIndex();
        }
        Close();
    }

  private:
    std::optional<std::uint32_t> U32(std::uint64_t at) const {
        if (at + 4 > m_image.size()) {
            return std::nullopt;
        }
        return format::ReadU32(m_image.data() + at);
    }

    void Close() {
        m_errors.Close();
        m_warnings.Close();
    }

    // True when the index bounds describe whole entries inside the file.
    bool CheckBounds() {
        m_first = *U32(0);
        m_last = *U32(4);
        bool readable = true;
        if (m_last < m_first) {
            m_errors.Add("bounds", "the last index offset " + WithSeparators(m_last) +
                                       " is below the first index offset " +
                                       WithSeparators(m_first));
            return false;
        }
        if ((m_last - m_first) % kIndexEntrySize != 0) {
            m_errors.Add("bounds", "the index bounds " + WithSeparators(m_first) + " and " +
                                       WithSeparators(m_last) +
                                       " are not a whole number of 12-byte entries apart");
        }
        if (std::uint64_t{m_last} + kIndexEntrySize > m_image.size()) {
            m_errors.Add("bounds", "the last index entry at " + WithSeparators(m_last) +
                                       " runs past the end of the file (" +
                                       WithSeparators(m_image.size()) + " bytes)");
            readable = false;
        }
        if (m_first < kFixedBlocksEnd) {
            m_errors.Add("bounds", "the index starts at " + WithSeparators(m_first) +
                                       ", inside the bounds block or the header index");
        }
        m_count = (m_last - m_first) / kIndexEntrySize + 1;
        m_result.stats.ranges = m_count;
        return readable;
    }

    // The index entry number an offset points at, if it points at one.
    std::optional<std::uint32_t> EntryAt(std::uint32_t offset) const {
        if (offset < m_first || offset > m_last || (offset - m_first) % kIndexEntrySize != 0) {
            return std::nullopt;
        }
        return (offset - m_first) / kIndexEntrySize;
    }

    void CheckHeader(bool indexReadable) {
        struct Entry {
            std::uint32_t startIp;
            std::uint32_t indexOffset;
        };
        std::vector<Entry> header;
        for (std::uint32_t i = 0; i < kMaxHeaderEntries; ++i) {
            auto startIp = U32(kHeaderOffset + std::uint64_t{i} * kHeaderEntrySize);
            auto offset = U32(kHeaderOffset + std::uint64_t{i} * kHeaderEntrySize + 4);
            if (!startIp || !offset || *offset == 0) {
                break;
            }
            header.push_back({*startIp, *offset});
        }
        // The searches stop at the first entry with offset 0; entries after it are lost.
        for (std::uint64_t i = header.size() + 1; i < kMaxHeaderEntries; ++i) {
            auto offset = U32(kHeaderOffset + i * kHeaderEntrySize + 4);
            if (offset && *offset != 0) {
                m_warnings.Add("header after end", "header entry " + std::to_string(i) +
                                                       " follows the terminating entry " +
                                                       std::to_string(header.size()) +
                                                       " and is never read");
                break;
            }
        }
        m_result.stats.headerEntries = static_cast<std::uint32_t>(header.size());
        if (header.size() < 2) {
            m_errors.Add("header", "the header index has " + std::to_string(header.size()) +
                                       (header.size() == 1 ? " entry" : " entries") +
                                       ": the two-level search needs at least 2");
        }
        if (header.empty()) {
            return;
        }
        if (header.front().indexOffset != m_first) {
            m_errors.Add("header", "the first header entry points at " +
                                       WithSeparators(header.front().indexOffset) +
                                       ", not at the first index entry " + WithSeparators(m_first));
        }
        if (header.back().indexOffset != m_last) {
            m_errors.Add("header", "the last header entry (" + std::to_string(header.size() - 1) +
                                       ") points at " + WithSeparators(header.back().indexOffset) +
                                       ", not at the last index entry " + WithSeparators(m_last) +
                                       ": addresses above it would be looked for in the wrong "
                                       "stretch");
        }
        for (std::size_t h = 0; h < header.size(); ++h) {
            const Entry& entry = header[h];
            const std::string name = "header entry " + std::to_string(h);
            auto index = EntryAt(entry.indexOffset);
            if (!index) {
                m_errors.Add("header pointer", name + " points at " +
                                                   WithSeparators(entry.indexOffset) +
                                                   ", which is not an index entry");
            } else if (indexReadable) {
                std::uint32_t indexStart = *U32(entry.indexOffset);
                if (entry.startIp != indexStart) {
                    m_errors.Add("header start",
                                 name + " has start address " + Dotted(entry.startIp) +
                                     " but the index entry it points at starts at " +
                                     Dotted(indexStart));
                }
            }
            if (h == 0) {
                continue;
            }
            const Entry& previous = header[h - 1];
            if (entry.startIp < previous.startIp) {
                m_errors.Add("header order", name + " starts at " + Dotted(entry.startIp) +
                                                 ", below the entry before it (" +
                                                 Dotted(previous.startIp) + ")");
            }
            if (entry.indexOffset < previous.indexOffset) {
                m_errors.Add("header order", name + " points at " +
                                                 WithSeparators(entry.indexOffset) +
                                                 ", before the entry before it (" +
                                                 WithSeparators(previous.indexOffset) + ")");
            } else if (std::uint64_t{entry.indexOffset} - previous.indexOffset + kIndexEntrySize >
                       kHeaderBlockSize) {
                m_errors.Add("header spacing",
                             "header entries " + std::to_string(h - 1) + " and " +
                                 std::to_string(h) + " are " +
                                 WithSeparators((entry.indexOffset - previous.indexOffset) /
                                                kIndexEntrySize) +
                                 " index entries apart (at most " +
                                 std::to_string(kMaxHeaderSpacing) +
                                 "): their stretch does not fit the 8,192-byte read");
            } else if (entry.indexOffset == previous.indexOffset && m_count > 1) {
                m_warnings.Add("header duplicate", "header entries " + std::to_string(h - 1) +
                                                       " and " + std::to_string(h) +
                                                       " point at the same index entry");
            }
        }
    }

    void CheckIndex() {
        Statistics& stats = m_result.stats;
        std::unordered_map<std::uint32_t, bool> recordsSeen;  // data pointer -> record is sound
        std::unordered_set<std::string_view> texts;
        std::uint64_t notFiveFields = 0;
        std::uint64_t nextUncovered = 0;  // first address above every range so far
        bool sorted = true;
        std::uint32_t previousEnd = 0;
        for (std::uint32_t i = 0; i < m_count; ++i) {
            const std::uint64_t at = std::uint64_t{m_first} + std::uint64_t{i} * kIndexEntrySize;
            const std::uint32_t start = *U32(at);
            const std::uint32_t end = *U32(at + 4);
            const std::uint32_t pointer = *U32(at + 8);
            // Built only for a message: a sound index of 700,000 entries needs none.
            auto name = [&] {
                return "index entry " + std::to_string(i) + " (" + Dotted(start) + "-" +
                       Dotted(end) + ")";
            };
            if (start > end) {
                m_errors.Add("index start after end", name() + " starts after it ends");
            }
            if (i > 0 && start <= previousEnd) {
                sorted = false;
                m_errors.Add("index order",
                             name() + " is not above the entry before it, which ends at " +
                                 Dotted(previousEnd));
            }
            previousEnd = end;
            if (start <= end) {
                if (start > nextUncovered) {
                    ++stats.gaps;
                    stats.gapAddresses += start - nextUncovered;
                }
                nextUncovered = std::max(nextUncovered, std::uint64_t{end} + 1);
            }

            if (pointer == 0) {
                ++stats.rangesWithoutData;
                continue;
            }
            auto [seen, isNew] = recordsSeen.try_emplace(pointer, false);
            if (isNew) {
                seen->second = CheckRecord(pointer, name, texts, notFiveFields);
            }
            if (seen->second && start <= end) {
                stats.coveredAddresses += std::uint64_t{end} - start + 1;
            }
        }
        if (sorted && nextUncovered < kAddressSpace) {
            ++stats.gaps;
            stats.gapAddresses += kAddressSpace - nextUncovered;
        }
        if (!sorted) {
            stats.gaps = 0;
            stats.gapAddresses = 0;
        }
        stats.distinctTexts = texts.size();
        if (stats.rangesWithoutData > 0) {
            m_warnings.Add("no data", WithSeparators(stats.rangesWithoutData) +
                                          " ranges have data pointer 0 and are never found");
        }
        if (notFiveFields > 0) {
            m_warnings.Add("five fields", WithSeparators(notFiveFields) +
                                              " distinct texts do not have five '|' fields");
        }
    }

    // Checks the data record a pointer names; true when its text can be handed out.
    template <typename Name>
    bool CheckRecord(std::uint32_t pointer, const Name& name,
                     std::unordered_set<std::string_view>& texts, std::uint64_t& notFiveFields) {
        const std::uint32_t offset = format::DataPointerOffset(pointer);  // below 16 MiB
        const std::uint32_t length = format::DataPointerLength(pointer);
        auto where = [&] {
            return name() + ": its data record at " + WithSeparators(offset) + " (" +
                   std::to_string(length) + " bytes)";
        };
        bool sound = true;
        if (length < kMinRecordLength) {
            m_errors.Add("record length", where() + " is shorter than its 4-byte record number");
            sound = false;
        }
        if (std::uint64_t{offset} + length > m_image.size()) {
            m_errors.Add("record outside", where() + " runs past the end of the file");
            return false;
        }
        if (offset < kFixedBlocksEnd) {
            m_errors.Add("record overlap", where() + " overlaps the bounds block or header index");
            sound = false;
        }
        if (offset < std::uint64_t{m_last} + kIndexEntrySize && offset + length > m_first) {
            m_errors.Add("record overlap", where() + " overlaps the index");
            sound = false;
        }
        Statistics& stats = m_result.stats;
        ++stats.dataRecords;
        stats.dataBytes += length;
        if (length < kMinRecordLength) {
            return false;
        }
        std::string_view text(reinterpret_cast<const char*>(m_image.data()) + offset + 4,
                              length - 4);
        if (!IsValidUtf8(text)) {
            m_errors.Add("record text", where() + " holds a text that is not valid UTF-8");
            return false;
        }
        if (text.find('\0') != std::string_view::npos) {
            m_warnings.Add("record nul", where() + " holds a NUL byte: readers cut the text there");
        }
        if (texts.insert(text).second && std::count(text.begin(), text.end(), '|') != 4) {
            if (notFiveFields++ < 3) {
                m_warnings.Add("five fields example",
                               "text \"" + std::string(text) + "\" does not have five '|' fields");
            }
        }
        return sound;
    }

    const std::vector<std::uint8_t>& m_image;
    CheckResult& m_result;
    Findings m_errors;
    Findings m_warnings;
    std::uint32_t m_first = 0;
    std::uint32_t m_last = 0;
    std::uint32_t m_count = 0;
};

}  // namespace

CheckResult CheckImage(const std::vector<std::uint8_t>& image) {
    CheckResult result;
    Checker(image, result).Run();
    return result;
}

bool CheckFile(const std::string& path, CheckResult& result, std::string& error) {
    // A directory reads as an error only after the stream has tried, a pipe waits for a writer
    // and /dev/zero never ends: only a regular file of a size the format can address is read.
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        error = "cannot check " + path + ": not a regular file";
        return false;
    }
    if (static_cast<std::uint64_t>(st.st_size) > kMaxCheckedSize) {
        ::close(fd);
        error = "cannot check " + path + ": " +
                WithSeparators(static_cast<std::uint64_t>(st.st_size)) +
                " bytes, more than any database the format can address";
        return false;
    }
    std::vector<std::uint8_t> image(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < image.size()) {
        const ssize_t n =
            ::pread(fd, image.data() + got, image.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (got != image.size()) {
        error = "cannot read " + path;
        return false;
    }
    result = CheckImage(image);
    return true;
}

std::string FormatStatistics(const Statistics& stats) {
    char percent[32];
    std::snprintf(
        percent, sizeof percent, "%.2f%%",
        100.0 * static_cast<double>(stats.coveredAddresses) / static_cast<double>(kAddressSpace));
    // Each name in Chinese with the English after it, the values in one column.
    struct Line {
        const char* chinese;
        int chineseColumns;  // its width on a terminal: two columns a character
        const char* english;
        std::string value;
    };
    const Line lines[] = {
        {"文件大小", 8, "file size", WithSeparators(stats.fileSize) + " bytes"},
        {"索引项", 6, "header entries", WithSeparators(stats.headerEntries)},
        {"区段", 4, "ranges", WithSeparators(stats.ranges)},
        {"无数据的区段", 12, "ranges without data", WithSeparators(stats.rangesWithoutData)},
        {"数据记录", 8, "data records", WithSeparators(stats.dataRecords)},
        {"不同文本", 8, "distinct texts", WithSeparators(stats.distinctTexts)},
        {"数据字节", 8, "data bytes", WithSeparators(stats.dataBytes)},
        {"地址覆盖", 8, "address coverage",
         WithSeparators(stats.coveredAddresses) + " of " + WithSeparators(kAddressSpace) + " (" +
             percent + ")"},
        {"空隙", 4, "gaps",
         WithSeparators(stats.gaps) + " (" + WithSeparators(stats.gapAddresses) + " addresses)"},
    };
    constexpr std::size_t kNameColumns = 36;
    std::string out;
    for (const Line& line : lines) {
        const std::string english = line.english;
        out += line.chinese;
        out += ' ';
        out += english;
        out.append(
            kNameColumns - static_cast<std::size_t>(line.chineseColumns) - 1 - english.size(), ' ');
        out += line.value;
        out += '\n';
    }
    return out;
}

}  // namespace quorvane::dbcheck
