// The IPv6 rule against the system's own parser (POSIX only).
#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "batch/ipv6_address.h"
#include "tests/support/random_edit.h"

namespace quorvane {
namespace {

// Whether the rule reads text as the system's own parser does: the same verdict, the same address.
void ExpectSystemVerdict(const char* text) {
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

// The rule and the system's own parser agree on the forms both read (inet_pton takes no blanks).
TEST(Ipv6AddressTest, AgreesWithTheSystemParser) {
    for (const char* text : {"::", "::1", "1::", "a:b:c:d:e:f:1.2.3.4", "::ffff:0.0.0.0",
                             "ABCD:ef01::9", "1:2:3:4:5:6:7:8", "1:0::0:1", "::ffff:1.2.3.04",
                             "1:2:3:4:5:6:7:8:9", "1:2:3:4:5:6:7:8::", "1::2::3", "00000::1"}) {
        ExpectSystemVerdict(text);
    }
}

// Texts near the edges of the forms: one to nine groups of zero to five digits, a "::" now and
// then, a dotted tail now and then, and a character put in, taken out or changed.
TEST(Ipv6AddressTest, AgreesWithTheSystemParserOnRandomTexts) {
    const std::string digits = "0123456789abcdefABCDEF000f";
    const std::string others = "::..0fg%/";  // no blanks: the system takes none
    std::mt19937 random(20261208);
    const auto below = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    int accepted = 0;
    for (int round = 0; round < 100000 && !HasFatalFailure() && !HasNonfatalFailure(); ++round) {
        std::string text;
        const std::size_t groups = 1 + below(9);
        const std::size_t gap = below(groups + 4);  // past the end: no "::"
        for (std::size_t group = 0; group < groups; ++group) {
            text += group == gap ? "::" : group > 0 ? ":" : "";
            for (std::size_t n = below(3) == 0 ? below(6) : 1 + below(4); n > 0; --n) {
                text += digits[below(digits.size())];
            }
        }
        if (below(4) == 0) {
            text += ":" + std::to_string(below(300)) + "." + std::to_string(below(3)) + ".0." +
                    std::to_string(below(260));
        }
        for (std::size_t edits = below(4) == 0 ? 1 : 0; edits > 0 && !text.empty(); --edits) {
            test::EditOnce(text, others, random);
        }
        ExpectSystemVerdict(text.c_str());
        unsigned char bytes[16];
        accepted += inet_pton(AF_INET6, text.c_str(), bytes) == 1 ? 1 : 0;
    }
    EXPECT_GT(accepted, 10000) << "the texts must reach the accepting side too";
}

}  // namespace
}  // namespace quorvane
