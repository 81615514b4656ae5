// The narrow character set on POSIX systems: the locale's, converted through iconv.
#include <iconv.h>
#include <langinfo.h>
#include <strings.h>

#include <atomic>
#include <bit>
#include <cerrno>
#include <cstring>
#include <mutex>

#include "files/conversions.h"
#include "files/narrow_charset.h"

namespace quorvane {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

bool IsAscii(std::u16string_view text) {
    unsigned bits = 0;
    for (char16_t c : text) {
        bits |= c;
    }
    return bits < 0x80;
}

// ---- The narrow character set -------------------------------------------------------------

constexpr const char* kWideCharset =
    std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

enum : int { kCharsetUnknown = 0, kCharsetUtf8 = 1, kCharsetOther = 2 };

// g_kind is read on every conversion; the name behind it changes only through SetAnsiCharset,
// which bumps g_generation so that each thread's descriptors notice and reopen.
std::atomic<int> g_kind{kCharsetUnknown};
std::atomic<unsigned> g_generation{1};
std::mutex g_mutex;
std::string g_charset;       // guarded by g_mutex
std::string g_overrideName;  // guarded by g_mutex; empty: the locale's

bool IsUtf8Name(const std::string& name) {
    return strcasecmp(name.c_str(), "UTF-8") == 0 || strcasecmp(name.c_str(), "UTF8") == 0 ||
           // A plain ASCII locale ("C", "POSIX") reads and writes UTF-8.
           strcasecmp(name.c_str(), "ANSI_X3.4-1968") == 0 ||
           strcasecmp(name.c_str(), "ASCII") == 0 || strcasecmp(name.c_str(), "US-ASCII") == 0;
}

// REQUIRES: g_mutex is held.
void ResolveLocked() {
    if (g_overrideName.empty()) {
        const char* codeset = nl_langinfo(CODESET);
        g_charset = codeset != nullptr && *codeset != '\0' ? codeset : "ANSI_X3.4-1968";
    } else {
        g_charset = g_overrideName;
    }
    if (IsUtf8Name(g_charset)) {
        g_charset = "UTF-8";
        g_kind.store(kCharsetUtf8, std::memory_order_release);
    } else {
        g_kind.store(kCharsetOther, std::memory_order_release);
    }
}

int CharsetKind() {
    const int kind = g_kind.load(std::memory_order_acquire);
    if (kind != kCharsetUnknown) {
        return kind;
    }
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_kind.load(std::memory_order_relaxed) == kCharsetUnknown) {
        ResolveLocked();
    }
    return g_kind.load(std::memory_order_relaxed);
}

// One thread's pair of iconv descriptors for the narrow character set, reopened when the set
// changes. Opening a descriptor costs far more than a short conversion, so they are kept.
class ThreadConverters {
  public:
    ThreadConverters() = default;
    ThreadConverters(const ThreadConverters&) = delete;
    ThreadConverters& operator=(const ThreadConverters&) = delete;
    ~ThreadConverters() { CloseAll(); }

    // Brings the descriptors up to date with the current character set.
    void Refresh() {
        const unsigned generation = g_generation.load(std::memory_order_acquire);
        if (generation == m_generation) {
            return;
        }
        CloseAll();
        std::string charset;
        {
            std::lock_guard<std::mutex> lock(g_mutex);
            charset = g_charset;
        }
        m_toWide = iconv_open(kWideCharset, charset.c_str());
        m_fromWide = iconv_open(charset.c_str(), kWideCharset);
        m_generation = generation;
        m_asciiCompatible = CheckAsciiCompatible();
    }

    iconv_t ToWide() const { return m_toWide; }
    iconv_t FromWide() const { return m_fromWide; }
    bool AsciiCompatible() const { return m_asciiCompatible; }

