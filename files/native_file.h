// One open file of the system, as CTextFile and the database check use it: one implementation per
// platform, chosen by the build; everything above it (lines, encodings, buffering, the database
// layout check) is shared.
#ifndef QUORVANE_FILES_NATIVE_FILE_H_
#define QUORVANE_FILES_NATIVE_FILE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_error.h"

namespace quorvane {

class CNativeFile {
  public:
    enum class Access { kRead, kReadShared, kWrite };

    CNativeFile() = default;
    // Closes the file if it is still open; a new file not yet published is removed.
    ~CNativeFile();
    CNativeFile(const CNativeFile&) = delete;
    CNativeFile& operator=(const CNativeFile&) = delete;

    // kRead opens an existing file for reading only (never creating one): a regular file, a pipe,
    // a socket or a terminal; a directory or a device such as /dev/zero is no list of lines.
    // kReadShared reads as kRead does, but lets other programs (and other threads' handles) open
    // the file meanwhile, and opens it while they hold it: a database is read by every worker and
    // every copy of the tool at once.
    // kWrite never replaces anything but the regular file the user named, and never destroys it
    // before the whole result is there:
    // - a regular file (or a name not taken yet) is written as a new file beside it, which
    //   Close(true) renames over it, with the old file's permissions; a read-only file is refused;
    // - when its folder takes no new file (read-only, or no free entry left), the result is
    //   written to the system's temporary folder first and copied over the old file by
    //   Close(true), with space reserved first and signals held off meanwhile;
    // - a symbolic link is followed to the regular file it names, and stays a link;
    // - a path naming one of our own descriptors (/dev/stdout, /dev/fd/N, /proc/self/fd/N, or a
    //   link to one) writes to that descriptor at its position, as a shell redirection would;
    // - a link whose target cannot be resolved, another process's descriptor and anything that is
    //   not a regular file (a pipe, a terminal, a device) are opened write-only and written
    //   directly.
    // Stale temporary files of ours beside the target, whose process has ended, are removed.
    // Returns IsOpen(); on false Error() tells why.
    // REQUIRES: not open yet; path is not empty and holds no NUL.
    bool Open(std::u16string_view path, Access access);
    // Reads standard input (kRead) or writes standard output (kWrite) at its position: nothing is
    // truncated and no file is made. Standard input must be of a kind kRead takes.
    // REQUIRES: not open yet; access is kRead or kWrite.
    bool OpenStandard(Access access);
    bool IsOpen() const { return m_handle != kInvalid; }

    // The size of a regular file; nothing for a pipe, a terminal or a device, or on failure.
    std::optional<std::uint64_t> RegularSize() const;
    // Reads up to size bytes from offset without moving the position; returns the count read.
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size);
    // Moves the position to offset from the start.
    bool Seek(std::uint64_t offset);
    // Reads up to size bytes at the position: the count, 0 at the end, -1 on a failure.
    std::ptrdiff_t Read(void* buffer, std::size_t size);
    // Writes all size bytes at the position; false on a failure.
    bool Write(const void* data, std::size_t size);
    // Empties a regular file and moves to its start; anything else needs no emptying (true).
    bool Truncate();
    // Closes the file. A file written beside its target is then renamed over it when publish is
    // true, and removed otherwise. Returns true when the close (and the rename) succeeded.
    bool Close(bool publish);

    // Why the first failing operation failed (kNone while none has); a result written in place
    // says so in FileError::inPlace.
    const FileError& Error() const { return m_error; }

  private:
    // A POSIX descriptor or a Windows handle; -1 is the invalid value of both.
    static constexpr std::intptr_t kInvalid = -1;
    std::intptr_t m_handle = kInvalid;
    // Records the cause of a failure unless an earlier one is recorded; while a result waits to
    // be written in place, the old file is still whole.
    void Fail(FileError error) {
        if (m_target != kInvalid && error.inPlace == FileError::InPlace::kNotNeeded) {
            error.inPlace = FileError::InPlace::kOldFileKept;
        }
        if (!m_error) {
            m_error = error;
        }
    }
    // Whether a folder that refused a new file for this reason may still see its old file written
    // in place: it is read-only, or has no room for another file.
    static bool AllowsInPlace(const FileError& refusal) {
        return refusal.problem == FileProblem::kNoPermission ||
               refusal.problem == FileProblem::kReadOnlyStorage ||
               refusal.problem == FileProblem::kDiskFull ||
               refusal.problem == FileProblem::kQuotaExceeded;
    }
    // kWrite of a regular file or a new name (the target's path in the system's encoding).
    bool OpenReplacement(const std::string& path, bool exists);
    // Close(true) of a result written in place.
    bool CopyInPlace(std::uint64_t size);

    std::string m_tempPath;   // kWrite beside the target: the new file (UTF-8; on POSIX systems
                              // its name in m_folder)
    std::string m_finalPath;  // and the target it replaces (likewise)
    std::intptr_t m_folder = kInvalid;  // POSIX: the target's folder, for the names above
    std::intptr_t m_target = kInvalid;  // written in place: the old file, the result staged
                                        // in m_handle until Close(true)
    bool m_adopted = false;             // a descriptor we were handed: never truncated
    FileError m_error;
};

}  // namespace quorvane

#endif  // QUORVANE_FILES_NATIVE_FILE_H_
