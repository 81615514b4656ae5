// quorvane-batch [--db FILE] [--db6 FILE] INPUT OUTPUT: the desktop tool's Import, Start and
// Export in one command, writing the same bytes.
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <condition_variable>
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
#include "batch/database_file.h"
#include "batch/database_path.h"
#include "batch/ipv6_rows.h"
#include "batch/lookup_run.h"
#include "batch/thread_group.h"
#include "files/conversions.h"
#include "files/removal_on_signal.h"

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

struct Options {
    bool help = false;
    bool haveDb = false;
    std::u16string dbPath;
    std::vector<std::u16string> files;
    bool dbNameKept = true;  // see NameKept
    bool haveDb6 = false;
    std::u16string db6Path;
    bool db6NameKept = true;
    std::vector<bool> fileNameKept;
};

// Whether a name given on the command line reaches the file system unchanged: paths go to the
// system as UTF-8, so bytes that are no text in the locale's character set (or a set other than
// UTF-8 spelling a non-ASCII name) would name another file.
bool NameKept(std::string_view arg) {
    return WideToUtf8(AnsiToWide(arg)) == arg;
}

bool ParseOptions(int argc, char** argv, Options& options, std::u16string& error) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            options.help = true;
        } else if (!optionsEnded && arg == "--db") {
            if (i + 1 >= argc) {
                error = u"--db 需要一个文件名";
                return false;
            }
            options.haveDb = true;
            options.dbNameKept = NameKept(argv[++i]);
            options.dbPath = AnsiToWide(argv[i]);
        } else if (!optionsEnded && arg.starts_with("--db=")) {
            options.haveDb = true;
            options.dbNameKept = NameKept(arg.substr(5));
            options.dbPath = AnsiToWide(arg.substr(5));
        } else if (!optionsEnded && arg == "--db6") {
            if (i + 1 >= argc) {
                error = u"--db6 需要一个文件名";
                return false;
            }
            options.haveDb6 = true;
            options.db6NameKept = NameKept(argv[++i]);
            options.db6Path = AnsiToWide(argv[i]);
        } else if (!optionsEnded && arg.starts_with("--db6=")) {
            options.haveDb6 = true;
            options.db6NameKept = NameKept(arg.substr(6));
            options.db6Path = AnsiToWide(arg.substr(6));
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            error = u"未知选项: " + AnsiToWide(arg);
            return false;
        } else {
            options.files.push_back(AnsiToWide(arg));
            options.fileNameKept.push_back(NameKept(arg));
        }
    }
    if (!options.help && options.files.size() != 2) {
        error = u"需要输入文件和输出文件";
        return false;
    }
    if (options.haveDb && options.dbPath.empty()) {
        error = u"--db 需要一个文件名";
        return false;
    }
    if (options.haveDb6 && options.db6Path.empty()) {
        error = u"--db6 需要一个文件名";
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

int Run(int argc, char** argv) {
    Options options;
    std::u16string error;
    if (!ParseOptions(argc, argv, options, error)) {
        PrintLine(stderr, u"quorvane-batch: " + error);
        Print(stderr, kUsage);
        return kExitUsage;
    }
    if (options.help) {
        Print(stdout, kUsage);
        return kExitOk;
    }

    const std::u16string dbPath = options.haveDb ? options.dbPath : DefaultDatabasePath();
    // Opened, read and checked once: the workers search what was checked.
    DatabaseOpening database;
    if (options.dbNameKept) {
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
    if (options.haveDb6) {
        DatabaseOpening opening6;
        if (options.db6NameKept) {
            opening6 = OpenDatabaseFile(options.db6Path, QUORVANE_DB_IPV6);
        }
        if (opening6.engineStatus == QUORVANE_DB_NOT_FOUND ||
            opening6.engineStatus == QUORVANE_DB_BAD_ARGUMENT) {
            PrintLine(stderr, u"未找到region6.db文件! " + options.db6Path);
            return kExitNoDatabase;
        }
        if (opening6.status != DatabaseStatus::kUsable) {
            PrintLine(stderr, u"数据库文件已损坏或无法读取! " + options.db6Path + u" (" +
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

    CAddressBlock addresses;
    if (!options.fileNameKept[0] || !ReadAddressList(options.files[0], addresses)) {
        PrintLine(stderr, u"无法读取文件! " + options.files[0]);
        return kExitUnreadableInput;
    }
    if (addresses.Count() == 0) {
        PrintLine(stderr, u"请导入IP地址!");
        return kExitEmptyInput;
    }

    // The default region6.db is loaded only for a list that may hold IPv6 rows; without it they
    // stay empty and the run goes on for the rest.
    if (!options.haveDb6 && MayHoldIpv6Rows(addresses)) {
        const std::u16string db6Path = DefaultDatabase6Path();
        DatabaseOpening opening6 = OpenDatabaseFile(db6Path, QUORVANE_DB_IPV6);
        const std::size_t unresolved =
            opening6.status == DatabaseStatus::kUsable ? 0 : CountIpv6Rows(addresses, addresses.Count());
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
        PrintLine(stderr, u"无法读取文件! " + options.files[0]);
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

    if (!WriteResultFile(table, options.files[1])) {
        PrintLine(stderr, u"导出失败! " + options.files[1]);
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
    // Ctrl+C or a kill during the export leaves neither a partial result nor its temporary file.
    quorvane::RemovePendingFileOnSignal();
    return quorvane::Run(argc, argv);
}