  private:
    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);

    void CloseAll() {
        if (m_toWide != kNone) {
            iconv_close(m_toWide);
            m_toWide = kNone;
        }
        if (m_fromWide != kNone) {
            iconv_close(m_fromWide);
            m_fromWide = kNone;
        }
        m_generation = 0;
    }

    // Whether the bytes 0x01-0x7F stand for the same characters in both directions; then pure
    // ASCII text (addresses) may skip iconv.
    bool CheckAsciiCompatible() {
        if (m_toWide == kNone || m_fromWide == kNone) {
            return false;
        }
        char narrow[127];
        char16_t wide[127];
        for (int i = 0; i < 127; ++i) {
            narrow[i] = static_cast<char>(i + 1);
        }
        char* in = narrow;
        std::size_t inLeft = sizeof narrow;
        char* out = reinterpret_cast<char*>(wide);
        std::size_t outLeft = sizeof wide;
        iconv(m_toWide, nullptr, nullptr, nullptr, nullptr);
        if (iconv(m_toWide, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0 || outLeft != 0) {
            return false;
        }
        for (int i = 0; i < 127; ++i) {
            if (wide[i] != static_cast<char16_t>(i + 1)) {
                return false;
            }
        }
        char back[127 * 4];
        in = reinterpret_cast<char*>(wide);
        inLeft = sizeof wide;
        out = back;
        outLeft = sizeof back;
        iconv(m_fromWide, nullptr, nullptr, nullptr, nullptr);
        if (iconv(m_fromWide, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0 || sizeof back - outLeft != sizeof narrow) {
            return false;
        }
        return std::memcmp(back, narrow, sizeof narrow) == 0;
    }

    iconv_t m_toWide = kNone;
    iconv_t m_fromWide = kNone;
    unsigned m_generation = 0;
    bool m_asciiCompatible = false;
};

ThreadConverters& Converters() {
    thread_local ThreadConverters converters;
    converters.Refresh();
    return converters;
}

std::u16string NarrowToWideIconv(std::string_view text) {
    ThreadConverters& conv = Converters();
    if (conv.AsciiCompatible() && IsAscii(text)) {
        return std::u16string(text.begin(), text.end());
    }
    const iconv_t cd = conv.ToWide();
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // An unknown character set: keep ASCII, mark the rest.
        std::u16string out;
        out.reserve(text.size());
        for (unsigned char c : text) {
            out.push_back(c < 0x80 ? static_cast<char16_t>(c) : kReplacement);
        }
        return out;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::u16string out(text.size() + 4, u'\0');
    std::size_t used = 0;  // units written
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPtr = reinterpret_cast<char*>(out.data() + used);
        std::size_t outLeft = (out.size() - used) * sizeof(char16_t);
        const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        used = out.size() - outLeft / sizeof(char16_t);
        if (rc != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // EILSEQ: a byte that begins no character; EINVAL: a character cut off at the end.
        if (used == out.size()) {
            out.resize(out.size() * 2);
        }
        out[used++] = kReplacement;
        if (errno == EINVAL) {
            break;
        }
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(used);
    return out;
}

std::string WideToNarrowIconv(std::u16string_view text) {
    ThreadConverters& conv = Converters();
    if (conv.AsciiCompatible() && IsAscii(text)) {
        return std::string(text.begin(), text.end());
    }
    const iconv_t cd = conv.FromWide();
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        std::string out;
        out.reserve(text.size());
        for (char16_t c : text) {
            out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        }
        return out;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out(text.size() * 4 + 8, '\0');
    std::size_t used = 0;
    char* in = reinterpret_cast<char*>(const_cast<char16_t*>(text.data()));
    std::size_t inLeft = text.size() * sizeof(char16_t);
    bool flushing = false;  // all input taken; ending a stateful encoding's shift sequence
    for (;;) {
        char* outPtr = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t rc = flushing ? iconv(cd, nullptr, nullptr, &outPtr, &outLeft)
                                        : iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        used = out.size() - outLeft;
        if (rc != static_cast<std::size_t>(-1)) {
            if (flushing) {
                break;
            }
            flushing = true;
            continue;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        if (flushing) {
            break;
        }
        // A character the set lacks, or an unpaired surrogate: the set's default character.
        if (used == out.size()) {
            out.resize(out.size() * 2);
        }
        out[used++] = '?';
        std::size_t skip = sizeof(char16_t);
        const auto* unit = reinterpret_cast<const char16_t*>(in);
        if (inLeft >= 2 * sizeof(char16_t) && unit[0] >= 0xD800 && unit[0] <= 0xDBFF &&
            unit[1] >= 0xDC00 && unit[1] <= 0xDFFF) {
            skip = 2 * sizeof(char16_t);
        }
        if (skip > inLeft) {
            skip = inLeft;
        }
        in += skip;
        inLeft -= skip;
    }
    out.resize(used);
    return out;
}

}  // namespace

std::u16string NarrowToWide(std::string_view text) {
    return CharsetKind() == kCharsetUtf8 ? Utf8ToWide(text) : NarrowToWideIconv(text);
}

std::string WideToNarrow(std::u16string_view text) {
    return CharsetKind() == kCharsetUtf8 ? WideToUtf8(text) : WideToNarrowIconv(text);
}

bool IsAnsiCharsetUtf8() {
    return CharsetKind() == kCharsetUtf8;
}

bool IsAnsiCharsetAsciiCompatible() {
    return CharsetKind() == kCharsetUtf8 || Converters().AsciiCompatible();
}

std::string GetAnsiCharset() {
    CharsetKind();
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_charset;
}

void SetAnsiCharset(const std::string& charset) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_overrideName = charset;
    ResolveLocked();
    g_generation.fetch_add(1, std::memory_order_acq_rel);
}

}  // namespace quorvane
