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

// The digit at at as a number, or a value above 9 when at is end or holds no ASCII digit.
template <typename Char>
std::uint32_t DigitAt(const Char* at, const Char* end) {
    return at < end ? static_cast<std::uint32_t>(*at) - std::uint32_t{'0'} : 10;
}

// The four dot-separated decimal parts (one to three digits, each at most 255) that fill
// text[pos, end) exactly, as a number; nothing otherwise. leadingZeros: whether a part of more than
// one digit may start with 0 ("010" read as 10); the IPv6 forms' dotted tail refuses them.
// Every row of a list goes through here, so each part's digits are read unrolled, without a loop.
template <typename Char>
std::optional<std::uint32_t> ReadDottedParts(std::basic_string_view<Char> text, std::size_t pos,
                                             std::size_t end, bool leadingZeros) {
    const Char* at = text.data() + pos;
    const Char* const stop = text.data() + end;
    std::uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (at == stop || *at != Char('.')) {
                return std::nullopt;
            }
            ++at;
        }
        const std::uint32_t first = DigitAt(at, stop);
        if (first > 9) {
            return std::nullopt;
        }
        std::uint32_t value = first;
        if (const std::uint32_t second = DigitAt(at + 1, stop); second > 9) {
            at += 1;
        } else {
            if (first == 0 && !leadingZeros) {
                return std::nullopt;
            }
            if (const std::uint32_t third = DigitAt(at + 2, stop); third > 9) {
                value = first * 10 + second;
                at += 2;
            } else {
                value = first * 100 + second * 10 + third;
                at += 3;
                if (DigitAt(at, stop) <= 9 || value > 255) {
                    return std::nullopt;  // a fourth digit, or more than a byte
                }
            }
        }
        address = (address << 8) | value;
    }
    if (at != stop) {
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
