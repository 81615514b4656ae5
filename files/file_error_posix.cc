#include <cerrno>

#include "files/file_error.h"

namespace quorvane {

FileError FileErrorFromSystem(int code) {
    FileError error;
    error.systemCode = code;
    switch (code) {
        case 0:
            return error;
        case ENOENT:
            error.problem = FileProblem::kNotFound;
            break;
        case EISDIR:
            error.problem = FileProblem::kIsDirectory;
            break;
        case ENODEV:
        case ENXIO:
            error.problem = FileProblem::kNotAFile;
            break;
        case EACCES:
        case EPERM:
            error.problem = FileProblem::kNoPermission;
            break;
        case EROFS:
            error.problem = FileProblem::kReadOnlyStorage;
            break;
        case ENOSPC:
            error.problem = FileProblem::kDiskFull;
            break;
        case EDQUOT:
            error.problem = FileProblem::kQuotaExceeded;
            break;
        case EFBIG:
        case EOVERFLOW:
            error.problem = FileProblem::kTooLarge;
            break;
        case ENAMETOOLONG:
            error.problem = FileProblem::kNameTooLong;
            break;
        case ENOTDIR:
            error.problem = FileProblem::kNotAFolderInPath;
            break;
        case ELOOP:
            error.problem = FileProblem::kLinkLoop;
            break;
        case EBUSY:
        case ETXTBSY:
            error.problem = FileProblem::kInUse;
            break;
        case EPIPE:
            error.problem = FileProblem::kPipeClosed;
            break;
        case EMFILE:
        case ENFILE:
            error.problem = FileProblem::kTooManyOpenFiles;
            break;
        case ENOMEM:
            error.problem = FileProblem::kOutOfMemory;
            break;
        case EIO:
            error.problem = FileProblem::kInputOutput;
            break;
        case EBADF:
            error.problem = FileProblem::kNoFileDescriptor;
            break;
        default:
            error.problem = FileProblem::kOther;
            break;
    }
    return error;
}

}  // namespace quorvane
