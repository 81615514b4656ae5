#include "tools/dbpipeline/region_text.h"

#include <array>
#include <cstdint>

namespace quorvane::dbpipeline {

namespace {

// Length of the valid UTF-8 sequence at text[i], or 0 when it is not one.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    std::uint32_t cp = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07u;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3Fu);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not valid UTF-8.
    if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

// Drops the last UTF-8 character of a valid UTF-8 text and any spaces left at its end.
void DropLastCharacter(std::string& text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
        text.pop_back();
    if (!text.empty())
        text.pop_back();
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
}

}  // namespace

std::string CleanField(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    bool pending_space = false;
    for (std::size_t i = 0; i < value.size();) {
        const std::size_t length = Utf8SequenceLength(value, i);
        if (length == 0) {
            ++i;
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(value[i]);
        if (length == 1 && (c <= 0x20 || c == 0x7F)) {
            pending_space = !out.empty();
            ++i;
            continue;
        }
        if (pending_space) {
            out += ' ';
            pending_space = false;
        }
        if (length == 1 && c == '|')
            out += '/';
        else
            out.append(value.substr(i, length));
        i += length;
    }
    return out;
}

std::string ComposeRegionText(std::string_view country, std::string_view province,
                              std::string_view city, std::string_view provider) {
    std::array<std::string, 4> fields = {std::string(country), std::string(province),
                                         std::string(city), std::string(provider)};
    for (auto& field : fields) {
        if (field.empty())
            field = "0";
    }
    // Four separators and the hidden second field "0".
    constexpr std::size_t kFixedBytes = 5;
    auto total = [&] {
        std::size_t sum = kFixedBytes;
        for (const auto& field : fields)
            sum += field.size();
        return sum;
    };
    while (total() > kMaxRegionTextBytes) {
        std::size_t longest = 0;
        for (std::size_t k = 1; k < fields.size(); ++k) {
            if (fields[k].size() > fields[longest].size())
                longest = k;
        }
        DropLastCharacter(fields[longest]);
        if (fields[longest].empty())
            fields[longest] = "0";
    }
    return fields[0] + "|0|" + fields[1] + "|" + fields[2] + "|" + fields[3];
}

}  // namespace quorvane::dbpipeline
