// The IPv6 rule against the system's own parser (POSIX only).
#include <arpa/inet.h>
#include <gtest/gtest.h>

#include "batch/ipv6_address.h"

namespace quorvane {
namespace {

// The rule and the system's own parser agree on the forms both read (inet_pton takes no blanks).
TEST(Ipv6AddressTest, AgreesWithTheSystemParser) {
    for (const char* text : {"::", "::1", "1::", "a:b:c:d:e:f:1.2.3.4", "::ffff:0.0.0.0",
                             "ABCD:ef01::9", "1:2:3:4:5:6:7:8", "1:0::0:1", "::ffff:1.2.3.04",
                             "1:2:3:4:5:6:7:8:9", "1:2:3:4:5:6:7:8::", "1::2::3", "00000::1"}) {
        unsigned char bytes[16];
        const bool system = inet_pton(AF_INET6, text, bytes) == 1;
        const std::optional<Ipv6Address> ours = ParseIpv6Address(text);
        ASSERT_EQ(ours.has_value(), system) << text;
        if (system) {
            std::uint64_t high = 0, low = 0;
            for (int i = 0; i < 8; ++i) {
                high = (high << 8) | bytes[i];
                low = (low << 8) | bytes[8 + i];
            }
            EXPECT_EQ(*ours, (Ipv6Address{high, low})) << text;
        }
    }
}

}  // namespace
}  // namespace quorvane
