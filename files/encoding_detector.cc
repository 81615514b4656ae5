#include "files/text_encoding.h"

namespace quorvane {

namespace {

enum class Verdict { kNone, kAscii, kUtf8 };

// Only lead ranges and continuation ranges are checked: overlong three-byte forms and encoded
// surrogates pass, and a sequence cut off by the end of the sample is accepted.
Verdict ScanUtf8(const std::uint8_t* bytes, std::uint32_t n, bool zeroMeansNotText) {
    if (n == 0) {
        return Verdict::kAscii;
    }
    bool onlySingle = true;
    std::uint32_t i = 0;
    while (i < n) {
        const std::uint8_t b = bytes[i++];
        int follow;
        if (b == 0x00) {
            if (zeroMeansNotText) {
                return Verdict::kNone;
            }
            follow = 0;
        } else if (b <= 0x7F) {
            follow = 0;
        } else if (b >= 0xC2 && b <= 0xDF) {
            follow = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            follow = 2;
        } else if (b >= 0xF0 && b <= 0xF4) {
            follow = 3;
        } else {
            return Verdict::kNone;
        }
        for (int k = 0; k < follow; ++k) {
            if (i >= n) {
                return onlySingle ? Verdict::kAscii : Verdict::kUtf8;
            }
            onlySingle = false;
            const std::uint8_t c = bytes[i++];
            if (c < 0x80 || c > 0xBF) {
                return Verdict::kNone;
            }
        }
    }
    return onlySingle ? Verdict::kAscii : Verdict::kUtf8;
}

TextEncoding ScanUtf16LineBreaks(const std::uint8_t* bytes, std::uint32_t n) {
    if (n < 2) {
        return TextEncoding::NotText;  // no verdict
    }
    std::uint32_t le = 0;
    std::uint32_t be = 0;
    for (std::uint32_t i = 0; i < n - 1; i += 2) {
        const std::uint8_t first = bytes[i];
        const std::uint8_t second = bytes[i + 1];
        if ((first == 0x0A || first == 0x0D) && second == 0x00) {
            ++le;
        } else if (first == 0x00 && (second == 0x0A || second == 0x0D)) {
            ++be;
        }
        if (le != 0 && be != 0) {
            return TextEncoding::NotText;
        }
    }
    if (le != 0) {
        return TextEncoding::Utf16Le;
    }
    if (be != 0) {
        return TextEncoding::Utf16Be;
    }
    return TextEncoding::NotText;
}

TextEncoding ScanUtf16Zeros(const std::uint8_t* bytes, std::uint32_t n, int highPercent,
                            int lowPercent) {
    if (n == 0) {
        return TextEncoding::NotText;
    }
    std::uint32_t evenZeros = 0;
    std::uint32_t oddZeros = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        if (bytes[i] == 0) {
            ((i & 1U) == 0 ? evenZeros : oddZeros) += 1;
        }
    }
    const double evenShare = 2.0 * evenZeros / static_cast<double>(n);
    const double oddShare = 2.0 * oddZeros / static_cast<double>(n);
    const double expected = highPercent / 100.0;
    const double unexpected = lowPercent / 100.0;
    if (evenShare < unexpected && oddShare > expected) {
        return TextEncoding::Utf16Le;
    }
    if (oddShare < unexpected && evenShare > expected) {
        return TextEncoding::Utf16Be;
    }
    return TextEncoding::NotText;
}

}  // namespace

TextEncoding CEncodingDetector::Classify(const std::uint8_t* bytes, std::uint32_t count) const {
    const std::uint32_t n = bytes == nullptr ? 0 : count;
    if (n >= 2) {
        if (bytes[0] == 0xFF && bytes[1] == 0xFE) {
            return TextEncoding::Utf16LeWithBom;
        }
        if (bytes[0] == 0xFE && bytes[1] == 0xFF) {
            return TextEncoding::Utf16BeWithBom;
        }
        if (n >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
            return TextEncoding::Utf8WithBom;
        }
    }
    switch (ScanUtf8(bytes, n, zeroMeansNotText)) {
        case Verdict::kAscii:
            return TextEncoding::Ascii;
        case Verdict::kUtf8:
            return TextEncoding::Utf8;
        case Verdict::kNone:
            break;
    }
    if (TextEncoding kind = ScanUtf16LineBreaks(bytes, n); kind != TextEncoding::NotText) {
        return kind;
    }
    if (TextEncoding kind = ScanUtf16Zeros(bytes, n, utf16HighZeroPercent, utf16LowZeroPercent);
        kind != TextEncoding::NotText) {
        return kind;
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        if (bytes[i] == 0) {
            return zeroMeansNotText ? TextEncoding::NotText : TextEncoding::Ansi;
        }
    }
    return TextEncoding::Ansi;
}

}  // namespace quorvane
