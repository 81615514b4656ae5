#include <windows.h>

#include <algorithm>

#include "files/native_file.h"

namespace quorvane {

namespace {

// One ReadFile or WriteFile call moves at most this much; the count is a DWORD.
constexpr std::size_t kMaxTransfer = 1U << 30;

HANDLE AsHandle(std::intptr_t value) {
    return reinterpret_cast<HANDLE>(value);
}

std::wstring ToSystemPath(std::u16string_view path) {
    return std::wstring(reinterpret_cast<const wchar_t*>(path.data()), path.size());
}

}  // namespace

CNativeFile::~CNativeFile() {
    Close();
}

bool CNativeFile::Open(std::u16string_view path, Access access) {
    const std::wstring name = ToSystemPath(path);
    // No sharing: while the file is ours no other program opens it, and a file another program
    // holds is not opened.
    HANDLE handle;
    if (access == Access::kRead) {
        handle = CreateFileW(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        // A directory never opens without backup semantics; a console or a device such as NUL
        // or COM1 is no list of lines and could wait for input forever.
        const DWORD type = handle == INVALID_HANDLE_VALUE ? FILE_TYPE_UNKNOWN : GetFileType(handle);
        if (handle != INVALID_HANDLE_VALUE && type != FILE_TYPE_DISK && type != FILE_TYPE_PIPE) {
            CloseHandle(handle);
            handle = INVALID_HANDLE_VALUE;
        }
    } else {
        handle = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    m_handle = reinterpret_cast<std::intptr_t>(handle);
    return IsOpen();
}

std::optional<std::uint64_t> CNativeFile::RegularSize() const {
    LARGE_INTEGER size;
    if (!IsOpen() || GetFileType(AsHandle(m_handle)) != FILE_TYPE_DISK ||
        !GetFileSizeEx(AsHandle(m_handle), &size) || size.QuadPart < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::size_t CNativeFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
    // A read at an offset moves the position of a synchronous handle: it is put back after.
    LARGE_INTEGER zero = {};
    LARGE_INTEGER position;
    if (!IsOpen() || !SetFilePointerEx(AsHandle(m_handle), zero, &position, FILE_CURRENT) ||
        !Seek(offset)) {
        return 0;
    }
    std::size_t got = 0;
    while (got < size) {
        const std::ptrdiff_t n = Read(static_cast<char*>(buffer) + got, size - got);
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    SetFilePointerEx(AsHandle(m_handle), position, nullptr, FILE_BEGIN);
    return got;
}

bool CNativeFile::Seek(std::uint64_t offset) {
    LARGE_INTEGER target;
    target.QuadPart = static_cast<LONGLONG>(offset);
    return IsOpen() && SetFilePointerEx(AsHandle(m_handle), target, nullptr, FILE_BEGIN);
}

std::ptrdiff_t CNativeFile::Read(void* buffer, std::size_t size) {
    if (!IsOpen()) {
        return -1;
    }
    DWORD got = 0;
    if (!ReadFile(AsHandle(m_handle), buffer, static_cast<DWORD>(std::min(size, kMaxTransfer)),
                  &got, nullptr)) {
        // The writer of a pipe has closed it: the end of the data, not a failure.
        return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
    }
    return static_cast<std::ptrdiff_t>(got);
}

bool CNativeFile::Write(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        DWORD written = 0;
        if (!IsOpen() ||
            !WriteFile(AsHandle(m_handle), bytes, static_cast<DWORD>(std::min(size, kMaxTransfer)),
                       &written, nullptr) ||
            written == 0) {
            return false;
        }
        bytes += written;
        size -= written;
    }
    return true;
}

bool CNativeFile::Truncate() {
    if (!RegularSize()) {
        return IsOpen();  // pipes and devices cannot be truncated and need not be
    }
    return Seek(0) && SetEndOfFile(AsHandle(m_handle));
}

bool CNativeFile::Close() {
    if (!IsOpen()) {
        return false;
    }
    const bool closed = CloseHandle(AsHandle(m_handle)) != 0;
    m_handle = kInvalid;
    return closed;
}

}  // namespace quorvane
