#include "batch/ipv6_address.h"

#include <array>
#include <type_traits>

#include "batch/dotted_address.h"

namespace quorvane {

namespace {

constexpr int kGroups = 8;
// A group holds 16 bits: four hexadecimal digits.
constexpr int kMaxGroupDigits = 4;

// Each byte's value as a hexadecimal digit, or -1: one load a character, as a run reads a million
// addresses.
constexpr std::array<signed char, 256> kHexValues = [] {
    std::array<signed char, 256> values{};
    for (int c = 0; c < 256; ++c) {
        values[c] = c >= '0' && c <= '9'   ? static_cast<signed char>(c - '0')
                    : c >= 'a' && c <= 'f' ? static_cast<signed char>(c - 'a' + 10)
                    : c >= 'A' && c <= 'F' ? static_cast<signed char>(c - 'A' + 10)
                                           : -1;
    }
    return values;
}();

template <typename Char>
int HexValue(Char c) {
    const auto code = static_cast<std::make_unsigned_t<Char>>(c);
    if constexpr (sizeof(Char) == 1) {
        return kHexValues[code];
    } else {
        return code < kHexValues.size() ? kHexValues[code] : -1;
    }
}

// The groups as read, and where "::" stood (the number of groups before it), or -1.
struct Groups {
    std::array<std::uint16_t, kGroups> value{};
    int count = 0;
    int gap = -1;
};

// Reads the groups of text[pos, end); false on anything that is not one of the text forms.
template <typename Char>
bool ReadGroups(std::basic_string_view<Char> text, std::size_t pos, std::size_t end, Groups& g) {
    const Char* const base = text.data();
    const Char* at = base + pos;
    const Char* const stop = base + end;
    if (stop - at >= 2 && at[0] == Char(':') && at[1] == Char(':')) {
        g.gap = 0;
        at += 2;
        if (at == stop) {
            return true;
        }
    }
    for (;;) {
        const Char* const first = at;
        // One digit more than a group holds is read, so that a group too long is seen.
        const Char* const limit = stop - at > kMaxGroupDigits ? at + kMaxGroupDigits + 1 : stop;
        unsigned value = 0;
        int digit = 0;
        while (at < limit && (digit = HexValue(*at)) >= 0) {
            value = value * 16 + static_cast<unsigned>(digit);
            ++at;
        }
        if (at < stop && *at == Char('.')) {
            const std::optional<std::uint32_t> tail =
                ReadDottedParts(text, static_cast<std::size_t>(first - base), end, false);
            if (!tail || g.count > kGroups - 2) {
                return false;
            }
            g.value[g.count++] = static_cast<std::uint16_t>(*tail >> 16);
            g.value[g.count++] = static_cast<std::uint16_t>(*tail);
            return true;
        }
        if (at == first || at - first > kMaxGroupDigits || g.count == kGroups) {
            return false;
        }
        g.value[g.count++] = static_cast<std::uint16_t>(value);
        if (at == stop) {
            return true;
        }
        if (*at != Char(':') || ++at == stop) {
            return false;  // another character, or a lone ':' at the end
        }
        if (*at == Char(':')) {
            if (g.gap >= 0) {
                return false;
            }
            g.gap = g.count;
            if (++at == stop) {
                return true;
            }
        }
    }
}

template <typename Char>
std::optional<Ipv6Address> Parse(std::basic_string_view<Char> text) {
    std::size_t pos = 0;
    std::size_t end = 0;
    TrimBlanks(text, pos, end);
    Groups g;
    if (!ReadGroups(text, pos, end, g)) {
        return std::nullopt;
    }
    // Without "::" there must be eight groups; with it, fewer, since it stands for at least one.
    if (g.gap < 0 ? g.count != kGroups : g.count >= kGroups) {
        return std::nullopt;
    }
    std::array<std::uint16_t, kGroups> groups{};
    const int after = g.gap < 0 ? 0 : g.count - g.gap;
    for (int i = 0; i < g.count - after; ++i) {
        groups[i] = g.value[i];
    }
    for (int i = 0; i < after; ++i) {
        groups[kGroups - after + i] = g.value[g.gap + i];
    }
    Ipv6Address address;
    for (int i = 0; i < 4; ++i) {
        address.high = (address.high << 16) | groups[i];
        address.low = (address.low << 16) | groups[4 + i];
    }
    return address;
}

}  // namespace

std::optional<Ipv6Address> ParseIpv6Address(std::u16string_view text) {
    return Parse(text);
}

std::optional<Ipv6Address> ParseIpv6Address(std::string_view text) {
    return Parse(text);
}

std::optional<std::uint32_t> MappedIpv4(const Ipv6Address& address) {
    if (address.high != 0 || (address.low >> 32) != 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(address.low);
}

}  // namespace quorvane
