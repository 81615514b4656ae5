// One open file of the system, as CTextFile uses it. Internal to the library: one implementation
// per platform, chosen by the build; everything above it (lines, encodings, buffering) is shared.
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
    enum class Access { kRead, kWrite };

    CNativeFile() = default;
    // Closes the file if it is still open.
    ~CNativeFile();
    CNativeFile(const CNativeFile&) = delete;
    CNativeFile& operator=(const CNativeFile&) = delete;

    // kRead opens an existing file for reading only (never creating one); a directory is not
    // opened. kWrite opens or creates the file for writing. Returns IsOpen().
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
    // Closes the file; true when the system reported no failure.
    bool Close();

  private:
    // A POSIX descriptor or a Windows handle; -1 is the invalid value of both.
    static constexpr std::intptr_t kInvalid = -1;
    std::intptr_t m_handle = kInvalid;
};

}  // namespace quorvane

#endif  // QUORVANE_FILES_NATIVE_FILE_H_
