// quorvane-batch [--db FILE] [--db6 FILE] [--threads N] INPUT OUTPUT: the desktop tool's Import,
// Start and Export in one command, writing the same bytes, for a list of any length.
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "batch/command_line.h"
#include "batch/database_file.h"
#include "batch/database_path.h"
#include "batch/database_source.h"
#include "batch/run_messages.h"
#include "batch/stream_run.h"
#include "files/conversions.h"
#include "files/file_error.h"
#include "files/removal_on_signal.h"
#include "files/same_file.h"
#include "files/text_file.h"

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
    u"用法: quorvane-batch [--db 数据库文件] [--db6 IPv6数据库文件] [--threads 线程数]\n"
    u"                      输入文件 输出文件\n"
    u"\n"
    u"读取输入文件中的IP地址(每行一个), 用多个线程 (默认三个) 解析, 并把结果按\n"
    u"\"IP地址,国家,省份,城市,服务商\" 逐行写入输出文件 (UTF-8, CR LF).\n"
    u"解析点分十进制的IPv4地址 (如 1.2.3.4) 和IPv6地址 (如 2001:db8::1,\n"
    u"::ffff:1.2.3.4 按 1.2.3.4 解析), 其他行的结果为空;\n"
    u"字段中的逗号写作全角逗号 \"，\", 每行总是五个字段.\n"
    u"输入边读边解析边写出, 内存用量不随输入的行数增长.\n"
    u"\n"
    u"输入文件为 - 时读取标准输入, 输出文件为 - 时写到标准输出.\n"
    u"输入的编码由最先的128个字节判断 (UTF-8、UTF-16 LE/BE, 带或不带BOM),\n"
    u"管道也一样 (只看最先到达的128个字节); 其他情况按当前区域设置的字符集读取.\n"
    u"输出文件先完整写好再替换原文件; 符号链接指向的文件被替换, 链接本身保留;\n"
    u"管道、设备和 /dev/stdout 之类的描述符直接写入 (中途出错时已写出的部分保留).\n"
    u"\n"
    u"  --db 文件       使用的ip2region.db (默认: 程序目录下的ip2region.db)\n"
    u"  --db6 文件      IPv6地址使用的region6.db (默认: 程序目录下的region6.db,\n"
    u"                  读到第一批可能含IPv6地址的行时才读取; 默认文件不存在或\n"
    u"                  无效时只在结束时给出警告, IPv6地址的结果为空)\n"
    u"  --threads 数量  解析使用的线程数, 1到64 (默认: 3)\n"
    u"  --help          显示此帮助\n"
    u"\n"
    u"退出码: 0 成功, 1 无法创建工作线程, 2 参数错误, 3 数据库不存在或无效,\n"
    u"        4 无法读取输入文件, 5 无法写入输出文件, 6 输入文件为空 (没有任何行)\n";

// What Run's steps return to go on; anything else is the exit code.
constexpr int kGoOn = -1;

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

// An option with a value: "--db FILE" or "--db=FILE" (likewise --db6, --threads).
struct ValueOption {
    bool given = false;
    std::u16string value;
    bool nameKept = true;  // see CommandArgument
};

struct Options {
    bool help = false;
    ValueOption db;
    ValueOption db6;
    ValueOption threadsText;
    unsigned threads = kDefaultStreamThreads;
    std::vector<std::u16string> files;
    std::vector<bool> fileNameKept;
};

