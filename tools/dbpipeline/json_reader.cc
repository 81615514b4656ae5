#include "tools/dbpipeline/json_reader.h"

#include "files/conversions.h"

namespace quorvane::dbpipeline {

void JsonReader::SkipSpace() {
    while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\n' ||
                                     m_text[m_pos] == '\r' || m_text[m_pos] == '\t')) {
        ++m_pos;
    }
}

bool JsonReader::Fail(std::string& error, const std::string& what) const {
    error = what + " at byte " + std::to_string(m_pos);
    return false;
}

bool JsonReader::Expect(char c, std::string& error) {
    SkipSpace();
    if (Peek() != c) {
        return Fail(error, std::string("expected '") + c + "'");
    }
    ++m_pos;
    return true;
}

bool JsonReader::ReadObject(const std::function<bool(const std::string& key)>& member,
                            std::string& error) {
    if (!Expect('{', error)) {
        return false;
    }
    for (bool first = true;; first = false) {
        SkipSpace();
        if (Peek() == '}') {
            ++m_pos;
            return true;
        }
        if (!first && !Expect(',', error)) {
            return false;
        }
        std::string key;
        if (!ReadString(key, error) || !Expect(':', error) || !member(key)) {
            return false;
        }
    }
}

bool JsonReader::ReadList(const std::function<bool()>& item, std::string& error) {
    if (!Expect('[', error)) {
        return false;
    }
    for (bool first = true;; first = false) {
        SkipSpace();
        if (Peek() == ']') {
            ++m_pos;
            return true;
        }
        if (!first && !Expect(',', error)) {
            return false;
        }
        if (!item()) {
            return false;
        }
    }
}

bool JsonReader::ReadHex4(std::uint32_t& value, std::string& error) {
    if (m_pos + 4 > m_text.size()) {
        return Fail(error, "short \\u escape");
    }
    value = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = m_text[m_pos++];
        value <<= 4;
        if (c >= '0' && c <= '9') {
            value |= static_cast<std::uint32_t>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            value |= static_cast<std::uint32_t>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            value |= static_cast<std::uint32_t>(c - 'A' + 10);
        } else {
            return Fail(error, "bad \\u escape");
        }
    }
    return true;
}

bool JsonReader::ReadString(std::string& out, std::string& error) {
    SkipSpace();
    if (Peek() != '"') {
        return Fail(error, "expected a string");
    }
    ++m_pos;
    out.clear();
    // \u escapes are UTF-16 units; a run of them is converted at once so that pairs join.
    std::u16string units;
    auto flush = [&] {
        if (!units.empty()) {
            out += WideToUtf8(units);
            units.clear();
        }
    };
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos++];
        if (c == '"') {
            flush();
            return true;
        }
        if (c != '\\') {
            flush();
            out += c;
            continue;
        }
        if (m_pos >= m_text.size()) {
            break;
        }
        const char escape = m_text[m_pos++];
        if (escape == 'u') {
            std::uint32_t unit = 0;
            if (!ReadHex4(unit, error)) {
                return false;
            }
            units += static_cast<char16_t>(unit);
            continue;
        }
        flush();
        switch (escape) {
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
            default:
                out += escape;
                break;
        }
    }
    return Fail(error, "unterminated string");
}

bool JsonReader::ReadFirstString(std::string& out, std::string& error) {
    SkipSpace();
    if (Peek() != '[') {
        return ReadString(out, error);
    }
    bool first = true;
    return ReadList(
        [&] {
            if (!first) {
                std::string alias;
                return ReadString(alias, error);
            }
            first = false;
            return ReadString(out, error);
        },
        error);
}

bool JsonReader::SkipValue(std::string& error) {
    SkipSpace();
    const char c = Peek();
    if (c == '"') {
        std::string ignored;
        return ReadString(ignored, error);
    }
    if (c == '{') {
        return ReadObject([&](const std::string&) { return SkipValue(error); }, error);
    }
    if (c == '[') {
        return ReadList([&] { return SkipValue(error); }, error);
    }
    // A number, true, false or null.
    const std::size_t begin = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != ',' && m_text[m_pos] != '}' &&
           m_text[m_pos] != ']' && m_text[m_pos] != ' ' && m_text[m_pos] != '\n' &&
           m_text[m_pos] != '\r' && m_text[m_pos] != '\t') {
        ++m_pos;
    }
    if (m_pos == begin) {
        return Fail(error, "expected a value");
    }
    return true;
}

}  // namespace quorvane::dbpipeline
