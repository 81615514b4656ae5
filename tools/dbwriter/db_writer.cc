#include "tools/dbwriter/db_writer.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "files/conversions.h"

namespace quorvane::dbwriter {
namespace {

constexpr std::uint32_t kLastAddress = 0xFFFFFFFFu;

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// Parses a run of decimal digits only (no sign, no blanks) into a value no larger than max.
std::optional<std::uint32_t> ParseDecimal(std::string_view digits, std::uint32_t max) {
    if (digits.empty()) {
        return std::nullopt;
    }
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    std::uint64_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size() || value > max) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

// What is wrong with a range on its own: start after end, or a text that cannot be stored.
std::string CheckRange(const Range& range) {
    if (range.start > range.end) {
        return "start " + Dotted(range.start) + " is above end " + Dotted(range.end);
    }
    return CheckRegionText(range.text);
}

// What is wrong with a range that follows another: the index must be sorted and must not
// overlap, or the binary searches would skip over ranges.
std::string CheckOrder(const Range& previous, const Range& range) {
    if (range.start < previous.start) {
        return "range starting at " + Dotted(range.start) +
               " is out of order: ranges must be sorted by start address (the previous one starts "
               "at " +
               Dotted(previous.start) + ")";
    }
    if (range.start <= previous.end) {
        return "range starting at " + Dotted(range.start) + " overlaps the previous range " +
               Dotted(previous.start) + "-" + Dotted(previous.end);
    }
    return {};
}

// One range of the file as laid out; text points into the caller's ranges or the fill text.
struct Slot {
    std::uint32_t start;
    std::uint32_t end;
    const std::string* text;
};

// One data record: where it lies in the file, how long it is, and the text it holds.
struct Record {
    std::uint32_t offset;
    std::uint32_t length;
    const std::string* text;
};

// The records of the slots, each distinct text once in order of first appearance, laid out from
// the end of the header index; slotRecord[i] is the record of slots[i].
struct Records {
    std::vector<Record> records;
    std::vector<std::uint32_t> slotRecord;
    // The first byte after the last record: where the index begins.
    std::uint64_t end = kFixedBlocksEnd;
};

// What is wrong with the input as a whole, "range N: ..." for the first faulty range.
std::string CheckInput(const std::vector<Range>& ranges, const BuildOptions& options) {
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        std::string what = CheckRange(ranges[i]);
        if (what.empty() && i > 0) {
            what = CheckOrder(ranges[i - 1], ranges[i]);
        }
        if (!what.empty()) {
            return "range " + std::to_string(i + 1) + ": " + what;
        }
    }
    if (options.fillText) {
        if (std::string what = CheckRegionText(*options.fillText); !what.empty()) {
            return "fill text: " + what;
        }
    }
    return {};
}

// The ranges as the file holds them, the gaps covered by the fill text when there is one.
std::vector<Slot> LaySlots(const std::vector<Range>& ranges, const BuildOptions& options) {
    std::vector<Slot> slots;
    slots.reserve(ranges.size() + (options.fillText ? ranges.size() + 1 : 0));
    if (!options.fillText) {
        for (const Range& range : ranges) {
            slots.push_back({range.start, range.end, &range.text});
        }
        return slots;
    }
    const std::string* fill = &*options.fillText;
    std::uint64_t next = 0;  // first address not yet covered
    for (const Range& range : ranges) {
        if (range.start > next) {
            slots.push_back({static_cast<std::uint32_t>(next), range.start - 1, fill});
        }
        slots.push_back({range.start, range.end, &range.text});
        next = std::uint64_t{range.end} + 1;
    }
    if (next <= kLastAddress) {
        slots.push_back({static_cast<std::uint32_t>(next), kLastAddress, fill});
    }
    return slots;
}

// What is wrong with the number of slots: none, or more than the header index reaches.
std::string CheckSlotCount(std::size_t count) {
    if (count == 0) {
        return "no ranges to write (an empty database would find nothing)";
    }
    if (count > kMaxRanges) {
        return std::to_string(count) + " ranges do not fit the file: its header index " +
               "reaches at most " + std::to_string(kMaxRanges) + " ranges";
    }
    return {};
}

// Lays out the data records of slots. False with error set when they pass what a data pointer
// reaches.
bool LayRecords(const std::vector<Slot>& slots, Records& out, std::string& error) {
    std::unordered_map<std::string_view, std::uint32_t> recordOf;
    out.slotRecord.resize(slots.size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        auto [it, inserted] =
            recordOf.try_emplace(*slots[i].text, static_cast<std::uint32_t>(out.records.size()));
        if (inserted) {
            if (out.end >= kMaxDataOffset) {
                error = "the data records pass 16 MiB after " + std::to_string(out.records.size()) +
                        " distinct region texts: a data pointer cannot reach further";
                return false;
            }
            auto length = static_cast<std::uint32_t>(4 + slots[i].text->size());
            out.records.push_back({static_cast<std::uint32_t>(out.end), length, slots[i].text});
            out.end += length;
        }
        out.slotRecord[i] = it->second;
    }
    return true;
}

// Header entries at full spacing, always one on the last index entry; a one-entry index gets two
// header entries so that the two-level search still has a pair to choose.
void WriteHeaderIndex(const std::vector<Slot>& slots, std::uint32_t firstIndex,
                      std::uint8_t* bytes) {
    std::vector<std::size_t> sampled;
    for (std::size_t i = 0; i < slots.size(); i += kMaxHeaderSpacing) {
        sampled.push_back(i);
    }
    if (sampled.back() != slots.size() - 1 || sampled.size() == 1) {
        sampled.push_back(slots.size() - 1);
    }
    for (std::size_t h = 0; h < sampled.size(); ++h) {
        std::uint8_t* entry = bytes + kHeaderOffset + h * kHeaderEntrySize;
        format::WriteU32(entry, slots[sampled[h]].start);
        format::WriteU32(entry + 4,
                         static_cast<std::uint32_t>(firstIndex + sampled[h] * kIndexEntrySize));
    }
}

// The whole image: bounds block, header index, data records, then the index from firstIndex.
void WriteLayout(const std::vector<Slot>& slots, const Records& laid,
                 std::vector<std::uint8_t>& image) {
    const auto firstIndex = static_cast<std::uint32_t>(laid.end);
    const auto lastIndex =
        static_cast<std::uint32_t>(firstIndex + (slots.size() - 1) * kIndexEntrySize);
    image.assign(std::size_t{lastIndex} + kIndexEntrySize, 0);
    std::uint8_t* bytes = image.data();
    format::WriteU32(bytes, firstIndex);
    format::WriteU32(bytes + 4, lastIndex);
    WriteHeaderIndex(slots, firstIndex, bytes);
    for (std::size_t r = 0; r < laid.records.size(); ++r) {
        const Record& record = laid.records[r];
        format::WriteU32(bytes + record.offset, static_cast<std::uint32_t>(r + 1));
        std::memcpy(bytes + record.offset + 4, record.text->data(), record.text->size());
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        std::uint8_t* entry = bytes + firstIndex + i * kIndexEntrySize;
        const Record& record = laid.records[laid.slotRecord[i]];
        format::WriteU32(entry, slots[i].start);
        format::WriteU32(entry + 4, slots[i].end);
        format::WriteU32(entry + 8, format::MakeDataPointer(record.length, record.offset));
    }
}

}  // namespace

