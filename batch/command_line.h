// The arguments a command was started with, as text, whatever the platform hands a program.
#ifndef QUORVANE_BATCH_COMMAND_LINE_H_
#define QUORVANE_BATCH_COMMAND_LINE_H_

#include <string>
#include <vector>

namespace quorvane {

struct CommandArgument {
    std::u16string text;
    // Whether text, used as a file name, names the file the user meant. False only where the
    // system hands over bytes that no conversion to text and back keeps as they were.
    bool nameKept = true;
};

// Every argument after the program's name. On Windows they are read from the wide command line
// (argv holds them in the ANSI code page, which cannot spell most names); elsewhere from argv in
// the locale's character set.
std::vector<CommandArgument> CommandArguments(int argc, char** argv);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_COMMAND_LINE_H_
