#include "batch/command_line.h"

#include <string_view>

#include "files/conversions.h"

namespace quorvane {

std::vector<CommandArgument> CommandArguments(int argc, char** argv) {
    std::vector<CommandArgument> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        CommandArgument argument;
        argument.text = AnsiToWide(arg);
        // Paths go to the system as UTF-8, so bytes that are no text in the locale's character
        // set (or a set other than UTF-8 spelling a non-ASCII name) would name another file.
        argument.nameKept = WideToUtf8(argument.text) == arg;
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

}  // namespace quorvane
