#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

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
        SetLastError(ERROR_BAD_FILE_TYPE);
    }
    return handle;
}

// Our temporary files are ".qv-PID-N", as on POSIX systems: short, and naming the process that
// owns them, so that a later export can tell a leftover from a file being written.
constexpr wchar_t kTempPrefix[] = L".qv-";
// One copy step of a result written in place.
constexpr DWORD kCopyChunk = 1U << 20;

FileError LastSystemError() {
    return FileErrorFromSystem(static_cast<int>(GetLastError()));
}

// Why name did not open: a folder is refused as "access denied", which says the wrong thing.
FileError OpenError(const std::wstring& name) {
    const DWORD cause = GetLastError();
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (cause == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileErrorFromSystem(ERROR_DIRECTORY);
    }
    return FileErrorFromSystem(static_cast<int>(cause));
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

// Whether name is one of our temporary files, and of which process.
bool IsTempName(const std::wstring& name, DWORD& owner) {
    const std::size_t prefix = std::size(kTempPrefix) - 1;
    const std::size_t dash = name.find(L'-', prefix);
    if (name.compare(0, prefix, kTempPrefix) != 0 || dash == std::wstring::npos || dash == prefix ||
        dash + 1 == name.size()) {
        return false;
    }
    const auto digits = [&](std::size_t from, std::size_t to) {
        return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(from),
                           name.begin() + static_cast<std::ptrdiff_t>(to),
                           [](wchar_t c) { return c >= L'0' && c <= L'9'; });
    };
    if (!digits(prefix, dash) || !digits(dash + 1, name.size()) || dash - prefix > 9) {
        return false;
    }
    owner = static_cast<DWORD>(std::stoul(name.substr(prefix, dash - prefix)));
    return true;
}

// Files of ours in folder whose process no longer runs are removed: a process ended outright
// (a kill from the task manager, a power cut) leaves its temporary file behind.
void RemoveStaleFiles(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + kTempPrefix + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        DWORD owner = 0;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
            !IsTempName(entry.cFileName, owner) || owner == GetCurrentProcessId()) {
            continue;
        }
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, owner);
        if (process != nullptr) {
            CloseHandle(process);
        } else if (GetLastError() == ERROR_INVALID_PARAMETER) {  // no such process
            DeleteFileW((folder + entry.cFileName).c_str());
        }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

