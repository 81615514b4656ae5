#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "files/conversions.h"
#include "files/native_file.h"
#include "files/removal_on_signal.h"

namespace quorvane {

namespace {

// Our temporary files are ".qv-PID-N": short, so that a target near the system's path limit
// still has room beside it, and naming the process that owns them, so that a later export can
// tell a leftover (its process is gone) from a file being written.
constexpr char kTempPrefix[] = ".qv-";
// Links followed for one output path before it counts as a loop, as the kernel's own limit.
constexpr int kMaxLinks = 40;
// One copy step of a result written in place.
constexpr std::size_t kCopyChunk = 1 << 20;

FileError LastSystemError() {
    return FileErrorFromSystem(errno);
}

template <typename Call>
int RetryOnInterrupt(Call call) {
    int result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

// What a list of lines can come from: a directory opens but reads nothing, and a device such as
// /dev/zero never ends.
bool IsReadableKind(int fd) {
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        return false;
    }
    if (S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || ::isatty(fd) == 1) {
        return true;
    }
    errno = S_ISDIR(st.st_mode) ? EISDIR : ENODEV;
    return false;
}

// /dev/null as standard input is the empty list a script hands over when it has none.
bool IsNullDevice(int fd) {
    struct stat st;
    struct stat null;
    return ::fstat(fd, &st) == 0 && S_ISCHR(st.st_mode) && ::stat("/dev/null", &null) == 0 &&
           st.st_rdev == null.st_rdev;
}

int OpenForReading(const std::string& native) {
    // Without O_NONBLOCK a named pipe nobody writes to would hold the open (and the window)
    // forever; reads block again afterwards, and a pipe without a writer reads as empty.
    int fd =
        RetryOnInterrupt([&] { return ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); });
    if (fd >= 0 && !IsReadableKind(fd)) {
        const int cause = errno;
        ::close(fd);
        errno = cause;
        return -1;
    }
    if (fd >= 0) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
            const int cause = errno;
            ::close(fd);
            errno = cause;
            return -1;
        }
    }
    return fd;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Where a named output goes, after links are followed.
struct OutputTarget {
    enum class Kind { kReplace, kDirect, kDescriptor, kFailed };
    Kind kind = Kind::kFailed;
    std::string path;     // kReplace: the regular file or new name; kDirect: the path to open
    bool exists = false;  // kReplace: an old file is there
    int descriptor = -1;  // kDescriptor
    int error = 0;        // kFailed: errno
};

// A link that lies in /proc is no path to follow: /proc/self/fd/1 "points at" a file that may be
// deleted, a pipe, or a file the shell opened for us. Our own descriptor N is named by such a
// link in /proc/PID/fd or /proc/PID/task/TID/fd; anything else there is another process's.
bool IsProcLink(const std::string& link, int& ownDescriptor) {
    ownDescriptor = -1;
    const std::string folder = FolderOf(link);
    struct statfs fs;
    if (::statfs(folder.c_str(), &fs) != 0 || fs.f_type != PROC_SUPER_MAGIC) {
        return false;
    }
    char* real = ::realpath(folder.c_str(), nullptr);
    if (real == nullptr) {
        return true;
    }
    const std::string resolved = real;
    std::free(real);
    const std::string own = "/proc/" + std::to_string(::getpid()) + "/";
    const bool ours = resolved == own + "fd" ||
                      (resolved.starts_with(own + "task/") && resolved.ends_with("/fd"));
    const std::string name = NameOf(link);
    int number = -1;
    const auto [end, status] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (ours && status == std::errc() && end == name.data() + name.size() && number >= 0) {
        ownDescriptor = number;
    }
    return true;
}

