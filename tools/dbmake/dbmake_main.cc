// quorvane-dbmake [--fill TEXT] INPUT OUTPUT
// Builds an ip2region.db from lines "start,end,region text". INPUT may be - for standard input.
// Exit codes: 0 written, 1 input or format error, 2 usage.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tools/dbwriter/db_writer.h"

namespace {

constexpr char kUsage[] =
    "usage: quorvane-dbmake [--fill TEXT] INPUT OUTPUT\n"
    "  INPUT   lines \"start,end,region text\" sorted by start (- reads standard input)\n"
    "  OUTPUT  the database file to write\n"
    "  --fill TEXT  cover every address no range covers with a range of this text\n";

int Usage(const std::string& problem) {
    std::cerr << "quorvane-dbmake: " << problem << "\n" << kUsage;
    return 2;
}

// The tool's export has no quoting: a ',' inside a field reaches readers that split at commas as
// an extra field, so the export writes it as U+FF0C. Data meant for the tool is better without
// it; the database is written all the same.
void WarnAboutCommas(const std::string& input,
                     const std::vector<quorvane::dbwriter::Range>& ranges) {
    std::size_t count = 0;
    for (const auto& range : ranges) {
        if (range.text.find(',') == std::string::npos) {
            continue;
        }
        if (++count <= 3) {
            std::cerr << input << ": warning: text \"" << range.text
                      << "\" holds ',' inside a field\n";
        }
    }
    if (count > 0) {
        std::cerr << input << ": warning: " << count
                  << " ranges hold ',' inside a field; exports write it as '\xEF\xBC\x8C' "
                     "(U+FF0C)\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quorvane::dbwriter;
    BuildOptions options;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (!optionsEnded && arg == "--fill") {
            if (i + 1 >= argc) {
                return Usage("--fill needs a TEXT");
            }
            options.fillText = argv[++i];
        } else if (!optionsEnded && arg.starts_with("--fill=")) {
            options.fillText = arg.substr(7);
        } else if (!optionsEnded && (arg == "-h" || arg == "--help")) {
            std::cout << kUsage;
            return 0;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return Usage("unknown option " + arg);
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        return Usage("expected INPUT and OUTPUT");
    }
    const std::string& input = positional[0];
    const std::string& output = positional[1];

    std::vector<Range> ranges;
    std::string error;
    bool parsed = false;
    if (input == "-") {
        parsed = ParseRanges(std::cin, ranges, error);
    } else {
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::cerr << input << ": cannot open for reading\n";
            return 1;
        }
        parsed = ParseRanges(file, ranges, error);
    }
    if (!parsed) {
        std::cerr << input << ":" << error << "\n";
        return 1;
    }
    WarnAboutCommas(input, ranges);
    std::vector<std::uint8_t> image;
    if (!BuildDatabase(ranges, options, image, error)) {
        std::cerr << input << ": " << error << "\n";
        return 1;
    }
    if (!WriteImage(image, output, error)) {
        std::cerr << "quorvane-dbmake: " << error << "\n";
        return 1;
    }
    return 0;
}
