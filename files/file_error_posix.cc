#include <cerrno>

#include "files/file_error.h"

namespace quorvane {

namespace {

constexpr SystemErrorCause kCauses[] = {
    {ENOENT, FileProblem::kNotFound},
    {EISDIR, FileProblem::kIsDirectory},
    {ENODEV, FileProblem::kNotAFile},
    {ENXIO, FileProblem::kNotAFile},
    {EACCES, FileProblem::kNoPermission},
    {EPERM, FileProblem::kNoPermission},
    {EROFS, FileProblem::kReadOnlyStorage},
    {ENOSPC, FileProblem::kDiskFull},
    {EDQUOT, FileProblem::kQuotaExceeded},
    {EFBIG, FileProblem::kTooLarge},
    {EOVERFLOW, FileProblem::kTooLarge},
    {ENAMETOOLONG, FileProblem::kNameTooLong},
    {ENOTDIR, FileProblem::kNotAFolderInPath},
    {ELOOP, FileProblem::kLinkLoop},
    {EBUSY, FileProblem::kInUse},
    {ETXTBSY, FileProblem::kInUse},
    {EPIPE, FileProblem::kPipeClosed},
    {EMFILE, FileProblem::kTooManyOpenFiles},
    {ENFILE, FileProblem::kTooManyOpenFiles},
    {ENOMEM, FileProblem::kOutOfMemory},
    {EIO, FileProblem::kInputOutput},
    {EBADF, FileProblem::kNoFileDescriptor},
};

}  // namespace

FileError FileErrorFromSystem(int code) {
    return FileErrorFromTable(code, kCauses);
}

}  // namespace quorvane
