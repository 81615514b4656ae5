// quorvane-dbcheck FILE
// Checks an ip2region.db against every rule of its layout and prints what it holds.
// Exit codes: 0 valid, 1 invalid or unreadable (each violation listed), 2 usage.
#include <exception>
#include <iostream>
#include <string>

#include "tools/dbcheck/db_check.h"

int main(int argc, char** argv) {
    using namespace quorvane::dbcheck;
    if (argc != 2 || std::string(argv[1]).starts_with("-")) {
        if (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help")) {
            std::cout << "usage: quorvane-dbcheck FILE\n";
            return 0;
        }
        std::cerr << "usage: quorvane-dbcheck FILE\n";
        return 2;
    }
    const std::string path = argv[1];
    CheckResult result;
    std::string error;
    bool read = false;
    try {
        read = CheckFile(path, result, error);
    } catch (const std::exception& e) {
        error = "cannot check " + path + ": " + e.what();
    }
    if (!read) {
        std::cerr << "quorvane-dbcheck: " << error << "\n";
        return 1;
    }
    for (const std::string& message : result.errors) {
        std::cout << "error: " << message << "\n";
    }
    for (const std::string& message : result.warnings) {
        std::cout << "warning: " << message << "\n";
    }
    std::cout << FormatStatistics(result.stats);
    if (result.Valid()) {
        std::cout << path << ": valid\n";
        return 0;
    }
    std::cout << path << ": INVALID (" << result.errors.size() << " violation"
              << (result.errors.size() == 1 ? "" : "s") << " listed)\n";
    return 1;
}
