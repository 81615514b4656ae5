#include "batch/dotted_address.h"

namespace quorvane {

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

}  // namespace

std::optional<std::uint32_t> ParseDottedAddress(std::u16string_view text) {
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
            if (pos == end || text[pos] != u'.') {
                return std::nullopt;
            }
            ++pos;
        }
        std::uint32_t value = 0;
        int digits = 0;
        while (pos < end && text[pos] >= u'0' && text[pos] <= u'9' && digits < 4) {
            value = value * 10 + static_cast<std::uint32_t>(text[pos] - u'0');
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

}  // namespace quorvane
