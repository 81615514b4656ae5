// Classification of a file's first bytes into one of nine encoding kinds.
#ifndef QUORVANE_FILES_TEXT_ENCODING_H_
#define QUORVANE_FILES_TEXT_ENCODING_H_

#include <cstdint>

namespace quorvane {

// Values are stable: tests and callers compare against them.
enum class TextEncoding : int {
    NotText = 0,
    Ansi = 1,
    Ascii = 2,
    Utf8WithBom = 3,
    Utf8 = 4,
    Utf16LeWithBom = 5,
    Utf16Le = 6,
    Utf16BeWithBom = 7,
    Utf16Be = 8,
};

// A pure function of its settings and the bytes; holds no other state and is safe on any thread.
class CEncodingDetector {
  public:
    bool zeroMeansNotText = true;
    int utf16HighZeroPercent = 70;
    int utf16LowZeroPercent = 10;

    // Classifies bytes[0, count): byte-order marks, then a UTF-8 scan, a UTF-16 line-break scan,
    // the distribution of zero bytes, and last the presence of any zero byte.
    // REQUIRES: bytes is readable for count bytes (may be null when count is 0).
    TextEncoding Classify(const std::uint8_t* bytes, std::uint32_t count) const;
};

}  // namespace quorvane

#endif  // QUORVANE_FILES_TEXT_ENCODING_H_