std::string Dotted(std::uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

std::optional<std::uint32_t> ParseAddress(std::string_view text) {
    text = TrimBlanks(text);
    if (text.find('.') == std::string_view::npos) {
        return ParseDecimal(text, kLastAddress);
    }
    std::uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        std::size_t dot = text.find('.');
        if ((part < 3) != (dot != std::string_view::npos)) {
            return std::nullopt;  // fewer or more than four parts
        }
        std::string_view piece = text.substr(0, dot);
        if (piece.size() > 3) {
            return std::nullopt;
        }
        auto value = ParseDecimal(piece, 255);
        if (!value) {
            return std::nullopt;
        }
        address = (address << 8) | *value;
        text = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    }
    return address;
}

std::string CheckRegionText(std::string_view text) {
    if (text.size() > kMaxTextBytes) {
        return "region text is " + std::to_string(text.size()) + " bytes long, more than the " +
               std::to_string(kMaxTextBytes) + " a data record can hold";
    }
    if (!IsValidUtf8(text)) {
        return "region text is not valid UTF-8";
    }
    if (text.find('\0') != std::string_view::npos) {
        return "region text holds a NUL byte";
    }
    return {};
}

bool ParseRanges(std::istream& in, std::vector<Range>& ranges, std::string& error) {
    ranges.clear();
    std::string line;
    std::size_t lineNumber = 0;
    auto fail = [&](const std::string& what) {
        error = "line " + std::to_string(lineNumber) + ": " + what;
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::string_view view = line;
        if (lineNumber == 1 && view.starts_with("\xEF\xBB\xBF")) {
            view.remove_prefix(3);  // a byte-order mark left by a spreadsheet export
        }
        if (TrimBlanks(view).empty()) {
            continue;
        }
        std::size_t first = view.find(',');
        std::size_t second = first == std::string_view::npos ? first : view.find(',', first + 1);
        if (second == std::string_view::npos) {
            return fail("expected \"start,end,region text\"");
        }
        Range range;
        auto start = ParseAddress(view.substr(0, first));
        if (!start) {
            return fail("bad start address \"" + std::string(view.substr(0, first)) + "\"");
        }
        auto end = ParseAddress(view.substr(first + 1, second - first - 1));
        if (!end) {
            return fail("bad end address \"" +
                        std::string(view.substr(first + 1, second - first - 1)) + "\"");
        }
        range.start = *start;
        range.end = *end;
        range.text.assign(view.substr(second + 1));
        if (std::string what = CheckRange(range); !what.empty()) {
            return fail(what);
        }
        if (!ranges.empty()) {
            if (std::string what = CheckOrder(ranges.back(), range); !what.empty()) {
                return fail(what);
            }
        }
        ranges.push_back(std::move(range));
    }
    if (in.bad()) {
        ++lineNumber;
        return fail("read error");
    }
    return true;
}

