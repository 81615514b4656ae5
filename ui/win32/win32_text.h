// Wide text of the core (UTF-16 in char16_t) to and from the system's wide strings, which are
// UTF-16 too: nothing is re-encoded, only the character type changes.
#ifndef QUORVANE_UI_WIN32_WIN32_TEXT_H_
#define QUORVANE_UI_WIN32_WIN32_TEXT_H_

#include <string>
#include <string_view>

namespace quorvane {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

// A NUL-terminated copy, as the system's calls want.
inline std::wstring ToWide(std::u16string_view text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline std::u16string FromWide(std::wstring_view text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

inline const wchar_t* AsWide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

}  // namespace quorvane

#endif  // QUORVANE_UI_WIN32_WIN32_TEXT_H_
