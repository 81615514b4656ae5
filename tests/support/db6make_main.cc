// quorvane-test-db6make INPUT OUTPUT
// Builds a small region6.db from lines "start,end,region text" (IPv6 text forms, sorted by start)
// for the scripts that test the installed engine and the SQL extension with known answers. Blocks
// of two ranges, so that even a handful of ranges takes the search through its first-level table.
// Exit codes: 0 written, 1 input or format error, 2 usage.
#include <arpa/inet.h>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tools/dbwriter/region6_writer.h"

namespace {

using quorvane::dbwriter::Range6;

// Network-order bytes to the writer's two halves.
Region6Address ToAddress(const unsigned char bytes[16]) {
    Region6Address address{};
    for (int i = 0; i < 8; ++i) {
        address.high = address.high << 8 | bytes[i];
        address.low = address.low << 8 | bytes[8 + i];
    }
    return address;
}

bool ParseAddress(const std::string& text, Region6Address& address) {
    unsigned char bytes[16];
    if (inet_pton(AF_INET6, text.c_str(), bytes) != 1) {
        return false;
    }
    address = ToAddress(bytes);
    return true;
}

// One "start,end,text" line; the text may hold commas of its own.
bool ParseLine(const std::string& line, Range6& range) {
    const auto first = line.find(',');
    const auto second = first == std::string::npos ? first : line.find(',', first + 1);
    if (second == std::string::npos) {
        return false;
    }
    range.text = line.substr(second + 1);
    return ParseAddress(line.substr(0, first), range.start) &&
           ParseAddress(line.substr(first + 1, second - first - 1), range.end);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quorvane-test-db6make INPUT OUTPUT\n";
        return 2;
    }
    std::ifstream input(argv[1]);
    std::vector<Range6> ranges;
    std::string line;
    for (int number = 1; std::getline(input, line); ++number) {
        Range6 range;
        if (!ParseLine(line, range)) {
            std::cerr << argv[1] << ":" << number << ": not \"start,end,text\"\n";
            return 1;
        }
        ranges.push_back(std::move(range));
    }
    std::vector<std::uint8_t> image;
    std::string error;
    constexpr std::uint32_t kSmallBlockBits = 1;
    if (!input.eof() || !quorvane::dbwriter::BuildRegion6(ranges, image, error, kSmallBlockBits)) {
        std::cerr << argv[1] << ": " << (error.empty() ? "read failed" : error) << "\n";
        return 1;
    }
    std::ofstream output(argv[2], std::ios::binary | std::ios::trunc);
    output.write(reinterpret_cast<const char*>(image.data()), std::ssize(image));
    output.close();
    if (!output) {
        std::cerr << argv[2] << ": write failed\n";
        return 1;
    }
    return 0;
}
