// Conversions between wide text (UTF-16), UTF-8 and the narrow "ANSI" character set.
//
// Every conversion reads its input up to the first NUL (a null pointer or empty input gives an
// empty result) and never reports an error: malformed input becomes U+FFFD (or '?' in a narrow
// character set that lacks a character). All are safe to call from several threads at once.
#ifndef QUORVANE_FILES_CONVERSIONS_H_
#define QUORVANE_FILES_CONVERSIONS_H_

#include <string>
#include <string_view>

namespace quorvane {

// Strict UTF-8 over the whole of text (a NUL byte is a character like any other): no overlong
// forms, no surrogates, nothing above U+10FFFF, no truncated sequence. Exactly the text that
// Utf8ToWide decodes without a U+FFFD of its own making.
bool IsValidUtf8(std::string_view text);

std::u16string Utf8ToWide(const char* text);
std::u16string Utf8ToWide(std::string_view text);
std::string WideToUtf8(const char16_t* text);
std::string WideToUtf8(std::u16string_view text);

// On Windows the narrow character set is the thread's ANSI code page, converted by the system.
// Elsewhere it is the process locale's (after setlocale(LC_ALL, "")); a plain ASCII
// ("C"/"POSIX") locale counts as UTF-8. The library never calls setlocale; it reads the locale's
// set the first time a conversion needs it, so the program sets its locale before that. UTF-8
// takes a fast path; any other set goes through iconv descriptors kept per thread, and pure
// ASCII skips iconv when the set is ASCII-compatible. Bytes that begin no character become
// U+FFFD; characters the set lacks (and unpaired surrogates) become '?'.
std::u16string AnsiToWide(const char* text);
std::u16string AnsiToWide(std::string_view text);
std::string WideToAnsi(const char16_t* text);
std::string WideToAnsi(std::u16string_view text);

// The name of the narrow character set in use ("UTF-8", "GB18030", ...; "CP1252" for a Windows
// code page without a common name).
std::string GetAnsiCharset();

// Whether the narrow character set in use is UTF-8 (then AnsiToWide is Utf8ToWide and WideToAnsi
// is WideToUtf8). Cheap enough to ask per line.
bool IsAnsiCharsetUtf8();

// Whether the bytes 0x01-0x7F stand for the same characters in the narrow character set as in
// ASCII, both ways (true for UTF-8 and the sets in use); then such text converts to itself.
bool IsAnsiCharsetAsciiCompatible();

// Replaces the narrow character set for the whole process; an empty name goes back to the
// locale's. The programs never call it: it lets tests and benchmarks run under a character set
// that no locale of the machine offers (GB18030, as on a Chinese Windows), which no other seam
// can, since the set is otherwise the process locale's.
// REQUIRES: no other thread is converting at the time.
void SetAnsiCharset(const std::string& charset);

}  // namespace quorvane

#endif  // QUORVANE_FILES_CONVERSIONS_H_
