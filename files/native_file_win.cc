#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "files/conversions.h"
#include "files/native_file.h"
#include "files/removal_on_signal.h"

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

std::wstring FromUtf8(const std::string& text) {
    const std::u16string wide = Utf8ToWide(text);
    return std::wstring(wide.begin(), wide.end());
}

HANDLE OpenForReading(const std::wstring& name, bool shared) {
    // A list is not shared: while the file is ours no other program opens it, and a file another
    // program holds is not opened. A shared read allows what the C library's own opens allow.
    const DWORD share = shared ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    // A directory never opens without backup semantics; a console or a device such as NUL or COM1
    // is no list of lines and could wait for input forever.
    const DWORD type = handle == INVALID_HANDLE_VALUE ? FILE_TYPE_UNKNOWN : GetFileType(handle);
    if (handle != INVALID_HANDLE_VALUE && type != FILE_TYPE_DISK && type != FILE_TYPE_PIPE) {
        CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
    return handle;
}

// A new, empty file with a name of its own in the folder of target.
HANDLE CreateFileBeside(const std::wstring& target, std::wstring& tempPath) {
    static std::atomic<unsigned> s_counter{0};
    const std::size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder =
        slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder + L".quorvane-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                   std::to_wstring(s_counter++) + L"-" + std::to_wstring(GetTickCount()) + L".tmp";
        HANDLE handle = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            if (handle == INVALID_HANDLE_VALUE) {
                tempPath.clear();
            }
            return handle;
        }
    }
    tempPath.clear();
    return INVALID_HANDLE_VALUE;
}

// As on POSIX systems: a file on disk (or a name not yet taken) is written to a new file beside
// it that Close() moves over it; a pipe, a console or a device is written directly.
HANDLE OpenForWriting(const std::wstring& name, std::wstring& tempPath) {
    HANDLE existing = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (existing == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND) {
        return INVALID_HANDLE_VALUE;  // read-only, held by another program, a folder, no path
    }
    if (existing != INVALID_HANDLE_VALUE) {
        if (GetFileType(existing) != FILE_TYPE_DISK) {
            return existing;
        }
        CloseHandle(existing);
    }
    HANDLE handle = CreateFileBeside(name, tempPath);
    if (handle == INVALID_HANDLE_VALUE && existing != INVALID_HANDLE_VALUE) {
        // A writable file in a folder that takes no new files: in place is the only way left.
        handle = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    return handle;
}

}  // namespace

CNativeFile::~CNativeFile() {
    Close(false);
}

bool CNativeFile::Open(std::u16string_view path, Access access) {
    const std::wstring name = ToSystemPath(path);
    HANDLE handle;
    if (access != Access::kWrite) {
        handle = OpenForReading(name, access == Access::kReadShared);
    } else {
        std::wstring tempPath;
        handle = OpenForWriting(name, tempPath);
        if (!tempPath.empty()) {
            m_tempPath = WideToUtf8(std::u16string(tempPath.begin(), tempPath.end()));
            m_finalPath = WideToUtf8(path);
            SetPendingFile(m_tempPath);
        }
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

bool CNativeFile::Close(bool publish) {
    if (!IsOpen()) {
        return false;
    }
    bool closed = CloseHandle(AsHandle(m_handle)) != 0;
    m_handle = kInvalid;
    if (!m_tempPath.empty()) {
        const std::wstring tempPath = FromUtf8(m_tempPath);
        if (closed && publish &&
            !MoveFileExW(tempPath.c_str(), FromUtf8(m_finalPath).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            closed = false;  // the target is held by another program, or became read-only
        }
        if (!closed || !publish) {
            DeleteFileW(tempPath.c_str());
        }
        SetPendingFile({});
        m_tempPath.clear();
        m_finalPath.clear();
    }
    return closed;
}

}  // namespace quorvane
