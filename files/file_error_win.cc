#include <windows.h>

#include "files/file_error.h"

namespace quorvane {

namespace {

// ERROR_DISK_QUOTA_EXCEEDED, which MinGW's headers lack.
constexpr DWORD kDiskQuotaExceeded = 1295;

}  // namespace

FileError FileErrorFromSystem(int code) {
    FileError error;
    error.systemCode = code;
    switch (static_cast<DWORD>(code)) {
        case ERROR_SUCCESS:
            return error;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            error.problem = FileProblem::kNotFound;
            break;
        case ERROR_DIRECTORY:
            error.problem = FileProblem::kIsDirectory;
            break;
        case ERROR_BAD_FILE_TYPE:
            error.problem = FileProblem::kNotAFile;
            break;
        case ERROR_ACCESS_DENIED:
            error.problem = FileProblem::kNoPermission;
            break;
        case ERROR_WRITE_PROTECT:
            error.problem = FileProblem::kReadOnlyStorage;
            break;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            error.problem = FileProblem::kDiskFull;
            break;
        case kDiskQuotaExceeded:
            error.problem = FileProblem::kQuotaExceeded;
            break;
        case ERROR_FILE_TOO_LARGE:
            error.problem = FileProblem::kTooLarge;
            break;
        case ERROR_FILENAME_EXCED_RANGE:
            error.problem = FileProblem::kNameTooLong;
            break;
        case ERROR_INVALID_NAME:
            error.problem = FileProblem::kNameNotKept;
            break;
        case ERROR_CANT_RESOLVE_FILENAME:
            error.problem = FileProblem::kLinkLoop;
            break;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            error.problem = FileProblem::kInUse;
            break;
        case ERROR_BROKEN_PIPE:
        case ERROR_NO_DATA:
            error.problem = FileProblem::kPipeClosed;
            break;
        case ERROR_TOO_MANY_OPEN_FILES:
            error.problem = FileProblem::kTooManyOpenFiles;
            break;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            error.problem = FileProblem::kOutOfMemory;
            break;
        case ERROR_INVALID_HANDLE:
            error.problem = FileProblem::kNoFileDescriptor;
            break;
        default:
            error.problem = FileProblem::kOther;
            break;
    }
    return error;
}

}  // namespace quorvane
