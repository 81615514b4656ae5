// The IPv6 text rule against the system's parser: a text (blanks around it aside) is read as an
// IPv6 address exactly when inet_pton(AF_INET6) reads it, and as the same address; the forms the
// rule refuses beyond that (zones, prefixes, brackets, ports) are ones inet_pton refuses too. The
// UTF-16 reading agrees with the byte reading.
#include <arpa/inet.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "batch/ipv6_address.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<quorvane::Ipv6Address> ours = quorvane::ParseIpv6Address(text);

    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && (text[first] == ' ' || text[first] == '\t')) {
        ++first;
    }
    while (end > first && (text[end - 1] == ' ' || text[end - 1] == '\t')) {
        --end;
    }
    const std::string trimmed(text.substr(first, end - first));
    unsigned char bytes[16];
    const bool system =
        trimmed.find('\0') == std::string::npos && inet_pton(AF_INET6, trimmed.c_str(), bytes) == 1;
    if (ours.has_value() != system) {
        std::abort();
    }
    if (system) {
        std::uint64_t high = 0;
        std::uint64_t low = 0;
        for (int i = 0; i < 8; ++i) {
            high = (high << 8) | bytes[i];
            low = (low << 8) | bytes[8 + i];
        }
        if (ours->high != high || ours->low != low) {
            std::abort();
        }
    }
    // Each byte as one UTF-16 unit: the same characters, the same answer.
    std::u16string wide(text.begin(), text.end());
    for (std::size_t i = 0; i < text.size(); ++i) {
        wide[i] = static_cast<unsigned char>(text[i]);
    }
    if (quorvane::ParseIpv6Address(std::u16string_view(wide)) != ours) {
        std::abort();
    }
    return 0;
}
