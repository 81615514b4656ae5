#include "batch/ipv6_rows.h"

#include <optional>
#include <string>

#include "batch/ipv6_address.h"

namespace quorvane {

bool MayHoldIpv6Rows(const CAddressBlock& addresses) {
    return addresses.MayHoldByte(':');
}

std::size_t CountIpv6Rows(const CAddressBlock& addresses, std::size_t rows) {
    if (!MayHoldIpv6Rows(addresses)) {
        return 0;
    }
    std::size_t count = 0;
    std::u16string wide;
    for (std::size_t row = 0; row < rows; ++row) {
        std::optional<Ipv6Address> address;
        if (addresses.IsAscii(row)) {
            address = ParseIpv6Address(addresses.AsciiAt(row));
        } else {
            addresses.CopyText(row, wide);
            address = ParseIpv6Address(std::u16string_view(wide));
        }
        count += address && !MappedIpv4(*address);
    }
    return count;
}

}  // namespace quorvane
