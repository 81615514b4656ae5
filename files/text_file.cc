#include "files/text_file.h"

#include <bit>
#include <cstring>

#include "files/conversions.h"

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

std::uint64_t MarkLength(TextEncoding kind) {
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

// The first at most 128 bytes of a regular file; bytes that cannot be read stay zero, and a file
// whose size is unknown (a pipe, a device) gives an empty sample.
TextEncoding DetectEncoding(CNativeFile& file) {
    std::uint8_t sample[kSampleSize + 1] = {};
    std::uint32_t length = 0;
    const std::optional<std::uint64_t> size = file.RegularSize();
    if (size && *size > 0) {
        length = *size >= kSampleSize ? kSampleSize : static_cast<std::uint32_t>(*size);
        file.ReadAt(0, sample, length);
    }
    return CEncodingDetector{}.Classify(sample, length);
}

// The first CR or LF in data[from, end) (end when there is none); plain tells whether every byte
// before it is plain ASCII (0x01-0x7F). Eight bytes a step: most lines are a few words long.
std::size_t FindBreak(const std::uint8_t* data, std::size_t from, std::size_t end, bool& plain) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    // Nonzero exactly when some byte of word is zero; the lowest byte flagged is the first zero.
    const auto hasZeroByte = [](std::uint64_t word) { return (word - kOnes) & ~word & kHighs; };
    // Every zero byte of word flagged, and no other.
    const auto zeroBytes = [](std::uint64_t word) {
        return ~(((word & ~kHighs) + ~kHighs) | word) & kHighs;
    };
    std::uint64_t special = 0;  // nonzero once a NUL or a byte >= 0x80 has been seen
    std::size_t i = from;
    for (; i + 8 <= end; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, sizeof word);
        const std::uint64_t breaks =
            hasZeroByte(word ^ (kOnes * '\r')) | hasZeroByte(word ^ (kOnes * '\n'));
        if (breaks != 0) {
            if constexpr (std::endian::native != std::endian::little) {
                break;  // the bytes are looked at one by one below
            } else {
                // The lowest flag of either is the first break: a false flag only ever stands
                // above a true one. The bytes below it are the line's.
                const int at = std::countr_zero(breaks) / 8;
                const std::uint64_t before = (std::uint64_t{1} << (8 * at)) - 1;
                special |= (word & kHighs & before) | (zeroBytes(word) & before);
                plain = special == 0;
                return i + static_cast<std::size_t>(at);
            }
        }
        special |= (word & kHighs) | hasZeroByte(word);
    }
    for (; i < end && data[i] != '\r' && data[i] != '\n'; ++i) {
        special |= data[i] == 0 || data[i] >= 0x80;
    }
    plain = special == 0;
    return i;
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
        m_file.Open(path,
                    mode == Mode::kRead ? CNativeFile::Access::kRead : CNativeFile::Access::kWrite);
    } else {
        m_nameError = FileError{FileProblem::kNotFound};
    }
    Start();
}

CTextFile::CTextFile(Mode mode, StandardStream /*stream*/) : m_mode(mode) {
    m_file.OpenStandard(mode == Mode::kRead ? CNativeFile::Access::kRead
                                            : CNativeFile::Access::kWrite);
    Start();
}

void CTextFile::Start() {
    if (m_mode == Mode::kWrite) {
        return;  // a file being written starts empty whatever the target held: nothing is read
    }
    if (m_file.IsOpen() && !m_file.RegularSize()) {
        SampleStream();
        return;
    }
    m_encoding = DetectEncoding(m_file);
    const std::uint64_t skip = MarkLength(m_encoding);
    if (m_file.IsOpen() && skip != 0 && !m_file.Seek(skip)) {
        m_readFailed = true;
        m_endOfFile = true;
    }
}

