// The narrow character set on Windows: the thread's ANSI code page, converted by the system. The
// manifest leaves the process code page alone, so a list saved by Notepad in the user's language
// reads as it always has.
#include <windows.h>

#include <atomic>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "files/conversions.h"
#include "files/narrow_charset.h"

namespace quorvane {

namespace {

// A name SetAnsiCharset did not know: ASCII is kept, everything else is marked.
constexpr unsigned kUnknownCodePage = ~0U;

struct NamedCodePage {
    const char* name;
    unsigned codePage;
};

// The names the tests and the POSIX build use for the same sets.
constexpr NamedCodePage kNamedCodePages[] = {
    {"UTF-8", CP_UTF8},  {"UTF8", CP_UTF8},      {"GB18030", 54936},    {"GBK", 936},
    {"BIG5", 950},       {"SHIFT_JIS", 932},     {"ISO-8859-1", 28591}, {"ASCII", 20127},
    {"US-ASCII", 20127}, {"WINDOWS-1252", 1252},
};

// CP_THREAD_ACP until SetAnsiCharset names another.
std::atomic<unsigned> g_codePage{CP_THREAD_ACP};

unsigned CurrentCodePage() {
    const unsigned codePage = g_codePage.load(std::memory_order_acquire);
    if (codePage != CP_THREAD_ACP) {
        return codePage;
    }
    DWORD acp = 0;
    if (GetLocaleInfoW(GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&acp), sizeof(acp) / sizeof(WCHAR)) == 0 ||
        acp == 0) {
        acp = GetACP();
    }
    return acp;
}

}  // namespace

std::u16string NarrowToWide(std::string_view text) {
    const unsigned codePage = CurrentCodePage();
    if (codePage == CP_UTF8) {
        return Utf8ToWide(text);  // the same decoder on every platform
    }
    if (codePage == kUnknownCodePage || text.size() > INT_MAX) {
        std::u16string out;
        for (unsigned char c : text) {
            out.push_back(c < 0x80 ? static_cast<char16_t>(c) : u'\uFFFD');
        }
        return out;
    }
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::u16string out(static_cast<std::size_t>(needed > 0 ? needed : 0), u'\0');
    if (needed > 0) {
        MultiByteToWideChar(codePage, 0, text.data(), length, reinterpret_cast<LPWSTR>(out.data()),
                            needed);
    }
    return out;
}

std::string WideToNarrow(std::u16string_view text) {
    const unsigned codePage = CurrentCodePage();
    if (codePage == CP_UTF8) {
        return WideToUtf8(text);
    }
    if (codePage == kUnknownCodePage || text.size() > INT_MAX / 4) {
        std::string out;
        for (char16_t c : text) {
            out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        }
        return out;
    }
    const auto* wide = reinterpret_cast<LPCWSTR>(text.data());
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(codePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0) {
        WideCharToMultiByte(codePage, 0, wide, length, out.data(), needed, nullptr, nullptr);
    }
    return out;
}

bool IsAnsiCharsetUtf8() {
    return CurrentCodePage() == CP_UTF8;
}

// Every ANSI code page Windows can make a thread's keeps the bytes 0x01-0x7F as ASCII, and so
// does the fallback for an unknown name.
bool IsAnsiCharsetAsciiCompatible() {
    return true;
}

std::string GetAnsiCharset() {
    const unsigned codePage = CurrentCodePage();
    for (const NamedCodePage& named : kNamedCodePages) {
        if (named.codePage == codePage) {
            return named.name;
        }
    }
    return codePage == kUnknownCodePage ? std::string("ASCII") : "CP" + std::to_string(codePage);
}

void SetAnsiCharset(const std::string& charset) {
    unsigned codePage = kUnknownCodePage;
    if (charset.empty()) {
        codePage = CP_THREAD_ACP;
    } else if (_strnicmp(charset.c_str(), "CP", 2) == 0) {
        const unsigned long number = std::strtoul(charset.c_str() + 2, nullptr, 10);
        if (number != 0 && IsValidCodePage(static_cast<UINT>(number))) {
            codePage = static_cast<unsigned>(number);
        }
    } else {
        for (const NamedCodePage& named : kNamedCodePages) {
            if (_stricmp(named.name, charset.c_str()) == 0 && IsValidCodePage(named.codePage)) {
                codePage = named.codePage;
                break;
            }
        }
    }
    g_codePage.store(codePage, std::memory_order_release);
}

}  // namespace quorvane
