#include "files/conversions.h"

#include <cstdint>
#include <cstring>

#include "files/narrow_charset.h"

namespace quorvane {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Input ends at its first NUL, as for the C strings the callers used to pass.
std::string_view UpToNul(std::string_view text) {
    const void* nul = text.empty() ? nullptr : std::memchr(text.data(), 0, text.size());
    return nul == nullptr ? text : text.substr(0, static_cast<const char*>(nul) - text.data());
}

std::u16string_view UpToNul(std::u16string_view text) {
    const std::size_t nul = text.find(u'\0');
    return nul == std::u16string_view::npos ? text : text.substr(0, nul);
}

// Length of the leading run of ASCII bytes, eight at a time where possible.
std::size_t AsciiPrefix(const unsigned char* p, std::size_t n) {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + i, 8);
        if ((word & 0x8080808080808080ULL) != 0) {
            break;
        }
    }
    while (i < n && p[i] < 0x80) {
        ++i;
    }
    return i;
}

bool IsAscii(std::u16string_view text) {
    unsigned bits = 0;  // no early exit: the loop vectorises, and the text is mostly short
    for (char16_t c : text) {
        bits |= c;
    }
    return bits < 0x80;
}

// Decodes the multi-byte sequence that starts at p[i] (not an ASCII byte) into cp and moves i past
// it. On an ill-formed sequence returns false with i past its maximal subpart (the byte that
// breaks it is examined afresh); surrogates, overlong forms and values above U+10FFFF are
// ill-formed. The one place that says what well-formed UTF-8 is.
inline bool DecodeSequence(const unsigned char* p, std::size_t n, std::size_t& i,
                           std::uint32_t& cp) {
    const unsigned char b = p[i];
    int need;
    unsigned char lower = 0x80;
    unsigned char upper = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        need = 1;
        cp = b & 0x1FU;
    } else if (b >= 0xE0 && b <= 0xEF) {
        need = 2;
        cp = b & 0x0FU;
        if (b == 0xE0) {
            lower = 0xA0;
        } else if (b == 0xED) {
            upper = 0x9F;
        }
    } else if (b >= 0xF0 && b <= 0xF4) {
        need = 3;
        cp = b & 0x07U;
        if (b == 0xF0) {
            lower = 0x90;
        } else if (b == 0xF4) {
            upper = 0x8F;
        }
    } else {
        ++i;
        return false;
    }
    ++i;
    for (int k = 0; k < need; ++k) {
        if (i >= n || p[i] < lower || p[i] > upper) {
            return false;
        }
        cp = (cp << 6) | (p[i] & 0x3FU);
        ++i;
        lower = 0x80;
        upper = 0xBF;
    }
    return true;
}

// Decodes UTF-8 into UTF-16. Each maximal subpart of an ill-formed sequence (a byte that cannot
// start a sequence, or a valid beginning cut short) becomes one U+FFFD; surrogates encoded in
// UTF-8, overlong forms and values above U+10FFFF are ill-formed.
std::u16string DecodeUtf8(std::string_view input) {
    const auto* p = reinterpret_cast<const unsigned char*>(input.data());
    const std::size_t n = input.size();
    std::u16string out;
    std::size_t i = AsciiPrefix(p, n);
    if (i == n) {
        // The usual case: an address.
        out.resize(n);
        for (std::size_t k = 0; k < n; ++k) {
            out[k] = p[k];
        }
        return out;
    }
    out.resize(n);  // never more units than bytes
    char16_t* o = out.data();
    for (std::size_t k = 0; k < i; ++k) {
        *o++ = p[k];
    }
    while (i < n) {
        const std::size_t run = AsciiPrefix(p + i, n - i);
        for (std::size_t k = 0; k < run; ++k) {
            *o++ = p[i + k];
        }
        i += run;
        if (i >= n) {
            break;
        }
        std::uint32_t cp;
        if (!DecodeSequence(p, n, i, cp)) {
            *o++ = kReplacement;
        } else if (cp >= 0x10000) {
            cp -= 0x10000;
            *o++ = static_cast<char16_t>(0xD800 + (cp >> 10));
            *o++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            *o++ = static_cast<char16_t>(cp);
        }
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

// Encodes UTF-16 as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view input) {
    const std::size_t n = input.size();
    std::string out;
    if (IsAscii(input)) {
        out.resize(n);
        for (std::size_t k = 0; k < n; ++k) {
            out[k] = static_cast<char>(input[k]);
        }
        return out;
    }
    out.resize(n * 3);  // a unit yields at most three bytes, a pair four
    char* o = out.data();
    for (std::size_t i = 0; i < n; ++i) {
        std::uint32_t cp = input[i];
        if (cp < 0x80) {
            *o++ = static_cast<char>(cp);
            continue;
        }
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < n && input[i + 1] >= 0xDC00 &&
            input[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (input[i + 1] - 0xDC00U);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        if (cp < 0x800) {
            *o++ = static_cast<char>(0xC0 | (cp >> 6));
            *o++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            *o++ = static_cast<char>(0xE0 | (cp >> 12));
            *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *o++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            *o++ = static_cast<char>(0xF0 | (cp >> 18));
            *o++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *o++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    for (;;) {
        i += AsciiPrefix(p + i, n - i);
        if (i >= n) {
            return true;
        }
        std::uint32_t cp;
        if (!DecodeSequence(p, n, i, cp)) {
            return false;
        }
    }
}

std::u16string Utf8ToWide(const char* text) {
    return text == nullptr ? std::u16string() : DecodeUtf8(std::string_view(text));
}

std::u16string Utf8ToWide(std::string_view text) {
    return DecodeUtf8(UpToNul(text));
}

std::string WideToUtf8(const char16_t* text) {
    return text == nullptr ? std::string() : EncodeUtf8(std::u16string_view(text));
}

std::string WideToUtf8(std::u16string_view text) {
    return EncodeUtf8(UpToNul(text));
}

std::u16string AnsiToWide(const char* text) {
    return text == nullptr ? std::u16string() : AnsiToWide(std::string_view(text));
}

std::u16string AnsiToWide(std::string_view text) {
    text = UpToNul(text);
    return text.empty() ? std::u16string() : NarrowToWide(text);
}

std::string WideToAnsi(const char16_t* text) {
    return text == nullptr ? std::string() : WideToAnsi(std::u16string_view(text));
}

std::string WideToAnsi(std::u16string_view text) {
    text = UpToNul(text);
    return text.empty() ? std::string() : WideToNarrow(text);
}

}  // namespace quorvane
