#include "tools/dbcheck/db_check.h"

#include <quorvane/region_db.h>

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

#include "region_layout.h"
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

// The errors are the engine's own layout rules (region_layout.h), worded here; the statistics and
// the warnings, which no search depends on, are this tool's.
class Checker {
  public:
    explicit Checker(const std::vector<std::uint8_t>& image, CheckResult& result)
        : m_image(image), m_result(result), m_errors(result.errors), m_warnings(result.warnings) {}

    void Run() {
        m_result.stats.fileSize = m_image.size();
        if (m_image.size() >= kHeaderOffset) {
            m_first = *U32(0);
            m_last = *U32(4);
        }
        RegionCheckLayout(m_image.data(), m_image.size(), &Checker::OnFault, this);
        if (m_image.size() >= kHeaderOffset) {
            const bool inOrder = m_first <= m_last;
            if (inOrder) {
                m_count = (m_last - m_first) / kIndexEntrySize + 1;
                m_result.stats.ranges = m_count;
            }
            HeaderFigures();
            if (inOrder && std::uint64_t{m_last} + kIndexEntrySize <= m_image.size()) {
                IndexFigures();
            }
        }
        m_errors.Close();
        m_warnings.Close();
    }

  private:
    std::optional<std::uint32_t> U32(std::uint64_t at) const {
        if (at + 4 > m_image.size()) {
            return std::nullopt;
        }
        return format::ReadU32(m_image.data() + at);
    }

    static int OnFault(void* context, const RegionFault* fault) {
        static_cast<Checker*>(context)->Word(*fault);
        return 1;
    }

    std::string EntryName(std::uint32_t i) const {
        const std::uint64_t at = std::uint64_t{m_first} + std::uint64_t{i} * kIndexEntrySize;
        return "index entry " + std::to_string(i) + " (" + Dotted(*U32(at)) + "-" +
               Dotted(*U32(at + 4)) + ")";
    }

    // A record is named where the index first points at it; later entries that share a faulty
    // record add nothing new.
    bool FirstSightOfRecord(const RegionFault& fault) {
        const auto [seen, isNew] =
            m_recordFaultEntry.try_emplace(static_cast<std::uint32_t>(fault.value), fault.entry);
        return isNew || seen->second == fault.entry;
    }

    void WordRecord(const RegionFault& fault) {
        if (!FirstSightOfRecord(fault)) {
            return;
        }
        const auto pointer = static_cast<std::uint32_t>(fault.value);
        const std::string where = EntryName(fault.entry) + ": its data record at " +
                                  WithSeparators(format::DataPointerOffset(pointer)) + " (" +
                                  std::to_string(format::DataPointerLength(pointer)) + " bytes)";
        switch (fault.kind) {
            case kFaultRecordShort:
                m_errors.Add("record length", where + " is shorter than its 4-byte record number");
                break;
            case kFaultRecordOutside:
                m_errors.Add("record outside", where + " runs past the end of the file");
                break;
            case kFaultRecordOverFixed:
                m_errors.Add("record overlap",
                             where + " overlaps the bounds block or header index");
                break;
            case kFaultRecordOverIndex:
                m_errors.Add("record overlap", where + " overlaps the index");
                break;
            default:
                m_errors.Add("record text", where + " holds a text that is not valid UTF-8");
                break;
        }
    }

    void WordHeader(const RegionFault& fault) {
        const std::string name = "header entry " + std::to_string(fault.entry);
        switch (fault.kind) {
            case kFaultHeaderCount:
                m_errors.Add("header", "the header index has " + std::to_string(fault.value) +
                                           (fault.value == 1 ? " entry" : " entries") +
                                           ": the two-level search needs at least 2");
                break;
            case kFaultHeaderFirst:
                m_errors.Add("header",
                             "the first header entry points at " + WithSeparators(fault.value) +
                                 ", not at the first index entry " + WithSeparators(fault.other));
                break;
            case kFaultHeaderLast:
                m_errors.Add("header", "the last header entry (" + std::to_string(fault.entry) +
                                           ") points at " + WithSeparators(fault.value) +
                                           ", not at the last index entry " +
                                           WithSeparators(fault.other) +
                                           ": addresses above it would be looked for in the "
                                           "wrong stretch");
                break;
            case kFaultHeaderPointer:
                m_errors.Add("header pointer", name + " points at " + WithSeparators(fault.value) +
                                                   ", which is not an index entry");
                break;
            case kFaultHeaderStart:
                m_errors.Add("header start", name + " has start address " +
                                                 Dotted(static_cast<std::uint32_t>(fault.value)) +
                                                 " but the index entry it points at starts at " +
                                                 Dotted(static_cast<std::uint32_t>(fault.other)));
                break;
            case kFaultHeaderStartOrder:
                m_errors.Add("header order", name + " starts at " +
                                                 Dotted(static_cast<std::uint32_t>(fault.value)) +
                                                 ", below the entry before it (" +
                                                 Dotted(static_cast<std::uint32_t>(fault.other)) +
                                                 ")");
                break;
            case kFaultHeaderOrder:
                m_errors.Add("header order", name + " points at " + WithSeparators(fault.value) +
                                                 ", before the entry before it (" +
                                                 WithSeparators(fault.other) + ")");
                break;
            default:
                m_errors.Add("header spacing",
                             "header entries " + std::to_string(fault.entry - 1) + " and " +
                                 std::to_string(fault.entry) + " are " +
                                 WithSeparators(fault.value) + " index entries apart (at most " +
                                 std::to_string(kMaxHeaderSpacing) +
                                 "): their stretch does not fit the 8,192-byte read");
                break;
        }
    }

