// Which texts a lookup run resolves: only IPv4 addresses written in dotted decimal. The engine's
// ip2long reads almost any text as some number ("hello" as 0.0.0.0, "1.2.3" as 1.2.0.3); a run
// that trusted it would show a location for text that names no address.
#ifndef QUORVANE_BATCH_DOTTED_ADDRESS_H_
#define QUORVANE_BATCH_DOTTED_ADDRESS_H_

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane {

// Narrows [pos, end) of text to leave out the spaces and tabs at either end: an address cell's
// blanks around the address are not part of it.
template <typename Char>
void TrimBlanks(std::basic_string_view<Char> text, std::size_t& pos, std::size_t& end) {
    pos = 0;
    end = text.size();
    while (pos < end && (text[pos] == Char(' ') || text[pos] == Char('\t'))) {
        ++pos;
    }
    while (end > pos && (text[end - 1] == Char(' ') || text[end - 1] == Char('\t'))) {
        --end;
    }
}

// The four dot-separated decimal parts (one to three digits, each at most 255) that fill
// text[pos, end) exactly, as a number; nothing otherwise. leadingZeros: whether a part of more than
// one digit may start with 0 ("010" read as 10); the IPv6 forms' dotted tail refuses them.
template <typename Char>
std::optional<std::uint32_t> ReadDottedParts(std::basic_string_view<Char> text, std::size_t pos,
                                             std::size_t end, bool leadingZeros) {
    std::uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos == end || text[pos] != Char('.')) {
                return std::nullopt;
            }
            ++pos;
        }
        const std::size_t first = pos;
        std::uint32_t value = 0;
        while (pos < end && text[pos] >= Char('0') && text[pos] <= Char('9') && pos - first < 4) {
            value = value * 10 + static_cast<std::uint32_t>(text[pos] - Char('0'));
            ++pos;
        }
        const std::size_t digits = pos - first;
        if (digits == 0 || digits > 3 || value > 255 ||
            (!leadingZeros && digits > 1 && text[first] == Char('0'))) {
            return std::nullopt;
        }
        address = (address << 8) | value;
    }
    if (pos != end) {
        return std::nullopt;
    }
    return address;
}

// The address text names, as a number (1.2.3.4 is 0x01020304), when text is four groups of one
// to three ASCII digits separated by '.', each group at most 255 (leading zeros read as decimal:
// "010" is 10), with any number of spaces and tabs before and after; nothing otherwise.
std::optional<std::uint32_t> ParseDottedAddress(std::u16string_view text);
// The same for text of one byte a character (the compact form of plain ASCII addresses).
std::optional<std::uint32_t> ParseDottedAddress(std::string_view text);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_DOTTED_ADDRESS_H_
