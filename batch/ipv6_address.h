// Which texts a lookup run resolves as IPv6 addresses: the text forms of an IPv6 address (eight
// groups of one to four hexadecimal digits, one "::" standing for one or more groups of zeros, the
// last 32 bits optionally written as a dotted IPv4 address), and nothing else. Forms that name
// more than an address (a zone "%eth0", a prefix length "/64", brackets and a port) are refused,
// as other non-addresses are.
#ifndef QUORVANE_BATCH_IPV6_ADDRESS_H_
#define QUORVANE_BATCH_IPV6_ADDRESS_H_

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane {

// An IPv6 address: high holds its first 64 bits (the first four groups), low the last 64.
struct Ipv6Address {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    friend bool operator==(const Ipv6Address&, const Ipv6Address&) = default;
};

// The address text names, when text, with any spaces and tabs before and after, is one of the
// text forms above: hexadecimal digits in either case; at most one "::", which must stand for at
// least one group; a dotted tail of four decimal parts 0..255 without leading zeros ("01" is
// refused, as the system's own parser refuses it) in place of the last two groups. Nothing
// otherwise.
std::optional<Ipv6Address> ParseIpv6Address(std::u16string_view text);
// The same for text of one byte a character.
std::optional<Ipv6Address> ParseIpv6Address(std::string_view text);

// The IPv4 address an IPv4-mapped address (::ffff:0:0/96, however written: "::ffff:1.2.3.4" or
// "::ffff:102:304") stands for, as a number (1.2.3.4 is 0x01020304): such a row is looked up in
// the IPv4 file as that address. Nothing for any other address.
std::optional<std::uint32_t> MappedIpv4(const Ipv6Address& address);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_IPV6_ADDRESS_H_
