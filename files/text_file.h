// Line-oriented access to one text file: address lists are read through it, result files are
// written through it.
#ifndef QUORVANE_FILES_TEXT_FILE_H_
#define QUORVANE_FILES_TEXT_FILE_H_

#include <string>
#include <string_view>
#include <vector>

#include "files/text_encoding.h"

namespace quorvane {

class CTextFile {
public:
    enum class Mode {
        kRead,   // opened read-only; a missing file is not created
        kWrite,  // opened for writing, created when missing, truncated by Truncate()
    };

    // Opens path (UTF-16; passed to the system as UTF-8), classifies the first at most 128 bytes
    // and, in kRead mode, positions after the byte-order mark of the kind found. Failure to open
    // is not thrown: IsOpen() tells.
    CTextFile(std::u16string_view path, Mode mode);
    ~CTextFile();
    CTextFile(const CTextFile&) = delete;
    CTextFile& operator=(const CTextFile&) = delete;

    bool IsOpen() const;
    TextEncoding GetEncoding() const;

    // The next line, without its line break. CR LF, lone LF and lone CR all end a line; a break
    // met while the line is still empty belongs to the line, so "a\r\n\r\nb" gives a, "", b and
    // "a\n\nb" gives a, b. UTF-8 kinds are read as UTF-8, UTF-16 kinds as UTF-16 (the same rules
    // applied to code units), everything else through the narrow character set. Reads are
    // buffered. Returns false when there is no further line (or the file is not open).
    bool ReadLine(std::u16string& line);

    // kWrite only: discards the file's content; writing starts at offset 0.
    void Truncate();

    // kWrite only: appends text + CR LF as UTF-8 (no byte-order mark, ever). Buffered.
    void WriteLine(std::u16string_view text);

    // Flushes and closes. Returns true when the file was open and every byte was written and the
    // close succeeded; false otherwise. A second call returns the first call's answer.
    bool Close();

private:
    // Private members are the implementation's to choose.
    int m_fd = -1;
    Mode m_mode;
    TextEncoding m_encoding = TextEncoding::Ascii;
};

// The directory of the running executable with its trailing separator ("/opt/quorvane/"), taken
// from /proc/self/exe; the empty string when it cannot be found.
std::u16string GetAppDirectory();

}  // namespace quorvane

#endif  // QUORVANE_FILES_TEXT_FILE_H_
