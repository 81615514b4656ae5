#include "batch/dotted_address.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "tests/support/random_edit.h"

namespace quorvane {
namespace {

TEST(DottedAddressTest, FourDecimalGroupsWithBlanksAround) {
    EXPECT_EQ(ParseDottedAddress(u"1.2.3.4"), 0x01020304u);
    EXPECT_EQ(ParseDottedAddress(u"0.0.0.0"), 0u);
    EXPECT_EQ(ParseDottedAddress(u"255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseDottedAddress(u" \t 8.8.4.4\t "), 0x08080404u);
    EXPECT_EQ(ParseDottedAddress(u"\t\t\t\t1.2.3.4"), 0x01020304u)
        << "more blanks than the engine's four-character groups hold";
    EXPECT_EQ(ParseDottedAddress(u"010.001.000.099"), 0x0A010063u) << "leading zeros are decimal";
}

TEST(DottedAddressTest, TextThatNamesNoAddress) {
    for (const char16_t* text : {u"",           u"  ",
                                 u"hello",      u"abc.def.ghi.jkl",
                                 u"中文地址",   u"1.2.3.4#comment",
                                 u"240e::1",    u"999.1.1.1",
                                 u"256.0.0.0",  u"1.2.3.-4",
                                 u"1.2.3",      u"1.2.3.4.5",
                                 u"1..2.3",     u"1.2.3.4.",
                                 u".1.2.3.4",   u"0001.2.3.4",
                                 u"1.2.3.0004", u"1. 2.3.4",
                                 u"1.2.3.4 x",  u"+1.2.3.4",
                                 u"1.2.3.4\r",  u"1.2.3.\uFF14",
                                 u"0x1.2.3.4"}) {
        EXPECT_EQ(ParseDottedAddress(text), std::nullopt) << std::u16string(text).size();
    }
    EXPECT_EQ(ParseDottedAddress(std::u16string(u"1.2.3.4\0", 8)), std::nullopt);
}

// The rule read the plain way, one character at a time: groups of digits between dots.
template <typename Char>
std::optional<std::uint32_t> PlainDottedParts(std::basic_string_view<Char> text,
                                              bool leadingZeros) {
    std::uint32_t address = 0;
    int parts = 0;
    std::size_t pos = 0;
    while (true) {
        const std::size_t first = pos;
        std::uint32_t value = 0;
        while (pos < text.size() && text[pos] >= Char('0') && text[pos] <= Char('9')) {
            value = value * 10 + static_cast<std::uint32_t>(text[pos] - Char('0'));
            if (++pos - first > 3) {
                return std::nullopt;
            }
        }
        const std::size_t digits = pos - first;
        if (digits == 0 || value > 255 || (!leadingZeros && digits > 1 && text[first] == '0')) {
            return std::nullopt;
        }
        address = (address << 8) | value;
        if (++parts == 4) {
            return pos == text.size() ? std::optional<std::uint32_t>(address) : std::nullopt;
        }
        if (pos == text.size() || text[pos] != Char('.')) {
            return std::nullopt;
        }
        ++pos;
    }
}

TEST(DottedAddressTest, PartsAgreeWithThePlainReadingOnRandomTexts) {
    // Four groups of zero to four digits, leaning to 0, 2, 5 and 9 (the edges of 255 and of
    // leading zeros), then now and then one character put in, taken out or changed.
    const std::u16string digits = u"0123456789002559";
    const std::u16string others = u"0.. \t-x\uFF10\u0130";
    std::mt19937 random(20261208);
    const auto below = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    int accepted = 0;
    for (int round = 0; round < 200000; ++round) {
        std::u16string wide;
        for (int group = 0; group < 4; ++group) {
            wide += group > 0 ? u"." : u"";
            for (std::size_t n = below(5); n > 0; --n) {
                wide += digits[below(digits.size())];
            }
        }
        for (std::size_t edits = below(3); edits > 0 && !wide.empty(); --edits) {
            test::EditOnce(wide, others, random);
        }
        std::string narrow(wide.begin(), wide.end());  // the wide ones become other bytes
        for (const bool leadingZeros : {true, false}) {
            const auto expected = PlainDottedParts(std::u16string_view(wide), leadingZeros);
            ASSERT_EQ(ReadDottedParts(std::u16string_view(wide), 0, wide.size(), leadingZeros),
                      expected)
                << std::string(narrow) << " leadingZeros " << leadingZeros;
            ASSERT_EQ(ReadDottedParts(std::string_view(narrow), 0, narrow.size(), leadingZeros),
                      PlainDottedParts(std::string_view(narrow), leadingZeros))
                << narrow;
            accepted += expected ? 1 : 0;
        }
    }
    EXPECT_GT(accepted, 5000) << "the texts must reach the accepting side too";
}

TEST(DottedAddressTest, GroupBoundariesInsideALongerText) {
    // The parts must fill [pos, end) exactly: digits just outside it are not read.
    const std::string_view text = "91.2.3.45";
    EXPECT_EQ(ReadDottedParts(text, 1, 8, true), 0x01020304u);
    EXPECT_EQ(ReadDottedParts(text, 1, 9, true), 0x0102032Du);
    EXPECT_EQ(ReadDottedParts(text, 0, 8, true), 0x5B020304u);
    EXPECT_EQ(ReadDottedParts(text, 1, 7, true), std::nullopt);
    EXPECT_EQ(ReadDottedParts(std::string_view("1.2.3.255"), 0, 9, false), 0x010203FFu);
    for (const char* refused : {"1.2.3.05", "00.1.2.3", "1.2.3.000", "1.256.3.4", "1.2.3.2550"}) {
        EXPECT_EQ(
            ReadDottedParts(std::string_view(refused), 0, std::string_view(refused).size(), false),
            std::nullopt)
            << refused;
    }
    EXPECT_EQ(ReadDottedParts(std::string_view("1.2.3.000"), 0, 9, true), 0x01020300u);
    EXPECT_EQ(ParseDottedAddress(" 1.2.3.4\t"), 0x01020304u);
    EXPECT_EQ(ParseDottedAddress("1.2.3.4 5"), std::nullopt);
    EXPECT_EQ(ParseDottedAddress("1.2.3.256"), std::nullopt);
    EXPECT_EQ(ParseDottedAddress("1.2.3."), std::nullopt);
}

}  // namespace
}  // namespace quorvane