// A pipe cannot be read twice: its first at most 128 bytes are read into the buffer, classified
// as a file's would be, and then read as lines from there.
void CTextFile::SampleStream() {
    m_readBuffer.resize(kReadChunk);
    while (m_readEnd < kSampleSize) {
        const std::ptrdiff_t n =
            m_file.Read(m_readBuffer.data() + m_readEnd, kSampleSize - m_readEnd);
        if (n <= 0) {
            m_readFailed = n < 0;
            m_endOfFile = true;
            break;
        }
        m_readEnd += static_cast<std::size_t>(n);
    }
    m_encoding =
        CEncodingDetector{}.Classify(m_readBuffer.data(), static_cast<std::uint32_t>(m_readEnd));
    m_readPos = static_cast<std::size_t>(MarkLength(m_encoding));
}

CTextFile::~CTextFile() {
    if (m_mode == Mode::kWrite && !m_closed) {
        m_writeFailed = true;  // not closed by its writer: unfinished, so the target is kept
    }
    Close();
}

bool CTextFile::IsOpen() const {
    return m_file.IsOpen();
}

std::optional<std::uint64_t> CTextFile::RegularSize() const {
    return m_file.RegularSize();
}

FileError CTextFile::Error() const {
    if (m_nameError) {
        return m_nameError;
    }
    if (m_file.Error()) {
        return m_file.Error();
    }
    // A write through a file opened for reading, and a failed read whose cause the system did
    // not give.
    return m_writeFailed || m_readFailed ? FileError{FileProblem::kInputOutput} : FileError{};
}

TextEncoding CTextFile::GetEncoding() const {
    return m_encoding;
}

bool CTextFile::FillReadBuffer() {
    if (m_endOfFile || !m_file.IsOpen()) {
        return false;
    }
    if (m_readBuffer.empty()) {
        m_readBuffer.resize(kReadChunk);
    }
    const std::ptrdiff_t n = m_file.Read(m_readBuffer.data(), m_readBuffer.size());
    if (n > 0) {
        m_readPos = 0;
        m_readEnd = static_cast<std::size_t>(n);
        return true;
    }
    // A failed read ends the file as the end of the data would.
    m_readFailed = n < 0;
    m_endOfFile = true;
    m_readPos = m_readEnd = 0;
    return false;
}

bool CTextFile::NextByte(std::uint8_t& byte) {
    if (m_readPos == m_readEnd && !FillReadBuffer()) {
        return false;
    }
    byte = m_readBuffer[m_readPos++];
    return true;
}

bool CTextFile::ReadLine(std::u16string& line) {
    if (!m_file.IsOpen()) {
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
    if (!m_file.IsOpen()) {
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
        bool plain = true;
        const std::size_t i = FindBreak(data, m_readPos + 1, m_readEnd, plain);
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
    if (!m_file.IsOpen() || m_closed) {
        return;
    }
    if (m_mode != Mode::kWrite) {
        m_writeFailed = true;
        return;
    }
    m_writeBuffer.clear();
    m_readPos = m_readEnd = 0;
    m_endOfFile = false;
    if (!m_file.Truncate()) {
        m_writeFailed = true;
    }
}

void CTextFile::WriteLine(std::u16string_view text) {
    if (!m_file.IsOpen() || m_closed) {
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
    if (!m_file.IsOpen() || m_closed) {
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

void CTextFile::WriteAll(const char* data, std::size_t size) {
    if (!m_writeFailed && !m_file.Write(data, size)) {
        m_writeFailed = true;
    }
}

bool CTextFile::Close() {
    if (m_closed) {
        return m_closeResult;
    }
    m_closed = true;
    if (!m_file.IsOpen()) {
        m_closeResult = false;
        return m_closeResult;
    }
    if (!m_writeBuffer.empty()) {
        Flush();
    }
    // A new file written beside its target replaces it only when every write succeeded.
    const bool complete = !m_writeFailed && !m_readFailed;
    const bool closed = m_file.Close(complete);
    m_closeResult = closed && complete;
    return m_closeResult;
}

}  // namespace quorvane