OutputTarget ResolveOutput(const std::string& native) {
    OutputTarget target;
    std::string current = native;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        struct stat st;
        if (::lstat(current.c_str(), &st) != 0) {
            if (errno == ENOENT && hop > 0) {
                target.kind = OutputTarget::Kind::kDirect;  // a link to a file not there yet
                target.path = native;
            } else if (errno == ENOENT) {
                target.kind = OutputTarget::Kind::kReplace;  // a new name
                target.path = current;
            } else {
                target.error = errno;
            }
            return target;
        }
        if (S_ISREG(st.st_mode)) {
            target.kind = OutputTarget::Kind::kReplace;
            target.path = current;
            target.exists = true;
            return target;
        }
        if (!S_ISLNK(st.st_mode)) {
            target.kind = OutputTarget::Kind::kDirect;  // a pipe, a terminal, a device, a folder
            target.path = current;
            return target;
        }
        int descriptor = -1;
        std::vector<char> buffer(static_cast<std::size_t>(std::max<off_t>(st.st_size, 255)) + 2);
        const ssize_t length = ::readlink(current.c_str(), buffer.data(), buffer.size() - 1);
        if (IsProcLink(current, descriptor) || length <= 0 ||
            static_cast<std::size_t>(length) >= buffer.size() - 1) {
            target.kind =
                descriptor >= 0 ? OutputTarget::Kind::kDescriptor : OutputTarget::Kind::kDirect;
            target.descriptor = descriptor;
            target.path = native;
            return target;
        }
        const std::string_view link(buffer.data(), static_cast<std::size_t>(length));
        current =
            link.front() == '/' ? std::string(link) : FolderOf(current) + "/" + std::string(link);
    }
    target.error = ELOOP;
    return target;
}

// Whether name is one of our temporary files, and of which process.
bool IsTempName(std::string_view name, pid_t& owner) {
    if (!name.starts_with(kTempPrefix)) {
        return false;
    }
    name.remove_prefix(sizeof kTempPrefix - 1);
    long pid = 0;
    unsigned counter = 0;
    const char* end = name.data() + name.size();
    auto [afterPid, pidStatus] = std::from_chars(name.data(), end, pid);
    if (pidStatus != std::errc() || afterPid == end || *afterPid != '-' || pid <= 0) {
        return false;
    }
    auto [afterCounter, counterStatus] = std::from_chars(afterPid + 1, end, counter);
    owner = static_cast<pid_t>(pid);
    return counterStatus == std::errc() && afterCounter == end;
}

