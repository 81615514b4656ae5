#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "files/text_encoding.h"

namespace quorvane {
namespace {

TextEncoding Classify(const std::vector<std::uint8_t>& bytes,
                      const CEncodingDetector& detector = CEncodingDetector{}) {
    return detector.Classify(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    return std::vector<std::uint8_t>(values.begin(), values.end());
}

// n pairs; `zeroPairs` of them hold a zero in the odd position, the rest hold letters only.
std::vector<std::uint8_t> OddZeroPairs(int n, int zeroPairs) {
    std::vector<std::uint8_t> out;
    for (int i = 0; i < n; ++i) {
        out.push_back(0x41);
        out.push_back(i < zeroPairs ? 0x00 : 0x42);
    }
    return out;
}

TEST(EncodingDetectorTest, MarksComeFirst) {
    EXPECT_EQ(Classify(Bytes({0xFF, 0xFE})), TextEncoding::Utf16LeWithBom);
    EXPECT_EQ(Classify(Bytes({0xFF, 0xFE, 0xE4, 0xB8, 0xAD})), TextEncoding::Utf16LeWithBom);
    EXPECT_EQ(Classify(Bytes({0xFE, 0xFF, 0x00, 0x41})), TextEncoding::Utf16BeWithBom);
    EXPECT_EQ(Classify(Bytes({0xEF, 0xBB, 0xBF})), TextEncoding::Utf8WithBom);
    EXPECT_EQ(Classify(Bytes({0xEF, 0xBB, 0xBF, 0x80, 0x00})), TextEncoding::Utf8WithBom);
    // Too short for a mark: the UTF-8 scan accepts a sequence cut off by the end.
    EXPECT_EQ(Classify(Bytes({0xEF})), TextEncoding::Ascii);
    EXPECT_EQ(Classify(Bytes({0xEF, 0xBB})), TextEncoding::Utf8);
    EXPECT_EQ(Classify(Bytes({0xFF})), TextEncoding::Ansi);
}

TEST(EncodingDetectorTest, Utf8Scan) {
    EXPECT_EQ(Classify({}), TextEncoding::Ascii);
    EXPECT_EQ(CEncodingDetector{}.Classify(nullptr, 0), TextEncoding::Ascii);
    EXPECT_EQ(Classify(Bytes({'1', '.', '2', '\r', '\n'})), TextEncoding::Ascii);
    EXPECT_EQ(Classify(Bytes({0xE4, 0xB8, 0xAD})), TextEncoding::Utf8);
    EXPECT_EQ(Classify(Bytes({0xF0, 0x9F, 0x98, 0x80})), TextEncoding::Utf8);
    // Only the ranges are checked: overlong forms and encoded surrogates pass.
    EXPECT_EQ(Classify(Bytes({0xE0, 0x80, 0x80})), TextEncoding::Utf8);
    EXPECT_EQ(Classify(Bytes({0xED, 0xA0, 0x80})), TextEncoding::Utf8);
    // A lead byte alone at the end leaves the single-byte flag set; a continuation clears it.
    EXPECT_EQ(Classify(Bytes({0x41, 0xE4})), TextEncoding::Ascii);
    EXPECT_EQ(Classify(Bytes({0x41, 0xE4, 0xB8})), TextEncoding::Utf8);
    EXPECT_EQ(Classify(Bytes({0xC3, 0x41})), TextEncoding::Ansi);
    EXPECT_EQ(Classify(Bytes({0xD6, 0xD0, 0xCE, 0xC4})), TextEncoding::Ansi);  // GB18030 text
}

TEST(EncodingDetectorTest, EveryHighByte) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        const bool lead = b >= 0xC2 && b <= 0xF4;
        // Never followed by a continuation byte: not UTF-8.
        EXPECT_EQ(Classify(Bytes({0x41, b, 0x41})), TextEncoding::Ansi) << b;
        // Alone, a lead byte is a sequence cut off by the end of the sample.
        EXPECT_EQ(Classify(Bytes({b})), lead ? TextEncoding::Ascii : TextEncoding::Ansi) << b;
    }
}

TEST(EncodingDetectorTest, Utf16LineBreaks) {
    EXPECT_EQ(Classify(Bytes({0x31, 0x00, 0x32, 0x00, 0x0D, 0x00, 0x0A, 0x00})),
              TextEncoding::Utf16Le);
    EXPECT_EQ(Classify(Bytes({0x00, 0x31, 0x00, 0x0A})), TextEncoding::Utf16Be);
    // A lone LE break among mostly non-zero bytes still decides.
    EXPECT_EQ(Classify(Bytes({0x41, 0x42, 0x43, 0x44, 0x0A, 0x00, 0x45, 0x46})),
              TextEncoding::Utf16Le);
    // Breaks are only looked for at even offsets.
    EXPECT_EQ(Classify(Bytes({0x41, 0x0A, 0x00, 0x42})), TextEncoding::NotText);
    // An odd last byte is not paired.
    EXPECT_EQ(Classify(Bytes({0x41, 0x00, 0x0D})), TextEncoding::NotText);
    EXPECT_EQ(Classify(Bytes({0x41, 0x00, 0x0D, 0x00})), TextEncoding::Utf16Le);
}

TEST(EncodingDetectorTest, MixedBreaksLeaveItToTheZeroDistribution) {
    std::vector<std::uint8_t> both = Bytes({0x0A, 0x00, 0x00, 0x0A});
    std::vector<std::uint8_t> le = both;
    for (int i = 0; i < 18; ++i) {
        le.push_back(0x41);
        le.push_back(0x00);
    }
    // 2 of 40 zeros at even offsets (0.05), 19 at odd (0.95).
    EXPECT_EQ(Classify(le), TextEncoding::Utf16Le);
    std::vector<std::uint8_t> few = both;
    for (int i = 0; i < 8; ++i) {
        few.push_back(0x41);
        few.push_back(0x00);
    }
    // Even share exactly 0.1 is not below 0.1.
    EXPECT_EQ(Classify(few), TextEncoding::NotText);
}

TEST(EncodingDetectorTest, ZeroDistribution) {
    EXPECT_EQ(Classify(Bytes({0x31, 0x00, 0x32, 0x00, 0x33, 0x00, 0x34, 0x00})),
              TextEncoding::Utf16Le);
    EXPECT_EQ(Classify(Bytes({0x00, 0x31, 0x00, 0x32, 0x00, 0x33})), TextEncoding::Utf16Be);
    // The thresholds are strict: 7 zeros in 10 pairs is a share of exactly 0.7.
    EXPECT_EQ(Classify(OddZeroPairs(10, 7)), TextEncoding::NotText);
    EXPECT_EQ(Classify(OddZeroPairs(10, 8)), TextEncoding::Utf16Le);
    CEncodingDetector lenient;
    lenient.utf16HighZeroPercent = 50;
    EXPECT_EQ(Classify(OddZeroPairs(10, 6), lenient), TextEncoding::Utf16Le);
    lenient.utf16LowZeroPercent = 0;  // nothing is below 0
    EXPECT_EQ(Classify(OddZeroPairs(10, 10), lenient), TextEncoding::NotText);
}

TEST(EncodingDetectorTest, ZeroBytesLast) {
    EXPECT_EQ(Classify(Bytes({0x41, 0x42, 0x00, 0x43})), TextEncoding::NotText);
    CEncodingDetector tolerant;
    tolerant.zeroMeansNotText = false;
    // Without the setting a zero is an ordinary single byte for the UTF-8 scan ...
    EXPECT_EQ(Classify(Bytes({0x41, 0x42, 0x00, 0x43}), tolerant), TextEncoding::Ascii);
    EXPECT_EQ(Classify(Bytes({0xE4, 0xB8, 0xAD, 0x00}), tolerant), TextEncoding::Utf8);
    // ... and the last step says Ansi.
    EXPECT_EQ(Classify(Bytes({0x80, 0x42, 0x00, 0x43}), tolerant), TextEncoding::Ansi);
    EXPECT_EQ(Classify(Bytes({0x80, 0x42, 0x00, 0x43})), TextEncoding::NotText);
}

}  // namespace
}  // namespace quorvane
