#include <gtest/gtest.h>

#include <random>
#include <string>
#include <thread>
#include <vector>

#include "files/conversions.h"

namespace quorvane {
namespace {

// Restores the locale's narrow character set when a test that replaced it ends.
class ConversionsTest : public ::testing::Test {
  protected:
    void TearDown() override { SetAnsiCharset(""); }
};

bool IsWellFormedUtf16(const std::u16string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) {
                return false;
            }
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

// GB18030 as the C library knows it does not round-trip some private-use characters, so
// tests through it leave them out.
std::u16string RandomWellFormedUtf16(std::mt19937& rng, std::size_t chars, bool privateUse = true) {
    std::uniform_int_distribution<int> plane(0, 9);
    std::uniform_int_distribution<std::uint32_t> ascii(1, 0x7F);
    std::uniform_int_distribution<std::uint32_t> bmp(0x80, 0xFFFF);
    std::uniform_int_distribution<std::uint32_t> astral(0x10000, 0x10FFFF);
    std::u16string out;
    while (out.size() < chars) {
        const int p = plane(rng);
        std::uint32_t cp = p < 4 ? ascii(rng) : p < 8 ? bmp(rng) : astral(rng);
        if ((cp >= 0xD800 && cp <= 0xDFFF) || (!privateUse && cp >= 0xE000 && cp <= 0xF8FF)) {
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

TEST_F(ConversionsTest, Utf8RoundTripOfOneCharacter) {
    EXPECT_EQ(Utf8ToWide("\xE4\xB8\xAD"), u"\u4E2D");
    EXPECT_EQ(WideToUtf8(u"\u4E2D"), "\xE4\xB8\xAD");
    EXPECT_EQ(Utf8ToWide("\xF0\x9F\x98\x80"), u"\U0001F600");
    EXPECT_EQ(WideToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(WideToUtf8(u"\u00E9\u07FF\u0800\uFFFF"), "\xC3\xA9\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF");
}

TEST_F(ConversionsTest, InputEndsAtTheFirstNul) {
    EXPECT_EQ(Utf8ToWide(static_cast<const char*>(nullptr)), u"");
    EXPECT_EQ(WideToUtf8(static_cast<const char16_t*>(nullptr)), "");
    EXPECT_EQ(AnsiToWide(static_cast<const char*>(nullptr)), u"");
    EXPECT_EQ(WideToAnsi(static_cast<const char16_t*>(nullptr)), "");
    using namespace std::string_view_literals;
    EXPECT_EQ(Utf8ToWide("ab\0cd"sv), u"ab");
    EXPECT_EQ(Utf8ToWide("\0ab"sv), u"");
    EXPECT_EQ(WideToUtf8(u"ab\0cd"sv), "ab");
    EXPECT_EQ(AnsiToWide("1.2\0.3"sv), u"1.2");
    EXPECT_EQ(WideToAnsi(u"1.2\0.3"sv), "1.2");
}

TEST_F(ConversionsTest, IllFormedUtf8BecomesOneReplacementPerMaximalSubpart) {
    struct Case {
        const char* bytes;
        std::u16string wide;
    };
    const Case cases[] = {
        {"\x80", u"\uFFFD"},
        {"a\xBF"
         "b",
         u"a\uFFFDb"},
        {"\xC0\x80", u"\uFFFD\uFFFD"},  // overlong two-byte form
        {"\xC1\xBF", u"\uFFFD\uFFFD"},
        {"\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},  // overlong three-byte form
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
        {"\xF0\x80\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\xF5\x80", u"\uFFFD\uFFFD"},
        {"\xFF\xFE", u"\uFFFD\uFFFD"},
        {"\xE4\xB8", u"\uFFFD"},  // cut off by the end
        {"\xE4\xB8"
         "a",
         u"\uFFFDa"},  // cut off by a new character
        {"\xF0\x9F\x98", u"\uFFFD"},
        {"\xF0\x9F\x98\xE4\xB8\xAD", u"\uFFFD\u4E2D"},
        {"\xC3"
         "\xE4\xB8\xAD",
         u"\uFFFD\u4E2D"},
        {"\xED\x9F\xBF", u"\uD7FF"},  // the last one before the surrogates
        {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToWide(c.bytes), c.wide) << c.bytes;
        EXPECT_EQ(IsValidUtf8(c.bytes), c.wide.find(u'\uFFFD') == std::u16string::npos) << c.bytes;
    }
    EXPECT_TRUE(IsValidUtf8(std::string_view("a\0b", 3))) << "a NUL is a character";
}

TEST_F(ConversionsTest, UnpairedSurrogatesBecomeReplacements) {
    const char16_t lead[] = {0xD83D, u'a', 0};
    const char16_t trail[] = {0xDE00, 0};
    const char16_t reversed[] = {0xDE00, 0xD83D, 0};
    const char16_t atEnd[] = {u'a', 0xD83D, 0};
    EXPECT_EQ(WideToUtf8(lead),
              "\xEF\xBF\xBD"
              "a");
    EXPECT_EQ(WideToUtf8(trail), "\xEF\xBF\xBD");
    EXPECT_EQ(WideToUtf8(reversed), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(WideToUtf8(atEnd), "a\xEF\xBF\xBD");
}

TEST_F(ConversionsTest, RandomRoundTrips) {
    std::mt19937 rng(20261207);
    for (int round = 0; round < 2000; ++round) {
        const std::u16string wide = RandomWellFormedUtf16(rng, rng() % 64);
        const std::string utf8 = WideToUtf8(wide);
        ASSERT_EQ(Utf8ToWide(utf8), wide);
        ASSERT_EQ(WideToUtf8(Utf8ToWide(utf8)), utf8);
    }
}

TEST_F(ConversionsTest, RandomBytesGiveWellFormedText) {
    std::mt19937 rng(7);
    // Biased towards lead and continuation bytes so that near-valid sequences are common.
    const unsigned char alphabet[] = {0x41, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC2,
                                      0xDF, 0xE0, 0xE4, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF};
    for (int round = 0; round < 5000; ++round) {
        std::string bytes(rng() % 24, '\0');
        for (char& b : bytes) {
            b = static_cast<char>(alphabet[rng() % sizeof alphabet]);
        }
        const std::u16string wide = Utf8ToWide(bytes);
        ASSERT_TRUE(IsWellFormedUtf16(wide));
        ASSERT_LE(wide.size(), bytes.size());
        // Decoding what was decoded and encoded again changes nothing.
        ASSERT_EQ(Utf8ToWide(WideToUtf8(wide)), wide);
        // Valid exactly when decoding loses nothing.
        ASSERT_EQ(IsValidUtf8(bytes), WideToUtf8(wide) == bytes);
    }
}

TEST_F(ConversionsTest, PlainAsciiLocaleCountsAsUtf8) {
    // The test program never calls setlocale, so the "C" locale is in force.
    EXPECT_EQ(GetAnsiCharset(), "UTF-8");
    EXPECT_TRUE(IsAnsiCharsetUtf8());
    SetAnsiCharset("ANSI_X3.4-1968");
    EXPECT_EQ(GetAnsiCharset(), "UTF-8");
    EXPECT_EQ(AnsiToWide("\xE4\xB8\xAD"), u"\u4E2D");
    EXPECT_EQ(WideToAnsi(u"\u4E2D"), "\xE4\xB8\xAD");
}

TEST_F(ConversionsTest, Gb18030) {
    SetAnsiCharset("GB18030");
    EXPECT_EQ(GetAnsiCharset(), "GB18030");
    EXPECT_FALSE(IsAnsiCharsetUtf8());
    EXPECT_EQ(WideToAnsi(u"\u4E2D\u6587 1.2.3.4"), "\xD6\xD0\xCE\xC4 1.2.3.4");
    EXPECT_EQ(AnsiToWide("\xD6\xD0\xCE\xC4 1.2.3.4"), u"\u4E2D\u6587 1.2.3.4");
    EXPECT_EQ(AnsiToWide("8.8.8.8"), u"8.8.8.8");
    // Four-byte sequences reach the supplementary planes.
    const std::string emoji = WideToAnsi(u"\U0001F600");
    EXPECT_EQ(emoji.size(), 4u);
    EXPECT_EQ(AnsiToWide(emoji), u"\U0001F600");
    // A byte that starts nothing, and a character cut off at the end.
    EXPECT_EQ(AnsiToWide("a\x80"
                         "b"),
              u"a\uFFFDb");
    EXPECT_EQ(AnsiToWide("a\x81"), u"a\uFFFD");
    std::mt19937 rng(18030);
    for (int round = 0; round < 300; ++round) {
        const std::u16string wide = RandomWellFormedUtf16(rng, rng() % 32, false);
        ASSERT_EQ(AnsiToWide(WideToAnsi(wide)), wide);
    }
}

TEST_F(ConversionsTest, Latin1LacksMostCharacters) {
    SetAnsiCharset("ISO-8859-1");
    EXPECT_EQ(AnsiToWide("caf\xE9"), u"caf\u00E9");
    EXPECT_EQ(WideToAnsi(u"caf\u00E9"), "caf\xE9");
    EXPECT_EQ(WideToAnsi(u"a\u4E2Db"), "a?b");
    EXPECT_EQ(WideToAnsi(u"\U0001F600"), "?");
    const char16_t lone[] = {u'x', 0xD800, u'y', 0};
    EXPECT_EQ(WideToAnsi(lone), "x?y");
}

TEST_F(ConversionsTest, SwitchingSetsReachesThreadsThatConvertedBefore) {
    SetAnsiCharset("GB18030");
    EXPECT_EQ(AnsiToWide("\xD6\xD0"), u"\u4E2D");
    SetAnsiCharset("ISO-8859-1");
    EXPECT_EQ(AnsiToWide("\xD6\xD0"), u"\u00D6\u00D0");
    SetAnsiCharset("");
    EXPECT_EQ(AnsiToWide("\xD6\xD0"), u"\uFFFD\uFFFD");
}

TEST_F(ConversionsTest, UnknownSetKeepsAscii) {
    SetAnsiCharset("NO-SUCH-CHARSET");
    EXPECT_EQ(AnsiToWide("1.2.3.4\xE9"), u"1.2.3.4\uFFFD");
    EXPECT_EQ(WideToAnsi(u"1.2.3.4\u00E9"), "1.2.3.4?");
}

TEST_F(ConversionsTest, ManyThreadsAtOnce) {
    for (const char* charset : {"", "GB18030"}) {
        SetAnsiCharset(charset);
        std::vector<std::thread> threads;
        std::vector<int> failures(4, 0);
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([t, &failures] {
                std::mt19937 rng(static_cast<unsigned>(t));
                for (int i = 0; i < 300; ++i) {
                    const std::u16string wide = RandomWellFormedUtf16(rng, 16, false);
                    if (Utf8ToWide(WideToUtf8(wide)) != wide ||
                        AnsiToWide(WideToAnsi(wide)) != wide ||
                        AnsiToWide(WideToAnsi(u"10.0.0.1")) != u"10.0.0.1") {
                        ++failures[static_cast<std::size_t>(t)];
                    }
                }
            });
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
        for (int f : failures) {
            EXPECT_EQ(f, 0) << charset;
        }
    }
}

}  // namespace
}  // namespace quorvane