// A process killed outright (SIGKILL, a power cut) leaves its temporary file behind: files of ours
// in folder whose process no longer runs, owned by us, are removed. A process of the same number
// that runs now keeps its file, ours included.
void RemoveStaleFiles(int folder) {
    const int listing =
        RetryOnInterrupt([&] { return ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (listing < 0) {
        return;
    }
    DIR* dir = ::fdopendir(listing);
    if (dir == nullptr) {
        ::close(listing);
        return;
    }
    while (const struct dirent* entry = ::readdir(dir)) {
        pid_t owner = 0;
        struct stat st;
        if (IsTempName(entry->d_name, owner) && owner != ::getpid() && ::kill(owner, 0) != 0 &&
            errno == ESRCH &&
            ::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// A new, empty file with a name of its own in folder; -1 (errno set) when none can be made.
int CreateFileIn(int folder, std::string& tempName) {
    static std::atomic<unsigned> s_counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[40];
        std::snprintf(name, sizeof name, "%s%ld-%u", kTempPrefix, static_cast<long>(::getpid()),
                      s_counter++);
        const int fd = RetryOnInterrupt(
            [&] { return ::openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); });
        if (fd >= 0) {
            tempName = name;
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
    }
    errno = EEXIST;
    return -1;
}

// An unnamed file in the system's temporary folder, gone with its last descriptor whatever ends
// the process: where a result waits that must be written in place.
int CreateStagingFile() {
    int cause = 0;
    for (const char* folder : {static_cast<const char*>(std::getenv("TMPDIR")), "/tmp"}) {
        if (folder == nullptr || *folder == '\0') {
            continue;
        }
        int fd =
            RetryOnInterrupt([&] { return ::open(folder, O_RDWR | O_TMPFILE | O_CLOEXEC, 0600); });
        if (fd < 0) {
            // A file system without unnamed files: a named one, unlinked at once.
            std::string name = std::string(folder) + "/.qv-stage-XXXXXX";
            fd = ::mkostemp(name.data(), O_CLOEXEC);
            if (fd >= 0) {
                ::unlink(name.c_str());
            }
        }
        if (fd >= 0) {
            return fd;
        }
        cause = errno;
    }
    errno = cause;
    return -1;
}

}  // namespace

CNativeFile::~CNativeFile() {
    Close(false);
}

bool CNativeFile::Open(std::u16string_view path, Access access) {
    // Paths reach the system as UTF-8. POSIX opens take no share mode: a shared read is a read.
    const std::string native = WideToUtf8(path);
    if (access != Access::kWrite) {
        m_handle = OpenForReading(native);
        if (!IsOpen()) {
            Fail(LastSystemError());
        }
        return IsOpen();
    }
    const OutputTarget target = ResolveOutput(native);
    switch (target.kind) {
        case OutputTarget::Kind::kFailed:
            Fail(FileErrorFromSystem(target.error));
            return false;
        case OutputTarget::Kind::kDescriptor:
            m_handle = ::fcntl(target.descriptor, F_DUPFD_CLOEXEC, 0);
            m_adopted = true;
            break;
        case OutputTarget::Kind::kDirect:
            // Write-only: opened for reading too, a pipe would be read from or block.
            m_handle = RetryOnInterrupt(
                [&] { return ::open(target.path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666); });
            break;
        case OutputTarget::Kind::kReplace:
            return OpenReplacement(target.path, target.exists);
    }
    if (!IsOpen()) {
        Fail(LastSystemError());
    }
    return IsOpen();
}

bool CNativeFile::OpenReplacement(const std::string& path, bool exists) {
    // Everything beside the target is named relative to its folder: a target near the system's
    // path limit leaves no room for a longer name spelled out in full.
    const std::string name = NameOf(path);
    const int folder = RetryOnInterrupt(
        [&] { return ::open(FolderOf(path).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC); });
    if (folder < 0) {
        Fail(LastSystemError());
        return false;
    }
    m_folder = folder;
    struct stat old = {};
    if (exists && (::fstatat(folder, name.c_str(), &old, 0) != 0 ||
                   ::faccessat(folder, name.c_str(), W_OK, 0) != 0)) {
        Fail(LastSystemError());  // a read-only file stays refused, as an in-place write would be
        return Close(false);
    }
    RemoveStaleFiles(folder);
    std::string tempName;
    const int fd = CreateFileIn(folder, tempName);
    if (fd >= 0) {
        if (exists) {
            ::fchmod(fd, old.st_mode & 07777);  // the replacement keeps the old file's permissions
        }
        m_handle = fd;
        m_tempPath = tempName;
        m_finalPath = name;
        SetPendingFile(folder, tempName);
        return true;
    }
    const int cause = errno;
    if (!exists || !AllowsInPlace(FileErrorFromSystem(cause))) {
        Fail(FileErrorFromSystem(cause));
        return Close(false);
    }
    // A writable file in a folder that takes no new file: the result waits elsewhere whole, and
    // only then goes over the old file.
    m_target =
        RetryOnInterrupt([&] { return ::openat(folder, name.c_str(), O_WRONLY | O_CLOEXEC); });
    if (m_target < 0) {
        Fail(LastSystemError());
        return Close(false);
    }
    m_handle = CreateStagingFile();
    if (!IsOpen()) {
        Fail(FileErrorFromSystem(cause));  // nowhere to wait: the folder's refusal is the cause
        return Close(false);
    }
    return true;
}

bool CNativeFile::OpenStandard(Access access) {
    const int standard = access == Access::kWrite ? STDOUT_FILENO : STDIN_FILENO;
    m_handle = ::fcntl(standard, F_DUPFD_CLOEXEC, 0);
    m_adopted = true;
    if (IsOpen() && access != Access::kWrite && !IsNullDevice(static_cast<int>(m_handle)) &&
        !IsReadableKind(static_cast<int>(m_handle))) {
        const int cause = errno;
        ::close(static_cast<int>(m_handle));
        m_handle = kInvalid;
        errno = cause;
    }
    if (!IsOpen()) {
        Fail(LastSystemError());
    }
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
        if (n < 0) {
            Fail(LastSystemError());
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
        if (n < 0) {
            Fail(LastSystemError());
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
            Fail(n < 0 ? LastSystemError() : FileErrorFromSystem(ENOSPC));
            return false;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CNativeFile::Truncate() {
    if (m_adopted || !RegularSize()) {
        // Devices and pipes cannot be truncated and need not be; a descriptor we were handed is
        // written at its position, as the shell that opened it meant.
        return IsOpen();
    }
    const int fd = static_cast<int>(m_handle);
    if (::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0) {
        return true;
    }
    Fail(LastSystemError());
    return false;
}

// Copies the staged result over the old file. Space is reserved first, so that a full disk
// leaves the old file as it was, and the signals that would end us are held until the copy is
// done: then only a crash (or SIGKILL) can leave it half written.
bool CNativeFile::CopyInPlace(std::uint64_t size) {
    const int target = static_cast<int>(m_target);
    const int staged = static_cast<int>(m_handle);
    struct stat old;
    if (::fstat(target, &old) != 0) {
        Fail(LastSystemError());
        return false;
    }
    // Past the process's file size limit the system would end us part-way (SIGXFSZ).
    struct rlimit limit;
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        size > static_cast<std::uint64_t>(limit.rlim_cur)) {
        Fail(FileErrorFromSystem(EFBIG));
        return false;
    }
    if (size > static_cast<std::uint64_t>(old.st_size) &&
        ::fallocate(target, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS) {
        Fail(LastSystemError());
        ::ftruncate(target, old.st_size);  // gives back what was reserved past the end
        return false;
    }
    sigset_t held;
    sigset_t previous;
    sigemptyset(&held);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        sigaddset(&held, signal);
    }
    ::pthread_sigmask(SIG_BLOCK, &held, &previous);
    std::vector<char> chunk(kCopyChunk);
    std::uint64_t done = 0;
    bool copied = true;
    while (copied && done < size) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(kCopyChunk, size - done));
        const ssize_t got = ::pread(staged, chunk.data(), want, static_cast<off_t>(done));
        copied = got > 0;
        for (ssize_t put = 0; copied && put < got;) {
            const ssize_t n =
                ::pwrite(target, chunk.data() + put, static_cast<std::size_t>(got - put),
                         static_cast<off_t>(done) + put);
            copied = n > 0 || (n < 0 && errno == EINTR);
            put += std::max<ssize_t>(n, 0);
        }
        done += copied ? static_cast<std::uint64_t>(got) : 0;
    }
    copied = copied && ::ftruncate(target, static_cast<off_t>(size)) == 0;
    if (!copied) {
        FileError error = LastSystemError();
        error.inPlace = FileError::InPlace::kOldFileDamaged;
        Fail(error);
    }
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return copied;
}

bool CNativeFile::Close(bool publish) {
    if (!IsOpen()) {
        for (std::intptr_t* handle : {&m_target, &m_folder}) {
            if (*handle != kInvalid) {
                ::close(static_cast<int>(*handle));
                *handle = kInvalid;
            }
        }
        return false;
    }
    bool closed = true;
    if (m_target != kInvalid) {
        const off_t size = ::lseek(static_cast<int>(m_handle), 0, SEEK_END);
        closed = !publish || (size >= 0 && CopyInPlace(static_cast<std::uint64_t>(size)));
        // close() is not retried on EINTR: on Linux the descriptor is gone either way.
        if (::close(static_cast<int>(m_target)) != 0 && closed) {
            Fail(LastSystemError());
            closed = false;
        }
        m_target = kInvalid;
    }
    if (::close(static_cast<int>(m_handle)) != 0 && closed) {
        Fail(LastSystemError());
        closed = false;
    }
    m_handle = kInvalid;
    if (!m_tempPath.empty()) {
        const int folder = static_cast<int>(m_folder);
        if (closed && publish &&
            ::renameat(folder, m_tempPath.c_str(), folder, m_finalPath.c_str()) != 0) {
            Fail(LastSystemError());
            closed = false;
        }
        if (!closed || !publish) {
            ::unlinkat(folder, m_tempPath.c_str(), 0);
        }
        SetPendingFile(AT_FDCWD, {});
        m_tempPath.clear();
        m_finalPath.clear();
    }
    if (m_folder != kInvalid) {
        ::close(static_cast<int>(m_folder));
        m_folder = kInvalid;
    }
    return closed;
}

}  // namespace quorvane
