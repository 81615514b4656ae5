#include "tools/dbpipeline/region_text.h"

#include <array>
#include <cstdint>

#include "files/conversions.h"

namespace quorvane::dbpipeline {

namespace {

// Drops the last word of a valid UTF-8 text, or its last character when it is one word, and
// any spaces left at its end.
void DropLastWord(std::string& text) {
    const std::size_t space = text.rfind(' ');
    if (space != std::string::npos) {
        text.resize(space);
    } else {
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) {
            text.pop_back();
        }
        if (!text.empty()) {
            text.pop_back();
        }
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
}

}  // namespace

std::string CleanField(std::string_view value) {
    std::u16string out;
    out.reserve(value.size());
    bool pendingSpace = false;
    for (char16_t c : Utf8ToWide(value)) {
        // A comma would split the field in a comma-separated export; the replacement character
        // stands for bytes that were not UTF-8.
        if (c <= 0x20 || c == 0x7F || c == u',' || c == 0xFFFD) {
            pendingSpace = pendingSpace || (c != 0xFFFD && !out.empty());
            continue;
        }
        if (pendingSpace) {
            out += u' ';
            pendingSpace = false;
        }
        out += c == u'|' ? u'/' : c;
    }
    return WideToUtf8(out);
}

std::string ComposeRegionText(std::string_view country, std::string_view province,
                              std::string_view city, std::string_view provider) {
    std::array<std::string, 4> fields = {std::string(country), std::string(province),
                                         std::string(city), std::string(provider)};
    for (auto& field : fields) {
        if (field.empty()) {
            field = "0";
        }
    }
    // Four separators and the hidden second field "0".
    constexpr std::size_t kFixedBytes = 5;
    auto total = [&] {
        std::size_t sum = kFixedBytes;
        for (const auto& field : fields) {
            sum += field.size();
        }
        return sum;
    };
    while (total() > kMaxRegionTextBytes) {
        std::size_t longest = 0;
        for (std::size_t k = 1; k < fields.size(); ++k) {
            if (fields[k].size() > fields[longest].size()) {
                longest = k;
            }
        }
        DropLastWord(fields[longest]);
        if (fields[longest].empty()) {
            fields[longest] = "0";
        }
    }
    return fields[0] + "|0|" + fields[1] + "|" + fields[2] + "|" + fields[3];
}

}  // namespace quorvane::dbpipeline
