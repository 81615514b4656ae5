#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/conversions.h"
#include "files/native_file.h"

namespace quorvane {

namespace {

int OpenForReading(const std::string& native) {
    int fd;
    // Without O_NONBLOCK a named pipe nobody writes to would hold the open (and the window)
    // forever; reads block again afterwards, and a pipe without a writer reads as empty.
    do {
        fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    struct stat st;
    if (fd >= 0 && (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode))) {
        // A directory opens but reads nothing; it is no text file.
        ::close(fd);
        fd = -1;
    }
    if (fd >= 0) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
            ::close(fd);
            fd = -1;
        }
    }
    return fd;
}

int OpenForWriting(const std::string& native) {
    int fd;
    do {
        fd = ::open(native.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0 && errno == EACCES) {
        // Writable but not readable: still usable for writing, classified as empty.
        do {
            fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        } while (fd < 0 && errno == EINTR);
    }
    return fd;
}

}  // namespace

CNativeFile::~CNativeFile() {
    Close();
}

bool CNativeFile::Open(std::u16string_view path, Access access) {
    // Paths reach the system as UTF-8.
    const std::string native = WideToUtf8(path);
    m_handle = access == Access::kRead ? OpenForReading(native) : OpenForWriting(native);
    return IsOpen();
}

std::optional<std::uint64_t> CNativeFile::RegularSize() const {
    struct stat st;
    if (!IsOpen() || ::fstat(static_cast<int>(m_handle), &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(st.st_size);
}

std::size_t CNativeFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
    std::size_t got = 0;
    while (IsOpen() && got < size) {
        const ssize_t n = ::pread(static_cast<int>(m_handle), static_cast<char*>(buffer) + got,
                                  size - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    return got;
}

bool CNativeFile::Seek(std::uint64_t offset) {
    const off_t target = static_cast<off_t>(offset);
    return IsOpen() && ::lseek(static_cast<int>(m_handle), target, SEEK_SET) == target;
}

std::ptrdiff_t CNativeFile::Read(void* buffer, std::size_t size) {
    if (!IsOpen()) {
        return -1;
    }
    for (;;) {
        const ssize_t n = ::read(static_cast<int>(m_handle), buffer, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        return n;
    }
}

bool CNativeFile::Write(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        if (!IsOpen()) {
            return false;
        }
        const ssize_t n = ::write(static_cast<int>(m_handle), bytes, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CNativeFile::Truncate() {
    if (!RegularSize()) {
        return IsOpen();  // devices and pipes cannot be truncated and need not be
    }
    const int fd = static_cast<int>(m_handle);
    return ::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0;
}

bool CNativeFile::Close() {
    if (!IsOpen()) {
        return false;
    }
    // close() is not retried on EINTR: on Linux the descriptor is gone either way.
    const bool closed = ::close(static_cast<int>(m_handle)) == 0;
    m_handle = kInvalid;
    return closed;
}

}  // namespace quorvane
