#include "batch/dotted_address.h"

namespace quorvane {

namespace {

template <typename Char>
std::optional<std::uint32_t> Parse(std::basic_string_view<Char> text) {
    std::size_t pos = 0;
    std::size_t end = 0;
    TrimBlanks(text, pos, end);
    return ReadDottedParts(text, pos, end, true);
}

}  // namespace

std::optional<std::uint32_t> ParseDottedAddress(std::u16string_view text) {
    return Parse(text);
}

std::optional<std::uint32_t> ParseDottedAddress(std::string_view text) {
    return Parse(text);
}

}  // namespace quorvane
