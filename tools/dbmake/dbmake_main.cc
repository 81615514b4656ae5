// quorvane-dbmake [--fill TEXT] INPUT OUTPUT
// Builds an ip2region.db from lines "start,end,region text". INPUT may be - for standard input.
// Exit codes: 0 written, 1 input or format error, 2 usage.
// Its own words are Chinese with the English beside them; the writer's findings are English.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tools/dbwriter/db_writer.h"

namespace {

constexpr char kUsage[] =
    "用法: quorvane-dbmake [--fill 文本] 输入 输出\n"
    "  输入   按起始地址排序的行 \"起始,结束,区域文本\" (- 表示标准输入)\n"
    "  输出   要写入的数据库文件\n"
    "  --fill 文本  没有任何区段覆盖的地址都用这个文本的区段覆盖\n"
    "退出码: 0 已写入, 1 输入或格式错误, 2 参数错误\n"
    "\n"
    "usage: quorvane-dbmake [--fill TEXT] INPUT OUTPUT\n"
    "  INPUT   lines \"start,end,region text\" sorted by start (- reads standard input)\n"
    "  OUTPUT  the database file to write\n"
    "  --fill TEXT  cover every address no range covers with a range of this text\n";

int Usage(const std::string& problem) {
    std::cerr << "quorvane-dbmake: 参数错误 (" << problem << ")\n" << kUsage;
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
            std::cerr << input << ": 警告 warning: text \"" << range.text
                      << "\" holds ',' inside a field\n";
        }
    }
    if (count > 0) {
        std::cerr << input << ": 警告: " << count
                  << " 个区段的字段中含有 ','; 导出时写作 '\xEF\xBC\x8C' (warning: " << count
                  << " ranges hold ',' inside a field; exports write it as U+FF0C)\n";
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
            std::cerr << input << ": 无法打开 (cannot open for reading)\n";
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
        std::cerr << "quorvane-dbmake: 无法写入 (" << error << ")\n";
        return 1;
    }
    return 0;
}
