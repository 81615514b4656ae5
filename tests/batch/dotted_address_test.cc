#include "batch/dotted_address.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace quorvane
