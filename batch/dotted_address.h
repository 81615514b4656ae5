// Which texts a lookup run resolves: only IPv4 addresses written in dotted decimal. The engine's
// ip2long reads almost any text as some number ("hello" as 0.0.0.0, "1.2.3" as 1.2.0.3); a run
// that trusted it would show a location for text that names no address.
#ifndef QUORVANE_BATCH_DOTTED_ADDRESS_H_
#define QUORVANE_BATCH_DOTTED_ADDRESS_H_

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane {

// The address text names, as a number (1.2.3.4 is 0x01020304), when text is four groups of one
// to three ASCII digits separated by '.', each group at most 255 (leading zeros read as decimal:
// "010" is 10), with any number of spaces and tabs before and after; nothing otherwise.
std::optional<std::uint32_t> ParseDottedAddress(std::u16string_view text);
// The same for text of one byte a character (the compact form of plain ASCII addresses).
std::optional<std::uint32_t> ParseDottedAddress(std::string_view text);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_DOTTED_ADDRESS_H_
