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

namespace quorvane {

class CNativeFile {
  public:
    enum class Access { kRead, kReadShared, kWrite };

    CNativeFile() = default;
    // Closes the file if it is still open; a new file not yet published is removed.
    ~CNativeFile();
    CNativeFile(const CNativeFile&) = delete;
    CNativeFile& operator=(const CNativeFile&) = delete;

    // kRead opens an existing file for reading only (never creating one): a regular file, a pipe
    // or a terminal; a directory or a device such as /dev/zero is no list of lines. kWrite
    // writes a regular file (or a name not taken yet) as a new file beside it, which Close(true)
    // renames over it, so that the old file stays whole until then; it copies the old file's
    // permissions. A read-only file is refused; anything else that exists (a pipe, a terminal, a
    // device) is opened write-only and written directly; when the folder takes no new file, a
    // writable file is written in place. kReadShared reads as kRead does, but lets other programs
    // (and other threads' handles) open the file meanwhile, and opens it while they hold it: a
    // database is read by every worker and every copy of the tool at once. Returns IsOpen().
    // REQUIRES: not open yet; path is not empty and holds no NUL.
    bool Open(std::u16string_view path, Access access);
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

  private:
    // A POSIX descriptor or a Windows handle; -1 is the invalid value of both.
    static constexpr std::intptr_t kInvalid = -1;
    std::intptr_t m_handle = kInvalid;
    std::string m_tempPath;   // kWrite beside the target: the new file (UTF-8)
    std::string m_finalPath;  // and the target it replaces (UTF-8)
};

}  // namespace quorvane

#endif  // QUORVANE_FILES_NATIVE_FILE_H_
