#include "tools/dbpipeline/sources.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "tools/dbpipeline/json_reader.h"

namespace quorvane::dbpipeline {

namespace {

// Splits one CSV line into fields; false when a quoted field is not closed.
bool SplitCsv(const std::string& line, std::vector<std::string>& fields) {
    fields.clear();
    std::string field;
    bool quoted = false;
    bool atStart = true;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < line.size() && line[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == '"' && atStart) {
            quoted = true;
            atStart = false;
        } else if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
            atStart = true;
        } else {
            field += c;
            atStart = false;
        }
    }
    if (quoted) {
        return false;
    }
    fields.push_back(std::move(field));
    return true;
}

bool ParseAddress(const std::string& text, std::uint32_t& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

// std::from_chars has no 128-bit overload: decimal digits by hand, refusing overflow.
bool ParseAddress(const std::string& text, Address6& value) {
    constexpr Address6 kMax = ~Address6{0};
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        const auto digit = static_cast<unsigned>(c - '0');
        if (value > (kMax - digit) / 10) {
            return false;
        }
        value = value * 10 + digit;
    }
    return !text.empty();
}

template <typename Range>
bool ReadAsnRows(std::istream& in, std::vector<Range>& ranges, std::string& error) {
    ranges.clear();
    std::string line;
    std::vector<std::string> fields;
    std::size_t lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        Range range;
        if (!SplitCsv(line, fields) || fields.size() < 4 || !ParseAddress(fields[0], range.start) ||
            !ParseAddress(fields[1], range.end) || range.start > range.end) {
            error = "line " + std::to_string(lineNumber) + ": not start,end,asn,organisation";
            return false;
        }
        range.organisation = std::move(fields[3]);
        ranges.push_back(std::move(range));
    }
    std::stable_sort(ranges.begin(), ranges.end(),
                     [](const Range& a, const Range& b) { return a.start < b.start; });
    // Clip overlaps so that the earlier (lower) row keeps its addresses.
    std::vector<Range> clipped;
    clipped.reserve(ranges.size());
    for (auto& range : ranges) {
        if (!clipped.empty() && range.start <= clipped.back().end) {
            if (range.end <= clipped.back().end) {
                continue;
            }
            range.start = clipped.back().end + 1;
        }
        clipped.push_back(std::move(range));
    }
    ranges = std::move(clipped);
    return true;
}

}  // namespace

bool ReadAsnCsv(std::istream& in, std::vector<AsnRange>& ranges, std::string& error) {
    return ReadAsnRows(in, ranges, error);
}

bool ReadAsnCsv6(std::istream& in, std::vector<AsnRange6>& ranges, std::string& error) {
    return ReadAsnRows(in, ranges, error);
}

bool ReadCountryNames(std::istream& in, std::map<std::string, std::string>& names,
                      std::string& error) {
    names.clear();
    JsonReader reader(
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    return reader.ReadObject(
        [&](const std::string& key) {
            if (key != "countries") {
                return reader.SkipValue(error);
            }
            return reader.ReadObject(
                [&](const std::string& code) {
                    std::string name;
                    if (!reader.ReadFirstString(name, error)) {
                        return false;
                    }
                    names[code] = std::move(name);
                    return true;
                },
                error);
        },
        error);
}

}  // namespace quorvane::dbpipeline