bool BuildDatabase(const std::vector<Range>& ranges, const BuildOptions& options,
                   std::vector<std::uint8_t>& image, std::string& error) {
    image.clear();
    if (std::string what = CheckInput(ranges, options); !what.empty()) {
        error = std::move(what);
        return false;
    }
    const std::vector<Slot> slots = LaySlots(ranges, options);
    if (std::string what = CheckSlotCount(slots.size()); !what.empty()) {
        error = std::move(what);
        return false;
    }
    Records laid;
    if (!LayRecords(slots, laid, error)) {
        return false;
    }
    WriteLayout(slots, laid, image);
    return true;
}

bool WriteDatabase(const std::vector<Range>& ranges, const BuildOptions& options,
                   const std::string& path, std::string& error) {
    std::vector<std::uint8_t> image;
    return BuildDatabase(ranges, options, image, error) && WriteImage(image, path, error);
}

bool WriteImage(const std::vector<std::uint8_t>& image, const std::string& path,
                std::string& error) {
    // path is UTF-8; as a filesystem path it reaches Windows as UTF-16, whatever its letters.
    const std::filesystem::path target(std::u8string(path.begin(), path.end()));
    std::filesystem::path temporary = target;
    temporary += ".partial";
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) {
        error = "cannot create " + path + ".partial: " + std::strerror(errno);
        return false;
    }
    file.write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
    file.close();
    std::error_code failure;
    if (file.fail()) {
        error = "cannot write " + path + ".partial";
        std::filesystem::remove(temporary, failure);
        return false;
    }
    // Replaces an existing file on every system (std::rename does not on Windows).
    std::filesystem::rename(temporary, target, failure);
    if (failure) {
        error = "cannot rename " + path + ".partial to " + path + ": " + failure.message();
        std::filesystem::remove(temporary, failure);
        return false;
    }
    return true;
}

}  // namespace quorvane::dbwriter
