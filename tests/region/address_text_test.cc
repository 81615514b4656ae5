// Dotted text to numbers, with every quirk callers depend on, and the little-endian reader.
#include <quorvane/region.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr std::uint32_t Addr(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    return a << 24 | b << 16 | c << 8 | d;
}

struct Ip2LongCase {
    std::string text;
    std::uint32_t expected;
};

class Ip2LongTest : public ::testing::TestWithParam<Ip2LongCase> {};

TEST_P(Ip2LongTest, ConvertsAsDocumented) {
    EXPECT_EQ(ip2long(GetParam().text.c_str()), GetParam().expected) << "text: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    QuirksTable, Ip2LongTest,
    ::testing::Values(
        Ip2LongCase{"1.2.3.4", 16909060u}, Ip2LongCase{" 1 . 2 . 3 . 4 ", 16909060u},
        Ip2LongCase{"255.255.255.255", 4294967295u}, Ip2LongCase{"0.0.0.0", 0u},
        Ip2LongCase{"1.2.3", Addr(1, 2, 0, 3)}, Ip2LongCase{"10.1", Addr(10, 0, 0, 1)},
        Ip2LongCase{"1..2.3", Addr(1, 0, 2, 3)}, Ip2LongCase{"", 0u}, Ip2LongCase{"a.b.c.d", 0u},
        Ip2LongCase{"1234.5.6.7", 0u}, Ip2LongCase{"1.2.3.4567", 0u},
        Ip2LongCase{"1.2.3.4.5", Addr(1, 2, 3, 5)}, Ip2LongCase{"1.2.3.4.5.6", Addr(1, 2, 3, 5)},
        Ip2LongCase{"300.0.0.1", Addr(44, 0, 0, 1)}, Ip2LongCase{"1.-1.2.3", Addr(255, 255, 2, 3)},
        Ip2LongCase{"1.2.3.4\r", Addr(1, 2, 3, 4)}, Ip2LongCase{"1.2.3.255\r", 0u},
        // Spaces never count toward a group's four characters, other blanks do.
        Ip2LongCase{"1.2.3.2  5  5", Addr(1, 2, 3, 255)}, Ip2LongCase{"1.2.3.\t\t\t4", 0u},
        Ip2LongCase{"1.2.\t7.4", Addr(1, 2, 7, 4)},
        // atoi per group: a sign, digits up to the first other character, no digits gives 0.
        Ip2LongCase{"1.+2.3.4", Addr(1, 2, 3, 4)}, Ip2LongCase{"1.2x.3.4", Addr(1, 2, 3, 4)},
        Ip2LongCase{"1.x2.3.4", Addr(1, 0, 3, 4)}, Ip2LongCase{"1.2.3.-", Addr(1, 2, 3, 0)},
        Ip2LongCase{"-1", 0xFFFFFFFFu}, Ip2LongCase{"7", 7u}, Ip2LongCase{".", 0u},
        // A part after the fourth dot lands unshifted in the low byte.
        Ip2LongCase{"1.2.3.4.255", Addr(1, 2, 3, 255)},
        // The four-character rule also applies after the walk has passed the last dot.
        Ip2LongCase{"1.2.3.4.5678", 0u}, Ip2LongCase{"1.2.3.4.5.6789", Addr(1, 2, 3, 5)}));

TEST(Ip2LongTest, NullTextIsZero) {
    EXPECT_EQ(ip2long(nullptr), 0u);
}

TEST(GetUnsignedIntTest, ReadsLittleEndianAtAnyOffset) {
    const unsigned char bytes[] = {0xAA, 0x04, 0x03, 0x02, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0x80};
    EXPECT_EQ(getUnsignedInt(bytes, 1), 16909060u);
    EXPECT_EQ(getUnsignedInt(bytes, 5), 0xFFFFFFFFu);
    // The top byte stays unsigned: no sign extension from a byte with its high bit set.
    EXPECT_EQ(getUnsignedInt(bytes, 6), 0x80FFFFFFu);
}

TEST(Long2IpTest, AlwaysZero) {
    EXPECT_EQ(long2ip(), 0u);
}

}  // namespace
