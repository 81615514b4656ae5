#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "files/conversions.h"
#include "files/native_file.h"
#include "files/removal_on_signal.h"

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
    if (fd >= 0 && (::fstat(fd, &st) != 0 ||
                    !(S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode) || ::isatty(fd) == 1))) {
        // A directory opens but reads nothing, and a device such as /dev/zero never ends:
        // neither is a text file.
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

// A new, empty file with a name of its own in the folder of finalPath; -1 when none can be made.
int CreateFileBeside(const std::string& finalPath, std::string& tempPath) {
    static std::atomic<unsigned> s_counter{0};
    const std::size_t slash = finalPath.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : finalPath.substr(0, slash + 1);
    struct timespec now = {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[80];
        std::snprintf(name, sizeof name, ".quorvane-%ld-%u-%lx.tmp", static_cast<long>(::getpid()),
                      s_counter++, static_cast<unsigned long>(now.tv_nsec) + attempt);
        tempPath = folder + name;
        int fd;
        do {
            fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd >= 0 || errno != EEXIST) {
            if (fd < 0) {
                tempPath.clear();
            }
            return fd;
        }
    }
    tempPath.clear();
    errno = EEXIST;
    return -1;
}

int OpenWriteOnly(const std::string& native) {
    int fd;
    do {
        fd = ::open(native.c_str(), O_WRONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// A regular file (or a name not yet taken) is written to a new file beside it, which Close()
// renames over it (tempPath and finalPath set): until then the old file stays whole, and a
// second writer of the same name cannot interleave its bytes with ours. Anything else that
// exists (a pipe, a terminal, /dev/stdout) is opened write-only and written directly: renaming
// over it would be wrong, and reading from it could hang.
int OpenForWriting(const std::string& native, std::string& tempPath, std::string& finalPath) {
    struct stat st;
    const bool exists = ::stat(native.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        return OpenWriteOnly(native);  // a directory fails here
    }
    if (exists && ::access(native.c_str(), W_OK) != 0) {
        return -1;  // a read-only file stays refused, as an in-place write would be
    }
    finalPath = native;
    struct stat link;
    if (exists && ::lstat(native.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        // The link stays a link; the file it names is replaced.
        if (char* real = ::realpath(native.c_str(), nullptr)) {
            finalPath = real;
            std::free(real);
        }
    }
    const int fd = CreateFileBeside(finalPath, tempPath);
    if (fd >= 0) {
        if (exists) {
            ::fchmod(fd, st.st_mode & 07777);  // the replacement keeps the old file's permissions
        }
        SetPendingFile(tempPath);
        return fd;
    }
    finalPath.clear();
    if (exists && (errno == EACCES || errno == EPERM || errno == EROFS)) {
        // A writable file in a folder that takes no new names: in place is the only way left.
        return OpenWriteOnly(native);
    }
    return -1;
}

}  // namespace

CNativeFile::~CNativeFile() {
    Close(false);
}

bool CNativeFile::Open(std::u16string_view path, Access access) {
    // Paths reach the system as UTF-8.
    const std::string native = WideToUtf8(path);
    // POSIX opens take no share mode: a shared read is a read.
    m_handle = access != Access::kWrite ? OpenForReading(native)
                                        : OpenForWriting(native, m_tempPath, m_finalPath);
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

bool CNativeFile::Close(bool publish) {
    if (!IsOpen()) {
        return false;
    }
    // close() is not retried on EINTR: on Linux the descriptor is gone either way.
    bool closed = ::close(static_cast<int>(m_handle)) == 0;
    m_handle = kInvalid;
    if (!m_tempPath.empty()) {
        if (closed && publish && ::rename(m_tempPath.c_str(), m_finalPath.c_str()) != 0) {
            closed = false;
        }
        if (!closed || !publish) {
            ::unlink(m_tempPath.c_str());
        }
        SetPendingFile({});
        m_tempPath.clear();
        m_finalPath.clear();
    }
    return closed;
}

}  // namespace quorvane