// Takes args[i] into option when it is name, as "NAME VALUE" (i then moves to VALUE) or
// "NAME=VALUE", and returns true; returns false for any other argument. A NAME without its VALUE
// leaves option given with an empty value, which ParseOptions refuses.
bool TakeValueOption(const std::vector<CommandArgument>& args, std::size_t& i,
                     std::u16string_view name, ValueOption& option) {
    const std::u16string_view arg = args[i].text;
    if (arg == name) {
        option.given = true;
        option.value.clear();
        if (i + 1 < args.size()) {
            ++i;
            option.nameKept = args[i].nameKept;
            option.value = args[i].text;
        }
        return true;
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == u'=') {
        option.given = true;
        option.nameKept = args[i].nameKept;
        option.value = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

// A thread count in decimal digits only, 1 .. kMaxStreamThreads.
bool ParseThreadCount(std::u16string_view text, unsigned& threads) {
    if (text.empty() || text.size() > 3) {
        return false;
    }
    unsigned value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
        value = value * 10 + static_cast<unsigned>(c - u'0');
    }
    if (value < 1 || value > kMaxStreamThreads) {
        return false;
    }
    threads = value;
    return true;
}

bool TakeOption(const std::vector<CommandArgument>& args, std::size_t& i, Options& options) {
    return TakeValueOption(args, i, u"--db", options.db) ||
           TakeValueOption(args, i, u"--db6", options.db6) ||
           TakeValueOption(args, i, u"--threads", options.threadsText);
}

bool CheckOptionValues(Options& options, std::u16string& error) {
    if (options.db.given && options.db.value.empty()) {
        error = u"--db 需要一个文件名";
        return false;
    }
    if (options.db6.given && options.db6.value.empty()) {
        error = u"--db6 需要一个文件名";
        return false;
    }
    if (options.threadsText.given &&
        !ParseThreadCount(options.threadsText.value, options.threads)) {
        error =
            u"--threads 需要1到" + AnsiToWide(std::to_string(kMaxStreamThreads)) + u"之间的整数";
        return false;
    }
    if (!options.help && options.files.size() != 2) {
        error = u"需要输入文件和输出文件";
        return false;
    }
    return true;
}

bool ParseOptions(const std::vector<CommandArgument>& args, Options& options,
                  std::u16string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::u16string_view arg = args[i].text;
        if (!optionsEnded && (arg == u"--help" || arg == u"-h")) {
            options.help = true;
        } else if (!optionsEnded && TakeOption(args, i, options)) {
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
    return CheckOptionValues(options, error);
}

// The progress line on a terminal: rows written so far and the rate, redrawn a few times a
// second; the total is not known before the input ends.
class CProgressLine {
  public:
    void Show(std::uint64_t rows, bool last) {
        const auto now = Clock::now();
        if (!last && now - m_drawn < std::chrono::milliseconds(250)) {
            return;
        }
        m_drawn = now;
        const double seconds = std::chrono::duration<double>(now - m_start).count();
        const double rate = seconds > 0 ? static_cast<double>(rows) / seconds : 0.0;
        char numbers[64];
        std::snprintf(numbers, sizeof(numbers), "%llu, %.0f ",
                      static_cast<unsigned long long>(rows), rate);
        Print(stderr, u"\r已解析 " + AnsiToWide(numbers) + u"行/秒   ");
    }

  private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point m_start = Clock::now();
    Clock::time_point m_drawn = m_start;
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

// Reports an opening that failed: missing says so for a name that names nothing (a folder, a pipe
// or a link loop is there, and the message says what it is instead).
int CheckOpening(const DatabaseOpening& opening, std::u16string_view missing,
                 std::u16string_view path) {
    if (opening.engineStatus == QUORVANE_DB_NOT_FOUND ||
        opening.engineStatus == QUORVANE_DB_BAD_ARGUMENT) {
        PrintLine(stderr, missing);
        return kExitNoDatabase;
    }
    if (opening.status != DatabaseStatus::kUsable) {
        PrintLine(stderr, u"数据库文件已损坏或无法读取! " + std::u16string(path) + u" (" +
                              DatabaseFailureCause(opening.engineStatus) + u")");
        return kExitNoDatabase;
    }
    return kGoOn;
}

struct Databases {
    std::u16string path;  // ip2region.db
    // ip2region.db, read and checked while the first lines are read (null for a name that the
    // system cannot take).
    std::unique_ptr<CDatabaseSource> database4;
    int checked = kNotChecked;  // CheckDatabase's answer once given
    SharedDatabase database;    // once checked usable
    std::unique_ptr<CDatabaseSource> database6;

    static constexpr int kNotChecked = -2;
};

// Waits for ip2region.db and reports it once when unusable: kGoOn, or the exit code. Every report
// of a later step comes after it, as the database is the first thing the command checks.
int CheckDatabase(Databases& databases) {
    if (databases.checked == Databases::kNotChecked) {
        const DatabaseOpening opening =
            databases.database4 ? databases.database4->Wait() : DatabaseOpening{};
        databases.checked = CheckOpening(opening, messages::kDatabaseMissing, databases.path);
        databases.database = opening.database;
    }
    return databases.checked;
}

// Opened, read and checked once: the workers search what was checked. A region6.db named on the
// command line is read while ip2region.db is; an unusable one ends the command as an unusable
// --db does.
int OpenDatabases(const Options& options, Databases& databases) {
    if (options.db6.given && options.db6.nameKept) {
        databases.database6 =
            std::make_unique<CDatabaseSource>(options.db6.value, QUORVANE_DB_IPV6);
        databases.database6->Request();
    }
    databases.path = options.db.given ? options.db.value : DefaultDatabasePath();
    if (options.db.nameKept) {
        databases.database4 = std::make_unique<CDatabaseSource>(databases.path, QUORVANE_DB_IPV4);
        databases.database4->Request();
    }
    if (!options.db6.given) {
        // Loaded only once rows that may be IPv6 turn up; without it they stay empty.
        databases.database6 =
            std::make_unique<CDatabaseSource>(DefaultDatabase6Path(), QUORVANE_DB_IPV6);
        return kGoOn;
    }
    if (const int code = CheckDatabase(databases); code != kGoOn) {
        return code;
    }
    const std::u16string& path6 = options.db6.value;
    const DatabaseOpening named6 =
        databases.database6 ? databases.database6->Wait() : DatabaseOpening{};
    return CheckOpening(named6, u"未找到region6.db文件! " + path6, path6);
}

// Refused before any work: the result could only go to a name other than the one given, or
// over the database, which would leave nothing to run the next time.
int CheckOutputName(const Options& options, Databases& databases) {
    if (!options.fileNameKept[1]) {
        if (const int code = CheckDatabase(databases); code != kGoOn) {
            return code;
        }
        PrintLine(stderr, u"输出文件名无法在文件系统中表示! " + options.files[1]);
        return kExitUnwritableOutput;
    }
    const std::u16string& output = options.files[1];
    if (output != kStandardStream && IsSameFile(output, databases.path)) {
        if (const int code = CheckDatabase(databases); code != kGoOn) {
            return code;
        }
        PrintFailure(messages::kExportFailed, output, FileError{FileProblem::kIsTheDatabase});
        return kExitUnwritableOutput;
    }
    return kGoOn;
}

std::unique_ptr<CTextFile> OpenText(std::u16string_view path, CTextFile::Mode mode) {
    return path == kStandardStream
               ? std::make_unique<CTextFile>(mode, CTextFile::StandardStream::kStandard)
               : std::make_unique<CTextFile>(path, mode);
}

void WarnIpv6Unresolved(const StreamOutcome& outcome, CDatabaseSource& database6) {
    if (outcome.ipv6Unresolved == 0) {
        return;
    }
    const DatabaseOpening opening = database6.Wait();
    PrintLine(stderr, u"警告: IPv6数据库不可用, " +
                          AnsiToWide(std::to_string(outcome.ipv6Unresolved)) +
                          u" 行IPv6地址的结果为空! " + database6.Path() + u" (" +
                          DatabaseFailureCause(opening.engineStatus) + u")");
}

int Report(const StreamOutcome& outcome, const Options& options, Databases& databases) {
    using Kind = StreamOutcome::Kind;
    // Also for an empty or unreadable list, which the run met before it needed the database.
    if (const int code = CheckDatabase(databases); code != kGoOn) {
        return code;
    }
    switch (outcome.kind) {
        case Kind::kEmptyInput:
            PrintLine(stderr, messages::kImportFirst);
            return kExitEmptyInput;
        case Kind::kReadFailed:
            PrintFailure(messages::kImportUnreadable, ShownName(options.files[0], false),
                         outcome.error);
            return kExitUnreadableInput;
        case Kind::kNoDatabase:  // reported above
        case Kind::kNoThreads:
            PrintLine(stderr, messages::kNoWorkerThread);
            return kExitFailure;
        case Kind::kOutOfMemory:
            PrintLine(stderr, messages::kOutOfMemory);
            return kExitFailure;
        case Kind::kWriteFailed:
            WarnIpv6Unresolved(outcome, *databases.database6);
            PrintFailure(messages::kExportFailed, ShownName(options.files[1], true), outcome.error);
            return kExitUnwritableOutput;
        case Kind::kDone:
            break;
    }
    WarnIpv6Unresolved(outcome, *databases.database6);
    // Standard output may be the results themselves; the note goes beside the other messages.
    PrintLine(stderr, messages::kExportDone);
    return kExitOk;
}

int RunJob(const Options& options, Databases& databases, StreamRecords& records) {
    const std::u16string& inputPath = options.files[0];
    std::unique_ptr<CTextFile> input;
    if (options.fileNameKept[0]) {
        input = OpenText(inputPath, CTextFile::Mode::kRead);
    }
    if (!input || !input->IsOpen()) {
        if (const int code = CheckDatabase(databases); code != kGoOn) {
            return code;
        }
        PrintFailure(messages::kImportUnreadable, ShownName(inputPath, false),
                     input ? input->Error() : FileError{FileProblem::kNameNotKept});
        return kExitUnreadableInput;
    }
    CProgressLine progress;
    const bool showProgress = isatty(STDERR_FILENO) == 1;
    StreamSettings settings;
    settings.threads = options.threads;
    // The first chunk is read while ip2region.db is still loading.
    settings.awaitDatabase = [&databases] {
        return CheckDatabase(databases) == kGoOn ? databases.database : nullptr;
    };
    settings.database6 = databases.database6.get();
    settings.openOutput = [&options] {
        return OpenText(options.files[1], CTextFile::Mode::kWrite);
    };
    if (showProgress) {
        settings.onProgress = [&progress](std::uint64_t rows) { progress.Show(rows, false); };
    }
    const StreamOutcome outcome = RunStream(*input, settings, records);
    if (showProgress && outcome.rows > 0) {
        progress.Show(outcome.rows, true);
        Print(stderr, u"\n");
    }
    return Report(outcome, options, databases);
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
    Databases databases;
    if (const int code = OpenDatabases(options, databases); code != kGoOn) {
        return code;
    }
    if (const int code = CheckOutputName(options, databases); code != kGoOn) {
        return code;
    }
    StreamRecords records;
    const int code = RunJob(options, databases, records);
    // Everything is written and flushed: ending here spares the exit the freeing of every record
    // one by one, which the system takes back at once anyway.
    std::fflush(nullptr);
    std::_Exit(code);
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
