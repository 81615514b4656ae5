#include "files/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "files/conversions.h"
#include "files/removal_on_signal.h"

namespace quorvane {

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;
constexpr std::size_t kWriteChunk = 64 * 1024;
constexpr std::uint32_t kSampleSize = 128;
constexpr char16_t kReplacement = 0xFFFD;

bool IsUtf8Kind(TextEncoding kind) {
    return kind == TextEncoding::Utf8WithBom || kind == TextEncoding::Utf8;
}

bool IsUtf16Kind(TextEncoding kind) {
    return kind == TextEncoding::Utf16LeWithBom || kind == TextEncoding::Utf16Le ||
           kind == TextEncoding::Utf16BeWithBom || kind == TextEncoding::Utf16Be;
}

bool IsBigEndianKind(TextEncoding kind) {
    return kind == TextEncoding::Utf16BeWithBom || kind == TextEncoding::Utf16Be;
}

off_t MarkLength(TextEncoding kind) {
    switch (kind) {
        case TextEncoding::Utf8WithBom:
            return 3;
        case TextEncoding::Utf16LeWithBom:
        case TextEncoding::Utf16BeWithBom:
            return 2;
        default:
            return 0;
    }
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

int OpenPath(const std::string& native, CTextFile::Mode mode, std::string& tempPath,
             std::string& finalPath) {
    int fd;
    if (mode == CTextFile::Mode::kRead) {
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
    return OpenForWriting(native, tempPath, finalPath);
}

// The first at most 128 bytes of a regular file; bytes that cannot be read stay zero, and a file
// whose size is unknown (a pipe, a device) gives an empty sample.
TextEncoding DetectEncoding(int fd) {
    std::uint8_t sample[kSampleSize + 1] = {};
    std::uint32_t length = 0;
    struct stat st;
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
        length = st.st_size >= static_cast<off_t>(kSampleSize)
                     ? kSampleSize
                     : static_cast<std::uint32_t>(st.st_size);
        std::uint32_t got = 0;
        while (got < length) {
            const ssize_t n = ::pread(fd, sample + got, length - got, got);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            got += static_cast<std::uint32_t>(n);
        }
    }
    return CEncodingDetector{}.Classify(sample, length);
}

// Removes the break a line took in while it was still empty; it can only stand first.
template <typename String>
void DropLeadingBreak(String& text) {
    if (!text.empty() && (text[0] == '\r' || text[0] == '\n')) {
        text.erase(0, 1);
    }
}

}  // namespace

CTextFile::CTextFile(std::u16string_view path, Mode mode) : m_mode(mode) {
    // A NUL inside the name would silently open a different, shorter path.
    if (!path.empty() && path.find(u'\0') == std::u16string_view::npos) {
        m_fd = OpenPath(WideToUtf8(path), mode, m_tempPath, m_finalPath);
    }
    // A file being written starts empty whatever the target held: nothing is read from it.
    m_encoding = DetectEncoding(mode == Mode::kRead ? m_fd : -1);
    const off_t skip = MarkLength(m_encoding);
    if (m_fd >= 0 && skip != 0 && ::lseek(m_fd, skip, SEEK_SET) != skip) {
        m_readFailed = true;
        m_endOfFile = true;
    }
}

CTextFile::~CTextFile() {
    if (m_mode == Mode::kWrite && !m_closed) {
        m_writeFailed = true;  // not closed by its writer: unfinished, so the target is kept
    }
    Close();
}

bool CTextFile::IsOpen() const {
    return m_fd >= 0;
}

TextEncoding CTextFile::GetEncoding() const {
    return m_encoding;
}

bool CTextFile::FillReadBuffer() {
    if (m_endOfFile || m_fd < 0) {
        return false;
    }
    if (m_readBuffer.empty()) {
        m_readBuffer.resize(kReadChunk);
    }
    for (;;) {
        const ssize_t n = ::read(m_fd, m_readBuffer.data(), m_readBuffer.size());
        if (n > 0) {
            m_readPos = 0;
            m_readEnd = static_cast<std::size_t>(n);
            return true;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        // A failed read ends the file as the end of the data would.
        m_readFailed = n < 0;
        m_endOfFile = true;
        m_readPos = m_readEnd = 0;
        return false;
    }
}

bool CTextFile::NextByte(std::uint8_t& byte) {
    if (m_readPos == m_readEnd && !FillReadBuffer()) {
        return false;
    }
    byte = m_readBuffer[m_readPos++];
    return true;
}

bool CTextFile::ReadLine(std::u16string& line) {
    if (m_fd < 0) {
        line.clear();
        return false;
    }
    return IsUtf16Kind(m_encoding) ? ReadUnitLine(line) : ReadByteLine(line);
}

bool CTextFile::ReadByteLine(std::u16string& line) {
    std::string& bytes = m_lineBytes;
    bytes.clear();
    bool atBreak = false;
    for (;;) {
        if (m_readPos == m_readEnd && !FillReadBuffer()) {
            break;
        }
        const std::uint8_t* data = m_readBuffer.data();
        if (bytes.empty()) {
            // The first byte of a line is taken whatever it is, a CR or LF included.
            bytes.push_back(static_cast<char>(data[m_readPos++]));
            continue;
        }
        std::size_t i = m_readPos;
        while (i < m_readEnd && data[i] != '\r' && data[i] != '\n') {
            ++i;
        }
        bytes.append(reinterpret_cast<const char*>(data + m_readPos), i - m_readPos);
        if (i < m_readEnd) {
            m_readPos = i + 1;  // the break is consumed, not kept
            atBreak = true;
            break;
        }
        m_readPos = i;
    }
    DropLeadingBreak(bytes);
    return DecodeByteLine(bytes, line) || atBreak;
}

bool CTextFile::DecodeByteLine(const std::string& bytes, std::u16string& line) const {
    if (IsUtf8Kind(m_encoding)) {
        // UTF-8 text passes through the narrow character set, as every other line does.
        if (IsAnsiCharsetUtf8()) {
            line = Utf8ToWide(bytes);
            return !line.empty();
        }
        const std::string narrow = WideToAnsi(Utf8ToWide(bytes));
        line = AnsiToWide(narrow);
        return !narrow.empty();
    }
    line = AnsiToWide(bytes);
    return !bytes.empty();
}

void CTextFile::ReadAllLines(CLineSink& sink) {
    std::u16string line;
    if (m_fd < 0) {
        return;
    }
    if (IsUtf16Kind(m_encoding) || !IsAnsiCharsetAsciiCompatible()) {
        while (ReadLine(line)) {
            sink.OnLine(line);
        }
        return;
    }
    for (;;) {
        if (m_readPos == m_readEnd && !FillReadBuffer()) {
            return;
        }
        // A line that lies wholly inside the buffer, break included, is taken in place: its first
        // byte whatever it is, then everything up to the next CR or LF, as ReadByteLine does.
        const std::uint8_t* data = m_readBuffer.data();
        std::size_t i = m_readPos + 1;
        bool plain = true;
        while (i < m_readEnd && data[i] != '\r' && data[i] != '\n') {
            plain = plain && data[i] != 0 && data[i] < 0x80;
            ++i;
        }
        if (i == m_readEnd) {
            // The line runs past the buffer (or to the end of the file): the general path.
            if (!ReadLine(line)) {
                return;
            }
            sink.OnLine(line);
            continue;
        }
        std::size_t begin = m_readPos;
        const std::uint8_t first = data[begin];
        m_readPos = i + 1;
        if (first == '\r' || first == '\n') {
            ++begin;  // the break taken in while the line was empty belongs to no text
        } else if (first == 0 || first >= 0x80) {
            plain = false;
        }
        if (plain) {
            sink.OnAsciiLine(
                std::string_view(reinterpret_cast<const char*>(data + begin), i - begin));
        } else {
            m_lineBytes.assign(reinterpret_cast<const char*>(data + begin), i - begin);
            DecodeByteLine(m_lineBytes, line);
            sink.OnLine(line);
        }
    }
}

bool CTextFile::ReadUnitLine(std::u16string& line) {
    std::u16string& units = m_lineUnits;
    units.clear();
    const bool bigEndian = IsBigEndianKind(m_encoding);
    bool atBreak = false;
    for (;;) {
        std::uint8_t first;
        std::uint8_t second;
        if (!NextByte(first)) {
            break;
        }
        if (!NextByte(second)) {
            units.push_back(kReplacement);  // half a code unit at the end of the file
            break;
        }
        const char16_t unit = bigEndian ? static_cast<char16_t>((first << 8) | second)
                                        : static_cast<char16_t>((second << 8) | first);
        if ((unit == u'\r' || unit == u'\n') && !units.empty()) {
            atBreak = true;
            break;
        }
        units.push_back(unit);
    }
    DropLeadingBreak(units);
    const bool hasText = !units.empty();

    // Like the 8-bit path, the text ends at its first zero; unpaired surrogates are replaced so
    // that every line is well-formed UTF-16.
    std::size_t n = units.find(u'\0');
    if (n == std::u16string::npos) {
        n = units.size();
    }
    line.assign(units, 0, n);
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t c = line[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && line[i + 1] >= 0xDC00 &&
            line[i + 1] <= 0xDFFF) {
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            line[i] = kReplacement;
        }
    }
    return atBreak || hasText;
}

void CTextFile::Truncate() {
    if (m_fd < 0 || m_closed) {
        return;
    }
    if (m_mode != Mode::kWrite) {
        m_writeFailed = true;
        return;
    }
    m_writeBuffer.clear();
    m_readPos = m_readEnd = 0;
    m_endOfFile = false;
    struct stat st;
    const bool regular = ::fstat(m_fd, &st) == 0 && S_ISREG(st.st_mode);
    // Devices and pipes cannot be truncated and need not be.
    if (regular && (::ftruncate(m_fd, 0) != 0 || ::lseek(m_fd, 0, SEEK_SET) != 0)) {
        m_writeFailed = true;
    }
}

void CTextFile::WriteLine(std::u16string_view text) {
    if (m_fd < 0 || m_closed) {
        return;
    }
    if (m_mode != Mode::kWrite) {
        m_writeFailed = true;
        return;
    }
    m_writeBuffer += WideToUtf8(text);
    m_writeBuffer += "\r\n";
    if (m_writeBuffer.size() >= kWriteChunk) {
        Flush();
    }
}

void CTextFile::WriteBytes(std::string_view bytes) {
    if (m_fd < 0 || m_closed) {
        return;
    }
    if (m_mode != Mode::kWrite) {
        m_writeFailed = true;
        return;
    }
    if (bytes.size() >= kWriteChunk) {
        Flush();
        WriteAll(bytes.data(), bytes.size());
        return;
    }
    m_writeBuffer.append(bytes);
    if (m_writeBuffer.size() >= kWriteChunk) {
        Flush();
    }
}

void CTextFile::Flush() {
    WriteAll(m_writeBuffer.data(), m_writeBuffer.size());
    m_writeBuffer.clear();
}

void CTextFile::WriteAll(const char* data, std::size_t left) {
    while (left > 0 && !m_writeFailed) {
        const ssize_t n = ::write(m_fd, data, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            m_writeFailed = true;
            break;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
}

bool CTextFile::Close() {
    if (m_closed) {
        return m_closeResult;
    }
    m_closed = true;
    if (m_fd < 0) {
        m_closeResult = false;
        return m_closeResult;
    }
    if (!m_writeBuffer.empty()) {
        Flush();
    }
    // close() is not retried on EINTR: on Linux the descriptor is gone either way.
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    m_closeResult = closed && !m_writeFailed && !m_readFailed;
    if (!m_tempPath.empty()) {
        if (m_closeResult && ::rename(m_tempPath.c_str(), m_finalPath.c_str()) != 0) {
            m_closeResult = false;
        }
        if (!m_closeResult) {
            ::unlink(m_tempPath.c_str());
        }
        SetPendingFile({});
        m_tempPath.clear();
    }
    return m_closeResult;
}

}  // namespace quorvane
