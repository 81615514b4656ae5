// Line-oriented access to one text file: address lists are read through it, result files are
// written through it.
#ifndef QUORVANE_FILES_TEXT_FILE_H_
#define QUORVANE_FILES_TEXT_FILE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/native_file.h"
#include "files/text_encoding.h"

namespace quorvane {

class CTextFile {
  public:
    enum class Mode {
        kRead,   // opened read-only; a missing file or a directory is not opened
        kWrite,  // a regular file (or a new name) is written to a new file beside it that
                 // Close() renames over it (mode 0666 less the umask, or the old file's mode),
                 // or, when its folder takes no new file, staged elsewhere and copied over it
                 // by Close(); a read-only file is refused; links, descriptors, pipes and
                 // devices as CNativeFile's kWrite describes
    };

    // Opens path (UTF-16; passed to the system as UTF-8), classifies the first at most 128 bytes
    // of a file read (a regular file's from its start; a pipe's or a terminal's as they arrive)
    // and positions after the byte-order mark of the kind found. kRead opens only regular files,
    // pipes, sockets and terminals: a directory or a device such as /dev/zero is not a list of
    // lines. Failure to open is not thrown: IsOpen() and Error() tell. A path holding a NUL is
    // not opened, since the system would open a shorter one.
    CTextFile(std::u16string_view path, Mode mode);
    // Standard input (kRead) or standard output (kWrite), at its position: written directly,
    // never truncated or replaced. A pipe's encoding is classified from its first at most 128
    // bytes, as a regular file's is (so is a named pipe's, or a terminal's).
    enum class StandardStream { kStandard };
    CTextFile(Mode mode, StandardStream stream);
    ~CTextFile();
    CTextFile(const CTextFile&) = delete;
    CTextFile& operator=(const CTextFile&) = delete;

    bool IsOpen() const;
    TextEncoding GetEncoding() const;
    // The size of a regular file open for reading; nothing for a pipe or a terminal.
    std::optional<std::uint64_t> RegularSize() const;
    // Why the open, a read, a write or Close() failed: the first cause met; kNone while nothing
    // failed.
    FileError Error() const;

    // The next line, without its line break. CR LF, lone LF and lone CR all end a line; a break
    // met while the line is still empty belongs to the line, so "a\r\n\r\nb" gives a, "", b and
    // "a\n\nb" gives a, b. UTF-8 kinds are read as UTF-8, UTF-16 kinds as UTF-16 (the same rules
    // applied to code units), everything else through the narrow character set; UTF-8 text
    // passes through that set too, so characters it lacks arrive as its default character. A
    // line's text ends at its first zero. A last line without a break is returned; a break at
    // the end of the file yields no extra empty line. Reads are buffered. Returns false when
    // there is no further line (or the file is not open).
    bool ReadLine(std::u16string& line);

    // Receives the lines of ReadAllLines, in order.
    class CLineSink {
      public:
        virtual ~CLineSink() = default;
        // A line whose text is plain ASCII (every byte 0x01-0x7F): ReadLine would give exactly
        // these characters.
        virtual void OnAsciiLine(std::string_view line) = 0;
        // Any other line, as ReadLine gives it.
        virtual void OnLine(std::u16string_view line) = 0;
    };

    // Hands every remaining line to sink, exactly the lines that calling ReadLine until it
    // returns false would give, without building a wide string for lines of plain ASCII.
    void ReadAllLines(CLineSink& sink);

    // True when a read failed before the end of the file; ReadLine then ended early as if the
    // file ended there, and callers may tell the user so.
    bool HadReadError() const { return m_readFailed; }

    // kWrite only: discards the file's content; writing starts at offset 0.
    void Truncate();

    // kWrite only: appends text + CR LF as UTF-8 (no byte-order mark, ever). Buffered.
    void WriteLine(std::u16string_view text);
    // kWrite only: appends bytes as they are (already UTF-8, breaks included). Large pieces go
    // to the file without a copy.
    void WriteBytes(std::string_view bytes);

    // Flushes and closes; in kWrite mode then renames the new file over the target. Returns true
    // when the file was open and every byte was written and the close (and rename) succeeded;
    // false otherwise, also after a read error or a Truncate or WriteLine in kRead mode. On false
    // the new file is removed and the target keeps what it held. A second call returns the first
    // call's answer. The destructor calls it; for a kWrite file not closed by then it counts as
    // a failure, so an export cut short by an exception leaves the target as it was.
    bool Close();

  private:
    // Classifies the encoding and skips the byte-order mark, for reading.
    void Start();
    void SampleStream();
    bool FillReadBuffer();
    bool NextByte(std::uint8_t& byte);
    bool ReadByteLine(std::u16string& line);
    bool ReadUnitLine(std::u16string& line);
    // Decodes the bytes of one line (leading break dropped) into line; returns whether it holds
    // text in the sense of ReadLine's end-of-file rule.
    bool DecodeByteLine(const std::string& bytes, std::u16string& line) const;
    void WriteAll(const char* data, std::size_t size);
    void Flush();

    CNativeFile m_file;
    Mode m_mode;
    FileError m_nameError;  // a name that was not opened at all
    TextEncoding m_encoding = TextEncoding::Ascii;
    bool m_closed = false;  // Close() has run; m_closeResult holds its answer
    bool m_closeResult = false;
    bool m_writeFailed = false;  // a write, truncation or flush went wrong
    bool m_readFailed = false;   // a read failed before the end of the file
    bool m_endOfFile = false;
    std::vector<std::uint8_t> m_readBuffer;
    std::size_t m_readPos = 0;
    std::size_t m_readEnd = 0;
    std::string m_lineBytes;     // reused between ReadLine calls
    std::u16string m_lineUnits;  // reused between ReadLine calls (UTF-16 kinds)
    std::string m_writeBuffer;
};

}  // namespace quorvane

#endif  // QUORVANE_FILES_TEXT_FILE_H_
