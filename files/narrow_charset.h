// The platform's narrow ("ANSI") character set behind AnsiToWide and WideToAnsi. Internal to the
// library: one implementation per platform, chosen by the build.
#ifndef QUORVANE_FILES_NARROW_CHARSET_H_
#define QUORVANE_FILES_NARROW_CHARSET_H_

#include <string>
#include <string_view>

namespace quorvane {

// REQUIRES: text is not empty and holds no NUL.
std::u16string NarrowToWide(std::string_view text);
std::string WideToNarrow(std::u16string_view text);

}  // namespace quorvane

#endif  // QUORVANE_FILES_NARROW_CHARSET_H_
