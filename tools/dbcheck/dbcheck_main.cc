// quorvane-dbcheck FILE
// Checks an ip2region.db against every rule of its layout and prints what it holds.
// Exit codes: 0 valid, 1 invalid or unreadable (each violation listed), 2 usage.
// Its own words are Chinese with the English beside them; the violations themselves are English.
#include <exception>
#include <iostream>
#include <string>

#include "tools/dbcheck/db_check.h"

namespace {

constexpr char kUsage[] =
    "用法: quorvane-dbcheck 文件\n"
    "检查数据库文件 (ip2region.db) 是否符合格式的每一条规则, 列出每一处违反并显示统计信息.\n"
    "退出码: 0 有效, 1 无效或无法读取, 2 参数错误\n"
    "\n"
    "usage: quorvane-dbcheck FILE\n"
    "Checks a database file against every rule of its layout and prints what it holds.\n"
    "Exit codes: 0 valid, 1 invalid or unreadable, 2 usage.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace quorvane::dbcheck;
    if (argc != 2 || std::string(argv[1]).starts_with("-")) {
        if (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help")) {
            std::cout << kUsage;
            return 0;
        }
        std::cerr << kUsage;
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
        std::cerr << "quorvane-dbcheck: 无法读取数据库 (" << error << ")\n";
        return 1;
    }
    for (const std::string& message : result.errors) {
        std::cout << "错误 error: " << message << "\n";
    }
    for (const std::string& message : result.warnings) {
        std::cout << "警告 warning: " << message << "\n";
    }
    std::cout << FormatStatistics(result.stats);
    if (result.Valid()) {
        std::cout << path << ": 有效 (valid)\n";
        return 0;
    }
    std::cout << path << ": 无效, 共 " << result.errors.size() << " 处违反 (INVALID, "
              << result.errors.size() << " violation" << (result.errors.size() == 1 ? "" : "s")
              << " listed)\n";
    return 1;
}
