// Why a file could not be read or written, in the words the user is told (Chinese). The command
// prints it after the file's name; the window adds it as a second line to its own message.
#ifndef QUORVANE_FILES_FILE_ERROR_H_
#define QUORVANE_FILES_FILE_ERROR_H_

#include <span>
#include <string>

namespace quorvane {

// The causes a user can act on; every other system error keeps its number.
enum class FileProblem {
    kNone,
    kNotFound,          // the file, or a folder on its path, does not exist
    kIsDirectory,       // a folder where a file was wanted
    kNotAFile,          // a device: no list of lines
    kNoPermission,      // access denied, a read-only file included
    kReadOnlyStorage,   // the file system is mounted read-only
    kDiskFull,          // no space (or no free file entry) left
    kQuotaExceeded,     // the user's share of the disk is used up
    kTooLarge,          // larger than the file system or a limit allows
    kNameTooLong,       // the path or one of its names
    kNotAFolderInPath,  // a file where the path needs a folder
    kLinkLoop,          // symbolic links that point at each other
    kInUse,             // held by another program, or a mount point
    kPipeClosed,        // the reading end of a pipe went away
    kTooManyOpenFiles,  // this process or the system
    kOutOfMemory,       // the list, or its result, did not fit in memory
    kInputOutput,       // the device reported an error
    kNameNotKept,       // the name has bytes the locale's character set cannot represent
    kIsTheDatabase,     // the output named is the database the run reads
    kNoFileDescriptor,  // standard input or output is closed
    kOther,             // see FileError::systemCode
};

struct FileError {
    FileProblem problem = FileProblem::kNone;
    // The system's number (errno, or GetLastError() on Windows) when problem is kOther, and the
    // number kept for whoever wants it otherwise.
    int systemCode = 0;
    // Whether the result had to be written into the old file itself, since its folder takes no
    // new file (a read-only folder, no free file entry), and how far that went.
    enum class InPlace { kNotNeeded, kOldFileKept, kOldFileDamaged };
    InPlace inPlace = InPlace::kNotNeeded;

    explicit operator bool() const { return problem != FileProblem::kNone; }
};

// The problem of one of the system's error numbers (errno; GetLastError() on Windows); 0 is none.
FileError FileErrorFromSystem(int code);

// One line of a platform's table of the numbers it knows.
struct SystemErrorCause {
    int code;
    FileProblem problem;
};
// The problem causes gives for code, kOther for a number it does not list, kNone for 0.
FileError FileErrorFromTable(int code, std::span<const SystemErrorCause> causes);

// The cause as the user reads it: "文件不存在", "磁盘空间不足", ..., followed by what became of
// the old file when it had to be written in place; empty for kNone.
std::u16string DescribeFileError(const FileError& error);

}  // namespace quorvane

#endif  // QUORVANE_FILES_FILE_ERROR_H_
