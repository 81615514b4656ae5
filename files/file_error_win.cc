#include <windows.h>

#include "files/file_error.h"

namespace quorvane {

namespace {

// ERROR_DISK_QUOTA_EXCEEDED, which MinGW's headers lack.
constexpr int kDiskQuotaExceeded = 1295;

constexpr SystemErrorCause kCauses[] = {
    {static_cast<int>(ERROR_FILE_NOT_FOUND), FileProblem::kNotFound},
    {static_cast<int>(ERROR_PATH_NOT_FOUND), FileProblem::kNotFound},
    {static_cast<int>(ERROR_INVALID_DRIVE), FileProblem::kNotFound},
    {static_cast<int>(ERROR_BAD_NETPATH), FileProblem::kNotFound},
    {static_cast<int>(ERROR_DIRECTORY), FileProblem::kIsDirectory},
    {static_cast<int>(ERROR_BAD_FILE_TYPE), FileProblem::kNotAFile},
    {static_cast<int>(ERROR_ACCESS_DENIED), FileProblem::kNoPermission},
    {static_cast<int>(ERROR_WRITE_PROTECT), FileProblem::kReadOnlyStorage},
    {static_cast<int>(ERROR_DISK_FULL), FileProblem::kDiskFull},
    {static_cast<int>(ERROR_HANDLE_DISK_FULL), FileProblem::kDiskFull},
    {kDiskQuotaExceeded, FileProblem::kQuotaExceeded},
    {static_cast<int>(ERROR_FILE_TOO_LARGE), FileProblem::kTooLarge},
    {static_cast<int>(ERROR_FILENAME_EXCED_RANGE), FileProblem::kNameTooLong},
    {static_cast<int>(ERROR_INVALID_NAME), FileProblem::kNameNotKept},
    {static_cast<int>(ERROR_CANT_RESOLVE_FILENAME), FileProblem::kLinkLoop},
    {static_cast<int>(ERROR_SHARING_VIOLATION), FileProblem::kInUse},
    {static_cast<int>(ERROR_LOCK_VIOLATION), FileProblem::kInUse},
    {static_cast<int>(ERROR_BROKEN_PIPE), FileProblem::kPipeClosed},
    {static_cast<int>(ERROR_NO_DATA), FileProblem::kPipeClosed},
    {static_cast<int>(ERROR_TOO_MANY_OPEN_FILES), FileProblem::kTooManyOpenFiles},
    {static_cast<int>(ERROR_NOT_ENOUGH_MEMORY), FileProblem::kOutOfMemory},
    {static_cast<int>(ERROR_OUTOFMEMORY), FileProblem::kOutOfMemory},
    {static_cast<int>(ERROR_INVALID_HANDLE), FileProblem::kNoFileDescriptor},
};

}  // namespace

FileError FileErrorFromSystem(int code) {
    return FileErrorFromTable(code, kCauses);
}

}  // namespace quorvane
