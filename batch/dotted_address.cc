#include "batch/dotted_address.h"

namespace quorvane {

namespace {

template <typename Char>
bool IsBlank(Char c) {
    return c == Char(' ') || c == Char('\t');
}

template <typename Char>
std::optional<std::uint32_t> Parse(std::basic_string_view<Char> text) {
    std::size_t pos = 0;
    std::size_t end = text.size();
    while (pos < end && IsBlank(text[pos])) {
        ++pos;
    }
    while (end > pos && IsBlank(text[end - 1])) {
        --end;
    }
    std::uint32_t address = 0;
    for (int group = 0; group < 4; ++group) {
        if (group > 0) {
            if (pos == end || text[pos] != Char('.')) {
                return std::nullopt;
            }
            ++pos;
        }
        std::uint32_t value = 0;
        int digits = 0;
        while (pos < end && text[pos] >= Char('0') && text[pos] <= Char('9') && digits < 4) {
            value = value * 10 + static_cast<std::uint32_t>(text[pos] - Char('0'));
            ++digits;
            ++pos;
        }
        if (digits == 0 || digits > 3 || value > 255) {
            return std::nullopt;
        }
        address = (address << 8) | value;
    }
    if (pos != end) {
        return std::nullopt;
    }
    return address;
}

}  // namespace

std::optional<std::uint32_t> ParseDottedAddress(std::u16string_view text) {
    return Parse(text);
}

std::optional<std::uint32_t> ParseDottedAddress(std::string_view text) {
    return Parse(text);
}

}  // namespace quorvane