    void Word(const RegionFault& fault) {
        switch (fault.kind) {
            case kFaultShortFile:
                m_errors.Add("short file",
                             fault.value < kHeaderOffset
                                 ? "the file is " + std::to_string(fault.value) +
                                       " bytes long: too short for the 8-byte bounds block"
                                 : "the file is " + WithSeparators(fault.value) +
                                       " bytes long and ends inside the header index (offsets 8 "
                                       "to 8,199)");
                break;
            case kFaultBoundsReversed:
                m_errors.Add("bounds", "the last index offset " + WithSeparators(fault.other) +
                                           " is below the first index offset " +
                                           WithSeparators(fault.value));
                break;
            case kFaultBoundsUneven:
                m_errors.Add("bounds", "the index bounds " + WithSeparators(fault.value) + " and " +
                                           WithSeparators(fault.other) +
                                           " are not a whole number of 12-byte entries apart");
                break;
            case kFaultIndexPastEnd:
                m_errors.Add("bounds", "the last index entry at " + WithSeparators(fault.value) +
                                           " runs past the end of the file (" +
                                           WithSeparators(fault.other) + " bytes)");
                break;
            case kFaultIndexInFixed:
                m_errors.Add("bounds", "the index starts at " + WithSeparators(fault.value) +
                                           ", inside the bounds block or the header index");
                break;
            case kFaultEntryReversed:
                m_errors.Add("index start after end",
                             EntryName(fault.entry) + " starts after it ends");
                break;
            case kFaultEntryOrder:
                m_errors.Add("index order",
                             EntryName(fault.entry) +
                                 " is not above the entry before it, which ends at " +
                                 Dotted(static_cast<std::uint32_t>(fault.other)));
                break;
            case kFaultRecordShort:
            case kFaultRecordOutside:
            case kFaultRecordOverFixed:
            case kFaultRecordOverIndex:
            case kFaultRecordText:
                WordRecord(fault);
                break;
            default:
                WordHeader(fault);
                break;
        }
    }

    // The header's figure and warnings: entries after the terminating one, entries that repeat.
    void HeaderFigures() {
        std::uint32_t count = 0;
        while (count < kMaxHeaderEntries) {
            auto offset = U32(kHeaderOffset + std::uint64_t{count} * kHeaderEntrySize + 4);
            if (!offset || *offset == 0) {
                break;
            }
            ++count;
        }
        // The searches stop at the first entry with offset 0; entries after it are lost.
        for (std::uint64_t i = count + 1; i < kMaxHeaderEntries; ++i) {
            auto offset = U32(kHeaderOffset + i * kHeaderEntrySize + 4);
            if (offset && *offset != 0) {
                m_warnings.Add("header after end", "header entry " + std::to_string(i) +
                                                       " follows the terminating entry " +
                                                       std::to_string(count) +
                                                       " and is never read");
                break;
            }
        }
        m_result.stats.headerEntries = count;
        for (std::uint32_t h = 1; h < count; ++h) {
            const std::uint32_t offset =
                *U32(kHeaderOffset + std::uint64_t{h} * kHeaderEntrySize + 4);
            const std::uint32_t previous =
                *U32(kHeaderOffset + std::uint64_t{h - 1} * kHeaderEntrySize + 4);
            if (offset == previous && m_count > 1) {
                m_warnings.Add("header duplicate", "header entries " + std::to_string(h - 1) +
                                                       " and " + std::to_string(h) +
                                                       " point at the same index entry");
            }
        }
    }

    void IndexFigures() {
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
            sorted = sorted && (i == 0 || start > previousEnd);
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
                seen->second = RecordFigures(i, pointer, texts, notFiveFields);
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

    // Counts the data record a pointer names; true when its text can be handed out.
    bool RecordFigures(std::uint32_t i, std::uint32_t pointer,
                       std::unordered_set<std::string_view>& texts, std::uint64_t& notFiveFields) {
        const std::uint32_t offset = format::DataPointerOffset(pointer);  // below 16 MiB
        const std::uint32_t length = format::DataPointerLength(pointer);
        if (std::uint64_t{offset} + length > m_image.size()) {
            return false;
        }
        const bool clear =
            offset >= kFixedBlocksEnd &&
            !(offset < std::uint64_t{m_last} + kIndexEntrySize && offset + length > m_first);
        Statistics& stats = m_result.stats;
        ++stats.dataRecords;
        stats.dataBytes += length;
        if (length < kMinRecordLength) {
            return false;
        }
        const unsigned char* bytes = m_image.data() + offset + 4;
        if (!RegionIsValidUtf8(bytes, length - 4)) {
            return false;
        }
        std::string_view text(reinterpret_cast<const char*>(bytes), length - 4);
        if (text.find('\0') != std::string_view::npos) {
            m_warnings.Add("record nul",
                           EntryName(i) + ": its data record at " + WithSeparators(offset) + " (" +
                               std::to_string(length) +
                               " bytes) holds a NUL byte: readers cut the text there");
        }
        if (texts.insert(text).second && std::count(text.begin(), text.end(), '|') != 4) {
            if (notFiveFields++ < 3) {
                m_warnings.Add("five fields example",
                               "text \"" + std::string(text) + "\" does not have five '|' fields");
            }
        }
        return clear;
    }

    const std::vector<std::uint8_t>& m_image;
    CheckResult& m_result;
    Findings m_errors;
    Findings m_warnings;
    std::unordered_map<std::uint32_t, std::uint32_t> m_recordFaultEntry;  // pointer -> entry
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
    if (static_cast<std::uint64_t>(st.st_size) > QUORVANE_DB_IPV4_MAX_BYTES) {
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