// A new, empty file with a name of its own in the folder of target.
HANDLE CreateFileBeside(const std::wstring& target, std::wstring& tempPath) {
    static std::atomic<unsigned> s_counter{0};
    const std::wstring folder = FolderOf(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder + kTempPrefix + std::to_wstring(GetCurrentProcessId()) + L"-" +
                   std::to_wstring(s_counter++);
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
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// A file in the system's temporary folder that goes with its handle: where a result waits that
// must be written in place.
HANDLE CreateStagingFile() {
    wchar_t folder[MAX_PATH + 1];
    wchar_t name[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH || GetTempFileNameW(folder, L"qv", 0, name) == 0) {
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

}  // namespace

CNativeFile::~CNativeFile() {
    Close(false);
}

bool CNativeFile::Open(std::u16string_view path, Access access) {
    const std::wstring name = ToSystemPath(path);
    if (access != Access::kWrite) {
        m_handle =
            reinterpret_cast<std::intptr_t>(OpenForReading(name, access == Access::kReadShared));
        if (!IsOpen()) {
            Fail(OpenError(name));
        }
        return IsOpen();
    }
    // A pipe, a console or a device is written directly; a file on disk (or a name not yet taken)
    // is replaced.
    HANDLE existing = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (existing == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND) {
        Fail(OpenError(name));  // read-only, held by another program, a folder, no path
        return false;
    }
    if (existing != INVALID_HANDLE_VALUE && GetFileType(existing) != FILE_TYPE_DISK) {
        m_handle = reinterpret_cast<std::intptr_t>(existing);
        return true;
    }
    if (existing != INVALID_HANDLE_VALUE) {
        CloseHandle(existing);
    }
    return OpenReplacement(WideToUtf8(path), existing != INVALID_HANDLE_VALUE);
}

bool CNativeFile::OpenReplacement(const std::string& path, bool exists) {
    const std::wstring name = FromUtf8(path);
    RemoveStaleFiles(FolderOf(name));
    std::wstring tempPath;
    HANDLE handle = CreateFileBeside(name, tempPath);
    if (handle != INVALID_HANDLE_VALUE) {
        m_handle = reinterpret_cast<std::intptr_t>(handle);
        m_tempPath = WideToUtf8(std::u16string(tempPath.begin(), tempPath.end()));
        m_finalPath = path;
        SetPendingFile(0, m_tempPath);
        return true;
    }
    const DWORD cause = GetLastError();
    if (!exists || !AllowsInPlace(FileErrorFromSystem(static_cast<int>(cause)))) {
        Fail(FileErrorFromSystem(static_cast<int>(cause)));
        return false;
    }
    // A writable file in a folder that takes no new file: the result waits elsewhere whole, and
    // only then goes over the old file.
    HANDLE target = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (target == INVALID_HANDLE_VALUE) {
        Fail(LastSystemError());
        return false;
    }
    m_target = reinterpret_cast<std::intptr_t>(target);
    m_handle = reinterpret_cast<std::intptr_t>(CreateStagingFile());
    if (!IsOpen()) {
        Fail(FileErrorFromSystem(static_cast<int>(cause)));
        CloseHandle(target);
        m_target = kInvalid;
        return false;
    }
    return true;
}

bool CNativeFile::OpenStandard(Access access) {
    HANDLE standard = GetStdHandle(access == Access::kWrite ? STD_OUTPUT_HANDLE : STD_INPUT_HANDLE);
    HANDLE own = INVALID_HANDLE_VALUE;
    if (standard != nullptr && standard != INVALID_HANDLE_VALUE &&
        DuplicateHandle(GetCurrentProcess(), standard, GetCurrentProcess(), &own, 0, FALSE,
                        DUPLICATE_SAME_ACCESS)) {
        m_handle = reinterpret_cast<std::intptr_t>(own);
    } else if (standard == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
    }
    m_adopted = true;
    if (!IsOpen()) {
        Fail(LastSystemError());
    }
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
        if (GetLastError() == ERROR_BROKEN_PIPE) {
            return 0;
        }
        Fail(LastSystemError());
        return -1;
    }
    return static_cast<std::ptrdiff_t>(got);
}

bool CNativeFile::Write(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        DWORD written = 0;
        if (!IsOpen()) {
            return false;
        }
        if (!WriteFile(AsHandle(m_handle), bytes, static_cast<DWORD>(std::min(size, kMaxTransfer)),
                       &written, nullptr) ||
            written == 0) {
            Fail(written == 0 && GetLastError() == ERROR_SUCCESS
                     ? FileErrorFromSystem(ERROR_DISK_FULL)
                     : LastSystemError());
            return false;
        }
        bytes += written;
        size -= written;
    }
    return true;
}

bool CNativeFile::Truncate() {
    if (m_adopted || !RegularSize()) {
        // Pipes and devices cannot be truncated and need not be; a handle we were handed is
        // written at its position, as the shell that opened it meant.
        return IsOpen();
    }
    if (Seek(0) && SetEndOfFile(AsHandle(m_handle))) {
        return true;
    }
    Fail(LastSystemError());
    return false;
}

// Copies the staged result over the old file. Space is reserved first, so that a full disk
// leaves the old file as it was, and Ctrl+C is held off until the copy is done.
bool CNativeFile::CopyInPlace(std::uint64_t size) {
    HANDLE target = AsHandle(m_target);
    FILE_ALLOCATION_INFO reserve;
    reserve.AllocationSize.QuadPart = static_cast<LONGLONG>(size);
    LARGE_INTEGER old;
    if (!GetFileSizeEx(target, &old)) {
        Fail(LastSystemError());
        return false;
    }
    if (size > static_cast<std::uint64_t>(old.QuadPart) &&
        !SetFileInformationByHandle(target, FileAllocationInfo, &reserve, sizeof reserve)) {
        Fail(LastSystemError());
        return false;
    }
    SetConsoleCtrlHandler(nullptr, TRUE);
    std::vector<char> chunk(kCopyChunk);
    bool copied = Seek(0);
    LARGE_INTEGER start = {};
    copied = copied && SetFilePointerEx(target, start, nullptr, FILE_BEGIN);
    std::uint64_t done = 0;
    while (copied && done < size) {
        DWORD got = 0;
        DWORD put = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::uint64_t>(kCopyChunk, size - done));
        copied = ReadFile(AsHandle(m_handle), chunk.data(), want, &got, nullptr) && got == want &&
                 WriteFile(target, chunk.data(), got, &put, nullptr) && put == got;
        done += got;
    }
    copied = copied && SetEndOfFile(target);
    if (!copied) {
        FileError error = LastSystemError();
        error.inPlace = FileError::InPlace::kOldFileDamaged;
        Fail(error);
    }
    SetConsoleCtrlHandler(nullptr, FALSE);
    return copied;
}

bool CNativeFile::Close(bool publish) {
    if (!IsOpen()) {
        if (m_target != kInvalid) {
            CloseHandle(AsHandle(m_target));
            m_target = kInvalid;
        }
        return false;
    }
    bool closed = true;
    if (m_target != kInvalid) {
        LARGE_INTEGER size;
        closed = !publish || (GetFileSizeEx(AsHandle(m_handle), &size) &&
                              CopyInPlace(static_cast<std::uint64_t>(size.QuadPart)));
        if (!CloseHandle(AsHandle(m_target)) && closed) {
            Fail(LastSystemError());
            closed = false;
        }
        m_target = kInvalid;
    }
    if (!CloseHandle(AsHandle(m_handle)) && closed) {
        Fail(LastSystemError());
        closed = false;
    }
    m_handle = kInvalid;
    if (!m_tempPath.empty()) {
        const std::wstring tempPath = FromUtf8(m_tempPath);
        if (closed && publish &&
            !MoveFileExW(tempPath.c_str(), FromUtf8(m_finalPath).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            Fail(LastSystemError());  // the target is held by another program, or became read-only
            closed = false;
        }
        if (!closed || !publish) {
            DeleteFileW(tempPath.c_str());
        }
        SetPendingFile(0, {});
        m_tempPath.clear();
        m_finalPath.clear();
    }
    return closed;
}

}  // namespace quorvane
