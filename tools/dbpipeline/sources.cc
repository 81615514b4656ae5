#include "tools/dbpipeline/sources.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace quorvane::dbpipeline {

namespace {

// Splits one CSV line into fields; false when a quoted field is not closed.
bool SplitCsv(const std::string& line, std::vector<std::string>& fields) {
    fields.clear();
    std::string field;
    bool quoted = false;
    bool at_start = true;
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
        } else if (c == '"' && at_start) {
            quoted = true;
            at_start = false;
        } else if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
            at_start = true;
        } else {
            field += c;
            at_start = false;
        }
    }
    if (quoted)
        return false;
    fields.push_back(std::move(field));
    return true;
}

bool ParseAddress(const std::string& text, std::uint32_t& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

// A small JSON reader: just enough for a locale file of string values and string lists.
class JsonReader {
  public:
    explicit JsonReader(std::string text) : text_(std::move(text)) {}

    bool ReadCountries(std::map<std::string, std::string>& names, std::string& error) {
        if (!Expect('{', error))
            return false;
        bool first = true;
        while (true) {
            SkipSpace();
            if (Peek() == '}') {
                ++pos_;
                return true;
            }
            if (!first && !Expect(',', error))
                return false;
            first = false;
            std::string key;
            if (!ReadString(key, error) || !Expect(':', error))
                return false;
            if (key == "countries") {
                if (!ReadNameMap(names, error))
                    return false;
            } else if (!SkipValue(error)) {
                return false;
            }
        }
    }

  private:
    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    void SkipSpace() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\t'))
            ++pos_;
    }

    bool Fail(std::string& error, const char* what) {
        error = std::string(what) + " at byte " + std::to_string(pos_);
        return false;
    }

    bool Expect(char c, std::string& error) {
        SkipSpace();
        if (Peek() != c)
            return Fail(error, (std::string("expected '") + c + "'").c_str());
        ++pos_;
        return true;
    }

    static void AppendUtf8(std::string& out, std::uint32_t cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    bool ReadHex4(std::uint32_t& value, std::string& error) {
        if (pos_ + 4 > text_.size())
            return Fail(error, "short \\u escape");
        value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[pos_++];
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                value |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                value |= static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return Fail(error, "bad \\u escape");
        }
        return true;
    }

    bool ReadString(std::string& out, std::string& error) {
        SkipSpace();
        if (Peek() != '"')
            return Fail(error, "expected a string");
        ++pos_;
        out.clear();
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"')
                return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size())
                break;
            const char e = text_[pos_++];
            switch (e) {
                case 'n':
                    out += '\n';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'u': {
                    std::uint32_t cp = 0;
                    if (!ReadHex4(cp, error))
                        return false;
                    if (cp >= 0xD800 && cp < 0xDC00 && pos_ + 6 <= text_.size() &&
                        text_[pos_] == '\\' && text_[pos_ + 1] == 'u') {
                        pos_ += 2;
                        std::uint32_t low = 0;
                        if (!ReadHex4(low, error))
                            return false;
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    }
                    AppendUtf8(out, cp);
                    break;
                }
                default:
                    out += e;
                    break;
            }
        }
        return Fail(error, "unterminated string");
    }

    bool ReadNameMap(std::map<std::string, std::string>& names, std::string& error) {
        if (!Expect('{', error))
            return false;
        bool first = true;
        while (true) {
            SkipSpace();
            if (Peek() == '}') {
                ++pos_;
                return true;
            }
            if (!first && !Expect(',', error))
                return false;
            first = false;
            std::string code, name;
            if (!ReadString(code, error) || !Expect(':', error))
                return false;
            SkipSpace();
            if (Peek() == '[') {
                ++pos_;
                if (!ReadString(name, error))
                    return false;
                SkipSpace();
                while (Peek() == ',') {
                    ++pos_;
                    std::string alias;
                    if (!ReadString(alias, error))
                        return false;
                    SkipSpace();
                }
                if (!Expect(']', error))
                    return false;
            } else if (!ReadString(name, error)) {
                return false;
            }
            names[code] = name;
        }
    }

    bool SkipValue(std::string& error) {
        SkipSpace();
        const char c = Peek();
        if (c == '"') {
            std::string ignored;
            return ReadString(ignored, error);
        }
        if (c == '{' || c == '[') {
            const char close = c == '{' ? '}' : ']';
            ++pos_;
            bool first = true;
            while (true) {
                SkipSpace();
                if (Peek() == close) {
                    ++pos_;
                    return true;
                }
                if (!first && !Expect(',', error))
                    return false;
                first = false;
                if (c == '{') {
                    std::string ignored;
                    if (!ReadString(ignored, error) || !Expect(':', error))
                        return false;
                }
                if (!SkipValue(error))
                    return false;
            }
        }
        // A number, true, false or null.
        const std::size_t begin = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '}' &&
               text_[pos_] != ']' && text_[pos_] != ' ' && text_[pos_] != '\n' &&
               text_[pos_] != '\r' && text_[pos_] != '\t')
            ++pos_;
        if (pos_ == begin)
            return Fail(error, "expected a value");
        return true;
    }

    std::string text_;
    std::size_t pos_ = 0;
};

}  // namespace

bool ReadAsnCsv(std::istream& in, std::vector<AsnRange>& ranges, std::string& error) {
    ranges.clear();
    std::string line;
    std::vector<std::string> fields;
    std::size_t line_number = 0;
    while (std::getline(in, line)) {
        ++line_number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        AsnRange range;
        if (!SplitCsv(line, fields) || fields.size() < 4 || !ParseAddress(fields[0], range.start) ||
            !ParseAddress(fields[1], range.end) || range.start > range.end) {
            error = "line " + std::to_string(line_number) + ": not start,end,asn,organisation";
            return false;
        }
        range.organisation = std::move(fields[3]);
        ranges.push_back(std::move(range));
    }
    std::stable_sort(ranges.begin(), ranges.end(),
                     [](const AsnRange& a, const AsnRange& b) { return a.start < b.start; });
    // Clip overlaps so that the earlier (lower) row keeps its addresses.
    std::vector<AsnRange> clipped;
    clipped.reserve(ranges.size());
    for (auto& range : ranges) {
        if (!clipped.empty() && range.start <= clipped.back().end) {
            if (range.end <= clipped.back().end)
                continue;
            range.start = clipped.back().end + 1;
        }
        clipped.push_back(std::move(range));
    }
    ranges = std::move(clipped);
    return true;
}

bool ReadCountryNames(std::istream& in, std::map<std::string, std::string>& names,
                      std::string& error) {
    names.clear();
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    JsonReader reader(std::move(text));
    return reader.ReadCountries(names, error);
}

}  // namespace quorvane::dbpipeline
