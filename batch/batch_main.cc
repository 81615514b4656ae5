// quorvane-batch [--db FILE] [--db6 FILE] INPUT OUTPUT: the desktop tool's Import, Start and
// Export in one command, writing the same bytes.
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "batch/address_list.h"
#include "batch/address_table.h"
#include "batch/command_line.h"
#include "batch/database_file.h"
#include "batch/database_path.h"
#include "batch/ipv6_rows.h"
#include "batch/lookup_run.h"
#include "batch/thread_group.h"
#include "files/conversions.h"
#include "files/file_error.h"
#include "files/removal_on_signal.h"
#include "files/same_file.h"

namespace quorvane {
namespace {

enum ExitCode {
    kExitOk = 0,
    kExitFailure = 1,  // no worker thread could be created, or a worker ran out of memory
    kExitUsage = 2,
    kExitNoDatabase = 3,
    kExitUnreadableInput = 4,
    kExitUnwritableOutput = 5,
    kExitEmptyInput = 6,
};

constexpr char16_t kUsage[] =
    u"用法: quorvane-batch [--db 数据库文件] [--db6 IPv6数据库文件] 输入文件 输出文件\n"
    u"\n"
    u"读取输入文件中的IP地址(每行一个), 用三个线程解析, 并把结果按\n"
    u"\"IP地址,国家,省份,城市,服务商\" 逐行写入输出文件 (UTF-8, CR LF).\n"
    u"解析点分十进制的IPv4地址 (如 1.2.3.4) 和IPv6地址 (如 2001:db8::1,\n"
    u"::ffff:1.2.3.4 按 1.2.3.4 解析), 其他行的结果为空;\n"
    u"字段中的逗号写作全角逗号 \"，\", 每行总是五个字段.\n"
    u"\n"
    u"输入文件为 - 时读取标准输入, 输出文件为 - 时写到标准输出.\n"
    u"输入的编码由最先的128个字节判断 (UTF-8、UTF-16 LE/BE, 带或不带BOM),\n"
    u"管道也一样; 其他情况按当前区域设置的字符集读取.\n"
    u"输出文件先完整写好再替换原文件; 符号链接指向的文件被替换, 链接本身保留;\n"
    u"管道、设备和 /dev/stdout 之类的描述符直接写入.\n"
    u"\n"
    u"  --db 文件   使用的ip2region.db (默认: 程序目录下的ip2region.db)\n"
    u"  --db6 文件  IPv6地址使用的region6.db (默认: 程序目录下的region6.db;\n"
    u"              默认文件不存在或无效时只给出警告, IPv6地址的结果为空)\n"
    u"  --help      显示此帮助\n"
    u"\n"
    u"退出码: 0 成功, 1 无法创建工作线程, 2 参数错误, 3 数据库不存在或无效,\n"
    u"        4 无法读取输入文件, 5 无法写入输出文件, 6 输入文件为空 (没有任何行)\n";

// Messages follow the locale's character set, as everything else the command reads and writes
// on the terminal.
void Print(std::FILE* stream, std::u16string_view text) {
    const std::string narrow = WideToAnsi(text);
    std::fwrite(narrow.data(), 1, narrow.size(), stream);
    std::fflush(stream);
}

void PrintLine(std::FILE* stream, std::u16string_view text) {
    Print(stream, text);
    Print(stream, u"\n");
}

// A database named on the command line: "--db FILE" or "--db=FILE" (likewise --db6).
struct DatabaseOption {
    bool given = false;
    std::u16string path;
    bool nameKept = true;  // see CommandArgument
};

struct Options {
    bool help = false;
    DatabaseOption db;
    DatabaseOption db6;
    std::vector<std::u16string> files;
    std::vector<bool> fileNameKept;
};

// Takes args[i] into option when it is name, as "NAME FILE" (i then moves to FILE) or
// "NAME=FILE", and returns true; returns false for any other argument. A NAME without its FILE
// leaves option given with an empty path, which ParseOptions refuses.
bool TakeDatabaseOption(const std::vector<CommandArgument>& args, std::size_t& i,
                        std::u16string_view name, DatabaseOption& option) {
    const std::u16string_view arg = args[i].text;
    if (arg == name) {
        option.given = true;
        option.path.clear();
        if (i + 1 < args.size()) {
            ++i;
            option.nameKept = args[i].nameKept;
            option.path = args[i].text;
        }
        return true;
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == u'=') {
        option.given = true;
        option.nameKept = args[i].nameKept;
        option.path = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

bool ParseOptions(const std::vector<CommandArgument>& args, Options& options,
                  std::u16string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::u16string_view arg = args[i].text;
        if (!optionsEnded && (arg == u"--help" || arg == u"-h")) {
            options.help = true;
        } else if (!optionsEnded && (TakeDatabaseOption(args, i, u"--db", options.db) ||
                                     TakeDatabaseOption(args, i, u"--db6", options.db6))) {
            continue;
        } else if (!optionsEnded && arg == u"--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == u'-') {
            error = u"未知选项: " + std::u16string(arg);
            return false;
        } else {
            options.files.emplace_back(arg);
            options.fileNameKept.push_back(args[i].nameKept);
        }
    }
    if (options.db.given && options.db.path.empty()) {
        error = u"--db 需要一个文件名";
        return false;
    }
    if (options.db6.given && options.db6.path.empty()) {
        error = u"--db6 需要一个文件名";
        return false;
    }
    if (!options.help && options.files.size() != 2) {
        error = u"需要输入文件和输出文件";
        return false;
    }
    return true;
}

// Waits for the run's finished notification, drawing a progress line when stderr is a terminal.
class CRunMonitor {
  public:
    void Finish() {
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_finished = true;
        }
        m_changed.notify_all();
    }

    void Wait(const CAddressTable& table, bool showProgress) {
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        std::unique_lock<std::mutex> guard(m_lock);
        while (!m_finished) {
            m_changed.wait_for(guard, std::chrono::milliseconds(250));
            if (showProgress && !m_finished) {
                guard.unlock();
                ShowProgress(table.GetRowsHandedOut(), table.GetRowCount(), Clock::now() - start);
                guard.lock();
            }
        }
        if (showProgress) {
            guard.unlock();
            ShowProgress(table.GetRowCount(), table.GetRowCount(), Clock::now() - start);
            Print(stderr, u"\n");
        }
    }

  private:
    static void ShowProgress(std::size_t done, std::size_t total,
                             std::chrono::steady_clock::duration elapsed) {
        const double seconds = std::chrono::duration<double>(elapsed).count();
        const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
        char numbers[96];
        std::snprintf(numbers, sizeof(numbers), "%zu / %zu, %.0f ", done, total, rate);
        Print(stderr, u"\r已解析 " + AnsiToWide(numbers) + u"行/秒   ");
    }

    std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_finished = false;
};

// "-" names standard input as the input and standard output as the output, after "--" too; a file
// of that name is "./-".
constexpr std::u16string_view kStandardStream = u"-";

std::u16string ShownName(std::u16string_view path, bool output) {
    if (path == kStandardStream) {
        return output ? u"标准输出" : u"标准输入";
    }
    return std::u16string(path);
}

// "无法读取文件! in.txt: 文件或文件夹不存在": the message, the file, and why.
void PrintFailure(std::u16string_view message, std::u16string_view file, const FileError& error) {
    std::u16string text = std::u16string(message) + u" " + std::u16string(file);
    if (error) {
        text += u": " + DescribeFileError(error);
    }
    PrintLine(stderr, text);
}

bool ReadInput(std::u16string_view path, CAddressBlock& addresses, FileError& error) {
    return path == kStandardStream ? ReadStandardInput(addresses, &error)
                                   : ReadAddressList(path, addresses, &error);
}

bool WriteOutput(const CAddressTable& table, std::u16string_view path, FileError& error) {
    return path == kStandardStream ? WriteResultToStandardOutput(table, &error)
                                   : WriteResultFile(table, path, &error);
}

int Run(const std::vector<CommandArgument>& args) {
    Options options;
    std::u16string error;
    if (!ParseOptions(args, options, error)) {
        PrintLine(stderr, u"quorvane-batch: " + error);
        Print(stderr, kUsage);
        return kExitUsage;
    }
    if (options.help) {
        Print(stdout, kUsage);
        return kExitOk;
    }

    const std::u16string dbPath = options.db.given ? options.db.path : DefaultDatabasePath();
    // Opened, read and checked once: the workers search what was checked.
    DatabaseOpening database;
    if (options.db.nameKept) {
        database = OpenDatabaseFile(dbPath);
    }
    // Only a name that names nothing is "not found": a folder, a pipe or a link loop is there,
    // and the message says what it is instead.
    if (database.engineStatus == QUORVANE_DB_NOT_FOUND ||
        database.engineStatus == QUORVANE_DB_BAD_ARGUMENT) {
        PrintLine(stderr, u"未找到ip2region.db文件!");
        return kExitNoDatabase;
    }
    if (database.status != DatabaseStatus::kUsable) {
        PrintLine(stderr, u"数据库文件已损坏或无法读取! " + dbPath + u" (" +
                              DatabaseFailureCause(database.engineStatus) + u")");
        return kExitNoDatabase;
    }
    // A region6.db named on the command line must be usable, as the IPv4 file must.
    SharedDatabase database6;
    if (options.db6.given) {
        DatabaseOpening opening6;
        if (options.db6.nameKept) {
            opening6 = OpenDatabaseFile(options.db6.path, QUORVANE_DB_IPV6);
        }
        if (opening6.engineStatus == QUORVANE_DB_NOT_FOUND ||
            opening6.engineStatus == QUORVANE_DB_BAD_ARGUMENT) {
            PrintLine(stderr, u"未找到region6.db文件! " + options.db6.path);
            return kExitNoDatabase;
        }
        if (opening6.status != DatabaseStatus::kUsable) {
            PrintLine(stderr, u"数据库文件已损坏或无法读取! " + options.db6.path + u" (" +
                                  DatabaseFailureCause(opening6.engineStatus) + u")");
            return kExitNoDatabase;
        }
        database6 = std::move(opening6.database);
    }
    // Refused before any work: the result could only go to a name other than the one given.
    if (!options.fileNameKept[1]) {
        PrintLine(stderr, u"输出文件名无法在文件系统中表示! " + options.files[1]);
        return kExitUnwritableOutput;
    }
    // The result written over the database would leave nothing to run the next time.
    const std::u16string& output = options.files[1];
    if (output != kStandardStream && IsSameFile(output, dbPath)) {
        PrintFailure(u"导出失败!", output, FileError{FileProblem::kIsTheDatabase});
        return kExitUnwritableOutput;
    }

    CAddressBlock addresses;
    const std::u16string input = ShownName(options.files[0], false);
    FileError readError{FileProblem::kNameNotKept};
    if (!options.fileNameKept[0] || !ReadInput(options.files[0], addresses, readError)) {
        PrintFailure(u"无法读取文件!", input, readError);
        return kExitUnreadableInput;
    }
    if (addresses.Count() == 0) {
        PrintLine(stderr, u"请导入IP地址!");
        return kExitEmptyInput;
    }

    // The default region6.db is loaded only for a list that may hold IPv6 rows; without it they
    // stay empty and the run goes on for the rest.
    if (!options.db6.given && MayHoldIpv6Rows(addresses)) {
        const std::u16string db6Path = DefaultDatabase6Path();
        DatabaseOpening opening6 = OpenDatabaseFile(db6Path, QUORVANE_DB_IPV6);
        const std::size_t unresolved = opening6.status == DatabaseStatus::kUsable
                                           ? 0
                                           : CountIpv6Rows(addresses, addresses.Count());
        if (unresolved > 0) {
            PrintLine(stderr, u"警告: IPv6数据库不可用, " + AnsiToWide(std::to_string(unresolved)) +
                                  u" 行IPv6地址的结果为空! " + db6Path + u" (" +
                                  DatabaseFailureCause(opening6.engineStatus) + u")");
        }
        database6 = std::move(opening6.database);
    }

    CAddressTable table;
    try {
        table.AppendAddresses(std::move(addresses), false);
    } catch (const std::bad_alloc&) {
        PrintFailure(u"无法读取文件!", input, FileError{FileProblem::kOutOfMemory});
        return kExitUnreadableInput;
    }

    CRunMonitor monitor;
    bool started = false;
    {
        CThreadGroup workers;
        table.BeginRun();
        started = workers.Launch(
            MakeLookupWork(table, std::move(database.database), std::move(database6)), {},
            [&table, &monitor] {
                table.EndRun();
                monitor.Finish();
            },
            [&table] { table.RequestStop(); });
        if (started) {
            monitor.Wait(table, isatty(STDERR_FILENO) == 1);
        } else {
            table.EndRun();
        }
    }  // the group waits for its waiter before the monitor and the table go away
    if (!started) {
        PrintLine(stderr, u"无法创建工作线程!");
        return kExitFailure;
    }

    if (table.RanOutOfMemory()) {
        PrintLine(stderr, u"内存不足,解析未完成!");
        return kExitFailure;
    }

    FileError writeError;
    if (!WriteOutput(table, output, writeError)) {
        PrintFailure(u"导出失败!", ShownName(output, true), writeError);
        return kExitUnwritableOutput;
    }
    // Standard output may be the results themselves; the note goes beside the other messages.
    PrintLine(stderr, u"导出成功!");
    // Everything is written and flushed: ending here spares the exit the freeing of every row and
    // record one by one (tens of milliseconds for a million rows), which the system takes back
    // at once anyway.
    std::_Exit(kExitOk);
}

}  // namespace
}  // namespace quorvane

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    // A reader that goes away (`quorvane-batch - - | head`), or an output past the file size
    // limit, is a failed write with a message and exit code 5, not a silent death that leaves a
    // temporary file behind.
#ifdef SIGPIPE  // Windows has neither signal: such writes simply fail there
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Ctrl+C or a kill during the export leaves neither a partial result nor its temporary file.
    quorvane::RemovePendingFileOnSignal();
    return quorvane::Run(quorvane::CommandArguments(argc, argv));
}
