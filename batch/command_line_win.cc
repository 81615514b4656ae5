#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <string_view>

#include "batch/command_line.h"
#include "files/conversions.h"

namespace quorvane {

std::vector<CommandArgument> CommandArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<CommandArgument> arguments;
    if (wide == nullptr) {
        // Out of memory: the ANSI arguments are better than none; only ASCII in them is sure to
        // be what the user typed.
        for (int i = 1; i < argc; ++i) {
            const std::string_view narrow = argv[i];
            const bool ascii =
                std::all_of(narrow.begin(), narrow.end(), [](char c) { return (c & 0x80) == 0; });
            arguments.push_back({AnsiToWide(narrow), ascii});
        }
        return arguments;
    }
    for (int i = 1; i < count; ++i) {
        // wchar_t is UTF-16 here; the file calls take the same wide text back.
        const auto* text = reinterpret_cast<const char16_t*>(wide[i]);
        arguments.push_back({std::u16string(text), true});
    }
    LocalFree(wide);
    return arguments;
}

}  // namespace quorvane
