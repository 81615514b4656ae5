#include "batch/ipv6_address.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

constexpr Ipv6Address Address(std::uint64_t high, std::uint64_t low) {
    return {high, low};
}

TEST(Ipv6AddressTest, EveryTextFormNamesItsAddress) {
    EXPECT_EQ(ParseIpv6Address("2001:4860:4860:0:0:0:0:8888"), Address(0x2001486048600000, 0x8888));
    EXPECT_EQ(ParseIpv6Address("2001:4860:4860::8888"), Address(0x2001486048600000, 0x8888));
    EXPECT_EQ(ParseIpv6Address("240E:4C:4008::1"), Address(0x240E004C40080000, 1));
    EXPECT_EQ(ParseIpv6Address("240e:4c:4008::1"), ParseIpv6Address("240E:004C:4008:0::0:1"));
    EXPECT_EQ(ParseIpv6Address("::"), Address(0, 0));
    EXPECT_EQ(ParseIpv6Address("::1"), Address(0, 1));
    EXPECT_EQ(ParseIpv6Address("1::"), Address(0x0001000000000000, 0));
    EXPECT_EQ(ParseIpv6Address("1:2:3:4:5:6:7::"), Address(0x0001000200030004, 0x0005000600070000));
    EXPECT_EQ(ParseIpv6Address("::2:3:4:5:6:7:8"), Address(0x0000000200030004, 0x0005000600070008));
    EXPECT_EQ(ParseIpv6Address("ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff"),
              Address(UINT64_MAX, UINT64_MAX));
    EXPECT_EQ(ParseIpv6Address("::ffff:8.8.8.8"), Address(0, 0x0000FFFF08080808));
    EXPECT_EQ(ParseIpv6Address("::1.2.3.4"), Address(0, 0x01020304));
    EXPECT_EQ(ParseIpv6Address("1:2:3:4:5:6:1.2.3.4"),
              Address(0x0001000200030004, 0x0005000601020304));
    EXPECT_EQ(ParseIpv6Address("1::6:255.255.255.0"),
              Address(0x0001000000000000, 0x00000006FFFFFF00));
    EXPECT_EQ(ParseIpv6Address(" \t2409:8000::1\t "), Address(0x2409800000000000, 1));
    EXPECT_EQ(ParseIpv6Address(u" 2409:8000::1 "), Address(0x2409800000000000, 1));
}

TEST(Ipv6AddressTest, TextThatIsNotJustAnAddress) {
    for (const char* text : {"",
                             " ",
                             "::::",
                             ":::",
                             "1:::2",
                             "[2001:db8::1]",
                             "[2001:db8::1]:443",
                             "2001:db8::1%eth0",
                             "fe80::1%1",
                             "2001:db8::/32",
                             "2001:db8::1/128",
                             "1:2:3:4:5:6:7:8:9",
                             "1::2::3",
                             "::1::",
                             "12345::1",
                             "1:2:3:4:5:6:7:8::",
                             "::1:2:3:4:5:6:7:8",
                             "1:2:3:4:5:6:7::8",
                             "1:2:3:4:5:6:7",
                             ":1::2",
                             "1::2:",
                             ":",
                             "1:",
                             "1.2.3.4",
                             "::ffff:1.2.3",
                             "::ffff:1.2.3.4.5",
                             "::ffff:01.2.3.4",
                             "::ffff:256.1.1.1",
                             "::1.2.3.4:5",
                             "1:2:3:4:5:6:7:1.2.3.4",
                             "1:2:3:4:5:6::1.2.3.4",
                             "::g",
                             "::1 x",
                             "240e::1\r",
                             "0x1::",
                             "1 ::2",
                             "中文::1",
                             "::ffff:1a.2.3.4",
                             "::1.2.3.4/24",
                             "2001:db8::1 2001:db8::2"}) {
        EXPECT_EQ(ParseIpv6Address(text), std::nullopt) << text;
    }
    EXPECT_EQ(ParseIpv6Address(std::string("::1\0", 4)), std::nullopt);
    EXPECT_EQ(ParseIpv6Address(u"::\uFF11"), std::nullopt) << "a full-width digit";
}

// Edges of the forms: the longest text, groups too long, "::" at either end, colons astray.
TEST(Ipv6AddressTest, EdgesOfTheForms) {
    EXPECT_EQ(ParseIpv6Address("ffff:ffff:ffff:ffff:ffff:ffff:255.255.255.255"),
              Address(~0ull, ~0ull));
    EXPECT_EQ(ParseIpv6Address("ffff:ffff:ffff:ffff:ffff:ffff:255.255.255.2550"), std::nullopt);
    EXPECT_EQ(ParseIpv6Address("  0000:0000:0000:0000:0000:0000:0000:0001  "), Address(0, 1));
    EXPECT_EQ(ParseIpv6Address("0000:0000:0000:0000:0000:0000:0000:00001"), std::nullopt);
    EXPECT_EQ(ParseIpv6Address("1:2:3:4:5:6:7:8"),
              Address(0x0001000200030004ull, 0x0005000600070008ull));
    EXPECT_EQ(ParseIpv6Address("aBcD::eF01"), Address(0xABCD000000000000ull, 0xEF01ull));
    EXPECT_EQ(ParseIpv6Address("1:2:3:4:5:6:7::"),
              Address(0x0001000200030004ull, 0x0005000600070000ull));
    EXPECT_EQ(ParseIpv6Address("::2:3:4:5:6:7:8"),
              Address(0x0000000200030004ull, 0x0005000600070008ull));
    for (const char* refused :
         {":", ":::", "1:::2", "1:2:3:4:5:6:7:8:", ":1:2:3:4:5:6:7:8", "1::2::3",
          "12345::", "1:2:3:4:5:6:7:8:9", "::1:2:3:4:5:6:7:8", "fffg::", "1.2.3.4::"}) {
        EXPECT_EQ(ParseIpv6Address(refused), std::nullopt) << refused;
    }
}

TEST(Ipv6AddressTest, MappedAddressesNameTheirIpv4Address) {
    EXPECT_EQ(MappedIpv4(*ParseIpv6Address("::ffff:8.8.8.8")), 0x08080808u);
    EXPECT_EQ(MappedIpv4(*ParseIpv6Address("::FFFF:0808:0808")), 0x08080808u);
    EXPECT_EQ(MappedIpv4(*ParseIpv6Address("0:0:0:0:0:ffff:255.255.255.255")), 0xFFFFFFFFu);
    EXPECT_EQ(MappedIpv4(*ParseIpv6Address("::1.2.3.4")), std::nullopt) << "IPv4-compatible";
    EXPECT_EQ(MappedIpv4(*ParseIpv6Address("::fffe:1.2.3.4")), std::nullopt);
    EXPECT_EQ(MappedIpv4(*ParseIpv6Address("1::ffff:1.2.3.4")), std::nullopt);
    EXPECT_EQ(MappedIpv4(*ParseIpv6Address("64:ff9b::1.2.3.4")), std::nullopt) << "NAT64";
}

}  // namespace
}  // namespace quorvane
