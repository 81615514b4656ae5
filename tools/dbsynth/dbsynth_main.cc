// quorvane-dbsynth COUNT [SEED]
// Prints COUNT made-up ranges covering every IPv4 address as "start,end,region text" lines, the
// input quorvane-dbmake reads: a quick way to a realistic database for trials and benchmarks.
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "tools/dbwriter/synthetic_ranges.h"

namespace {

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t count = 0;
    std::uint32_t seed = 1;
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::printf("usage: quorvane-dbsynth COUNT [SEED]   (COUNT 1..%zu)\n",
                    quorvane::dbwriter::kMaxRanges);
        return 0;
    }
    if (argc < 2 || argc > 3 || !ParseNumber(argv[1], count) || count == 0 ||
        count > quorvane::dbwriter::kMaxRanges || (argc == 3 && !ParseNumber(argv[2], seed))) {
        std::fprintf(stderr, "usage: quorvane-dbsynth COUNT [SEED]   (COUNT 1..%zu)\n",
                     quorvane::dbwriter::kMaxRanges);
        return 2;
    }
    std::string out;
    for (const auto& range : quorvane::dbwriter::MakeSyntheticRanges(count, seed)) {
        out += std::to_string(range.start);
        out += ',';
        out += std::to_string(range.end);
        out += ',';
        out += range.text;
        out += '\n';
    }
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        std::perror("quorvane-dbsynth");
        return 1;
    }
    return 0;
}
