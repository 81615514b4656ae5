#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "files/conversions.h"
#include "files/removal_on_signal.h"
#include "files/text_file.h"
#include "tests/support/scratch_dir.h"

namespace quorvane {
namespace {

using Lines = std::vector<std::u16string>;

class TextFileTest : public ::testing::Test {
  protected:
    void TearDown() override { SetAnsiCharset(""); }

    std::string PathOf(const std::string& name) const { return m_scratch.Path(name).string(); }

    std::string WriteBytes(const std::string& name, const std::string& bytes) const {
        return m_scratch.Write(name, bytes);
    }

    static Lines ReadAll(const std::string& path, TextEncoding* kind = nullptr) {
        CTextFile file(Utf8ToWide(path), CTextFile::Mode::kRead);
        EXPECT_TRUE(file.IsOpen()) << path;
        if (kind != nullptr) {
            *kind = file.GetEncoding();
        }
        Lines lines;
        std::u16string line;
        while (file.ReadLine(line)) {
            lines.push_back(line);
        }
        EXPECT_FALSE(file.ReadLine(line));
        EXPECT_TRUE(file.Close());
        return lines;
    }

    Lines LinesOf(const std::string& bytes) { return ReadAll(WriteBytes("lines.txt", bytes)); }

    // The same file through ReadAllLines, ASCII lines widened.
    static Lines ReadAllAtOnce(const std::string& path) {
        struct Collector : CTextFile::CLineSink {
            Lines lines;
            void OnAsciiLine(std::string_view line) override {
                lines.emplace_back(line.begin(), line.end());
            }
            void OnLine(std::u16string_view line) override { lines.emplace_back(line); }
        } collector;
        CTextFile file(Utf8ToWide(path), CTextFile::Mode::kRead);
        file.ReadAllLines(collector);
        EXPECT_TRUE(file.Close());
        return collector.lines;
    }

    test::ScratchDir m_scratch{"quorvane-files"};
    const std::string m_dir = m_scratch.Dir().string();
};

TEST_F(TextFileTest, LineBreakRules) {
    EXPECT_EQ(LinesOf(""), Lines{});
    EXPECT_EQ(LinesOf("a\r\nb"), (Lines{u"a", u"b"}));
    EXPECT_EQ(LinesOf("a\r\n"), (Lines{u"a"}));
    EXPECT_EQ(LinesOf("a\r\n\r\nb"), (Lines{u"a", u"", u"b"}));
    EXPECT_EQ(LinesOf("a\n\nb"), (Lines{u"a", u"b"}));
    EXPECT_EQ(LinesOf("a\n\n\nb"), (Lines{u"a", u"", u"b"}));
    EXPECT_EQ(LinesOf("a\rb\rc"), (Lines{u"a", u"b", u"c"}));
    EXPECT_EQ(LinesOf("\r\n\r\na"), (Lines{u"", u"", u"a"}));
    EXPECT_EQ(LinesOf("\n"), Lines{});
    EXPECT_EQ(LinesOf("\r\n"), (Lines{u""}));
    EXPECT_EQ(LinesOf("1.1.1.1\r\n8.8.8.8\r\n1.1.1.1\r\n"),
              (Lines{u"1.1.1.1", u"8.8.8.8", u"1.1.1.1"}));
    EXPECT_EQ(LinesOf(" 1.2.3.4 \t\r\n"), (Lines{u" 1.2.3.4 \t"}));
    EXPECT_EQ(LinesOf("a\r\nlast"), (Lines{u"a", u"last"}));
}

TEST_F(TextFileTest, RunsOfBlankLinesWithSingleBreaks) {
    for (int k = 0; k <= 7; ++k) {
        for (const char* brk : {"\n", "\r"}) {
            std::string bytes = "a";
            for (int i = 0; i <= k; ++i) {
                bytes += brk;
            }
            bytes += "b";
            Lines expected{u"a"};
            expected.insert(expected.end(), static_cast<std::size_t>(k / 2), u"");
            expected.push_back(u"b");
            EXPECT_EQ(LinesOf(bytes), expected) << k << " blank lines";
        }
    }
}

TEST_F(TextFileTest, MarksAndKinds) {
    TextEncoding kind;
    EXPECT_EQ(ReadAll(WriteBytes("empty.txt", ""), &kind), Lines{});
    EXPECT_EQ(kind, TextEncoding::Ascii);
    EXPECT_EQ(ReadAll(WriteBytes("bom.txt",
                                 "\xEF\xBB\xBF"
                                 "1.2.3.4\r\n5.6.7.8"),
                      &kind),
              (Lines{u"1.2.3.4", u"5.6.7.8"}));
    EXPECT_EQ(kind, TextEncoding::Utf8WithBom);
    EXPECT_EQ(ReadAll(WriteBytes("utf8.txt", "\xE4\xB8\xAD\r\n"), &kind), (Lines{u"\u4E2D"}));
    EXPECT_EQ(kind, TextEncoding::Utf8);
    // Only the first 128 bytes are classified: later UTF-8 is read through the narrow set,
    // which is UTF-8 here.
    EXPECT_EQ(ReadAll(WriteBytes("late.txt", std::string(130, 'a') + "\n\xE4\xB8\xAD"), &kind),
              (Lines{std::u16string(130, u'a'), u"\u4E2D"}));
    EXPECT_EQ(kind, TextEncoding::Ascii);
    // A line's text ends at its first zero byte.
    EXPECT_EQ(ReadAll(WriteBytes("zero.txt", std::string("ab\0cd\r\nef", 9)), &kind),
              (Lines{u"ab", u"ef"}));
    EXPECT_EQ(kind, TextEncoding::NotText);
}

TEST_F(TextFileTest, NarrowFilesGoThroughTheNarrowSet) {
    SetAnsiCharset("GB18030");
    TextEncoding kind;
    EXPECT_EQ(ReadAll(WriteBytes("gb.txt", "\xD6\xD0\xCE\xC4\r\n1.2.3.4"), &kind),
              (Lines{u"\u4E2D\u6587", u"1.2.3.4"}));
    EXPECT_EQ(kind, TextEncoding::Ansi);
    // UTF-8 lines pass through the narrow set on their way in: GB18030 holds every character.
    EXPECT_EQ(ReadAll(WriteBytes("u8.txt", "\xE4\xB8\xAD\r\n")), (Lines{u"\u4E2D"}));
    // Latin-1 lacks the character, so it arrives as the set's default character.
    SetAnsiCharset("ISO-8859-1");
    EXPECT_EQ(ReadAll(WriteBytes("u8.txt", "\xE4\xB8\xAD\r\n\xC3\xA9")), (Lines{u"?", u"\u00E9"}));
}

std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string out;
    for (char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

TEST_F(TextFileTest, Utf16FilesArriveWhole) {
    const std::u16string text = u"1.2.3.4\r\n\u4E2D\u56FD\r\n\r\n\U0001F600 x\n\n\nend";
    const Lines expected{u"1.2.3.4", u"\u4E2D\u56FD", u"", u"\U0001F600 x", u"", u"end"};
    struct Case {
        const char* name;
        bool bigEndian;
        bool mark;
        TextEncoding kind;
    };
    for (const Case& c : {Case{"le-bom.txt", false, true, TextEncoding::Utf16LeWithBom},
                          Case{"be-bom.txt", true, true, TextEncoding::Utf16BeWithBom},
                          Case{"le.txt", false, false, TextEncoding::Utf16Le},
                          Case{"be.txt", true, false, TextEncoding::Utf16Be}}) {
        const std::u16string content = c.mark ? u"\uFEFF" + text : text;
        TextEncoding kind;
        EXPECT_EQ(ReadAll(WriteBytes(c.name, Utf16Bytes(content, c.bigEndian)), &kind), expected)
            << c.name;
        EXPECT_EQ(kind, c.kind) << c.name;
    }
}

TEST_F(TextFileTest, Utf16Damage) {
    std::u16string text = u"\uFEFFa";
    text += static_cast<char16_t>(0xD800);  // unpaired
    text += u"b\r\nc";
    text += u'\0';
    text += u"d\r\n";
    // Half a unit at the end of the file.
    EXPECT_EQ(ReadAll(WriteBytes("damaged.txt", Utf16Bytes(text, false) + "e")),
              (Lines{u"a\uFFFDb", u"c", u"\uFFFD"}));
}

TEST_F(TextFileTest, LongUtf16File) {
    std::u16string text = u"\uFEFF";
    Lines expected;
    for (int i = 0; i < 12000; ++i) {
        expected.push_back(u"10.0." + Utf8ToWide(std::to_string(i)) + u".\u4E2D");
        text += expected.back() + u"\r\n";
    }
    EXPECT_EQ(ReadAll(WriteBytes("long16.txt", Utf16Bytes(text, true))), expected);
}

// Steps through the bytes one at a time, as the line reader is defined to.
Lines ByteAtATimeLines(const std::string& bytes, TextEncoding kind) {
    std::size_t pos = kind == TextEncoding::Utf8WithBom ? 3 : 0;
    Lines out;
    for (;;) {
        std::string buffer;
        bool atBreak = false;
        while (pos < bytes.size()) {
            const char b = bytes[pos++];
            if ((b == '\r' || b == '\n') && !buffer.empty()) {
                atBreak = true;
                break;
            }
            buffer.push_back(b);
        }
        std::erase(buffer, '\r');
        std::erase(buffer, '\n');
        if (kind == TextEncoding::Utf8WithBom || kind == TextEncoding::Utf8) {
            buffer = WideToAnsi(Utf8ToWide(buffer.c_str()).c_str());
        }
        const std::u16string line = AnsiToWide(buffer.c_str());
        if (!atBreak && buffer.empty()) {
            return out;
        }
        out.push_back(line);
    }
}

std::string RandomLineBytes(std::mt19937& rng, std::size_t size) {
    static const unsigned char kAlphabet[] = {'\r', '\n', '\r', '\n', '\0', 'a',  '1',  '.',
                                              ' ',  0xE4, 0xB8, 0xAD, 0x80, 0xD6, 0xD0, 0xFF};
    std::string out(size, '\0');
    for (char& b : out) {
        b = static_cast<char>(kAlphabet[rng() % sizeof kAlphabet]);
    }
    // Start differently so that every 8-bit kind is met.
    switch (rng() % 6) {
        case 0:
            out = "\xEF\xBB\xBF" + out;
            break;
        case 1:
            out = "\xE4\xB8\xAD" + std::string(125, 'a') + out;  // Utf8
            break;
        case 2:
            out = std::string(128, '1') + out;  // Ascii
            break;
        case 3:
            out = "\xD6\xD0" + std::string(126, '2') + out;  // Ansi
            break;
        case 4:
            out = std::string("a\0", 2) + std::string(126, 'b') + out;  // NotText
            break;
        default:
            break;  // whatever the random bytes make of it
    }
    return out;
}

TEST_F(TextFileTest, BufferedReadsMatchByteAtATimeReading) {
#ifdef QUORVANE_SANITIZED
    constexpr int kSmall = 60;
    constexpr int kLarge = 2;
#else
    constexpr int kSmall = 150;
    constexpr int kLarge = 12;
#endif
    std::mt19937 rng(64);
    std::set<TextEncoding> kinds;
    for (const char* charset : {"", "GB18030", "ISO-8859-1"}) {
        SetAnsiCharset(charset);
        for (int round = 0; round < kSmall + kLarge; ++round) {
            std::size_t size = rng() % 300;
            if (round >= kSmall) {
                // Around one or two read buffers, with the breaks dense enough to straddle them.
                size = 65536 * (1 + rng() % 2) + rng() % 9 - 4 - 128;
            }
            const std::string bytes = RandomLineBytes(rng, size);
            const std::string path = WriteBytes("random.txt", bytes);
            CTextFile file(Utf8ToWide(path), CTextFile::Mode::kRead);
            const TextEncoding kind = file.GetEncoding();
            if (kind >= TextEncoding::Utf16LeWithBom) {
                continue;  // random zeros made it look like UTF-16
            }
            Lines lines;
            std::u16string line;
            while (file.ReadLine(line)) {
                lines.push_back(line);
            }
            ASSERT_EQ(lines, ByteAtATimeLines(bytes, kind))
                << "charset '" << charset << "' round " << round << " kind "
                << static_cast<int>(kind);
            // Reading everything at once takes the same lines, however they lie in the buffer.
            ASSERT_EQ(ReadAllAtOnce(path), lines) << "charset '" << charset << "' round " << round;
            kinds.insert(kind);
        }
    }
    EXPECT_EQ(kinds, (std::set<TextEncoding>{TextEncoding::NotText, TextEncoding::Ansi,
                                             TextEncoding::Ascii, TextEncoding::Utf8WithBom,
                                             TextEncoding::Utf8}));
}

// Whether ReadAllLines hands each line over as plain ASCII: only a line whose own bytes are all
// 0x01-0x7F is, whatever stands beside its break within the same eight bytes.
TEST_F(TextFileTest, PlainLinesAreTheOnesWithoutOtherBytes) {
    struct Kinds : CTextFile::CLineSink {
        std::string plain;  // 'a' for a line handed over as ASCII, 'w' for any other
        void OnAsciiLine(std::string_view) override { plain += 'a'; }
        void OnLine(std::u16string_view) override { plain += 'w'; }
    };
    const std::string ascii(128, '1');  // so that the file is classed as ASCII text
    for (std::size_t shift = 0; shift < 8; ++shift) {
        const std::string pad(shift, 'p');
        const std::string bytes = ascii + "\r\n" + pad + "ab\x80\r\n" + pad +
                                  "abcdefg\r\x80zzzzz\r\n" + pad + std::string("a\0b\r\n", 5) +
                                  pad + "\x7F\x01c\n\x80";
        Kinds kinds;
        CTextFile file(Utf8ToWide(WriteBytes("kinds.txt", bytes)), CTextFile::Mode::kRead);
        file.ReadAllLines(kinds);
        EXPECT_TRUE(file.Close());
        // The last line runs to the end of the file and takes the general path.
        EXPECT_EQ(kinds.plain, "awawwaw") << shift;
    }
}

TEST_F(TextFileTest, BreaksAtTheReadBufferBoundary) {
    for (std::size_t at = 65533; at <= 65538; ++at) {
        for (const char* brk : {"\r\n", "\n\n", "\r\r\n"}) {
            std::string bytes(at, 'x');
            bytes += brk;
            bytes += "tail";
            const Lines lines = LinesOf(bytes);
            ASSERT_EQ(lines, ByteAtATimeLines(bytes, TextEncoding::Ascii)) << at;
            ASSERT_EQ(ReadAllAtOnce(PathOf("lines.txt")), lines) << at;
            ASSERT_EQ(lines.front().size(), at);
            ASSERT_EQ(lines.back(), u"tail");
        }
    }
}

TEST_F(TextFileTest, ReadingNeverCreatesOrOpensForWriting) {
    const std::string missing = PathOf("missing.txt");
    CTextFile file(Utf8ToWide(missing), CTextFile::Mode::kRead);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.GetEncoding(), TextEncoding::Ascii);
    std::u16string line = u"stale";
    EXPECT_FALSE(file.ReadLine(line));
    EXPECT_EQ(line, u"");
    EXPECT_FALSE(file.Close());
    EXPECT_NE(access(missing.c_str(), F_OK), 0);

    // A file nobody may write is still read.
    const std::string readOnly = WriteBytes("ro.txt", "9.9.9.9\r\n");
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    EXPECT_EQ(ReadAll(readOnly), (Lines{u"9.9.9.9"}));

    CTextFile directory(Utf8ToWide(m_dir), CTextFile::Mode::kRead);
    EXPECT_FALSE(directory.IsOpen());

    // A named pipe without a writer must not hang the open: it reads as an empty file.
    const std::string fifo = PathOf("pipe.txt");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadAll(fifo), Lines{});

    // A device that never ends is no list of lines.
    CTextFile zero(u"/dev/zero", CTextFile::Mode::kRead);
    EXPECT_FALSE(zero.IsOpen());
}

TEST_F(TextFileTest, BadPaths) {
    const std::string name = PathOf("cut");
    const std::u16string withNul = Utf8ToWide(name) + u'\0' + u"more";
    CTextFile nul(withNul, CTextFile::Mode::kWrite);
    EXPECT_FALSE(nul.IsOpen());
    EXPECT_NE(access(name.c_str(), F_OK), 0);
    CTextFile empty(u"", CTextFile::Mode::kRead);
    EXPECT_FALSE(empty.IsOpen());
    CTextFile noDir(Utf8ToWide(m_dir + "/no/such/dir.txt"), CTextFile::Mode::kWrite);
    EXPECT_FALSE(noDir.IsOpen());
    noDir.Truncate();
    noDir.WriteLine(u"lost");
    EXPECT_FALSE(noDir.Close());
}

TEST_F(TextFileTest, ReadErrorIsNotTheEndOfTheFile) {
    // Reading this file at offset 0 fails (nothing is mapped there).
    CTextFile file(u"/proc/self/mem", CTextFile::Mode::kRead);
    ASSERT_TRUE(file.IsOpen());
    std::u16string line;
    EXPECT_FALSE(file.ReadLine(line));
    EXPECT_TRUE(file.HadReadError());
    EXPECT_FALSE(file.Close());
}

TEST_F(TextFileTest, WrittenBytes) {
    const std::string path = PathOf("out.txt");
    {
        CTextFile file(Utf8ToWide(path), CTextFile::Mode::kWrite);
        ASSERT_TRUE(file.IsOpen());
        file.Truncate();
        file.WriteLine(u"1.2.3.4,A,B,C,D");
        file.WriteLine(u"5.6.7.8,,,,");
        file.WriteLine(u"9.9.9.9,\u4E2D\u56FD,,,");
        file.WriteLine(u"");
        EXPECT_TRUE(file.Close());
        EXPECT_TRUE(file.Close());
    }
    EXPECT_EQ(test::ReadBytes(path),
              "1.2.3.4,A,B,C,D\r\n5.6.7.8,,,,\r\n9.9.9.9,\xE4\xB8\xAD\xE5\x9B\xBD,,,\r\n\r\n");
}

TEST_F(TextFileTest, WritingOverAnExistingFileLeavesOnlyTheNewLines) {
    for (const std::string& old : {std::string(5000, 'z'),
                                   std::string("\xEF\xBB\xBF"
                                               "old line\r\nmore\r\n"),
                                   Utf16Bytes(u"\uFEFFold\r\n", false)}) {
        const std::string path = WriteBytes("over.txt", old);
        CTextFile file(Utf8ToWide(path), CTextFile::Mode::kWrite);
        file.Truncate();
        file.WriteLine(u"1.2.3.4,A,B,C,D");
        EXPECT_TRUE(file.Close());
        EXPECT_EQ(test::ReadBytes(path), "1.2.3.4,A,B,C,D\r\n");
    }
}

TEST_F(TextFileTest, NewFileHonoursTheUmask) {
    const mode_t previous = umask(027);
    const std::string path = PathOf("mode.txt");
    CTextFile file(Utf8ToWide(path), CTextFile::Mode::kWrite);
    umask(previous);
    EXPECT_TRUE(file.Close());
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(st.st_size, 0);
}

TEST_F(TextFileTest, LongExportReadsBack) {
    const std::string path = PathOf("long.txt");
    Lines expected;
    CTextFile file(Utf8ToWide(path), CTextFile::Mode::kWrite);
    file.Truncate();
    for (int i = 0; i < 30000; ++i) {
        expected.push_back(u"10.1." + Utf8ToWide(std::to_string(i)) + u",\u4E2D\u56FD,,,");
        file.WriteLine(expected.back());
    }
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadAll(path), expected);
}

TEST_F(TextFileTest, FailedWritesAreReported) {
    CTextFile full(u"/dev/full", CTextFile::Mode::kWrite);
    ASSERT_TRUE(full.IsOpen());
    full.Truncate();
    full.WriteLine(u"1.2.3.4,,,,");
    EXPECT_FALSE(full.Close());
    EXPECT_FALSE(full.Close());

    // Writing through a file opened for reading writes nothing and says so.
    const std::string path = WriteBytes("in.txt", "keep\r\n");
    CTextFile reader(Utf8ToWide(path), CTextFile::Mode::kRead);
    reader.Truncate();
    reader.WriteLine(u"x");
    EXPECT_FALSE(reader.Close());
    EXPECT_EQ(test::ReadBytes(path), "keep\r\n");
}

// Until Close() the target keeps its old bytes; a writer that never closes leaves it so, and
// no file of ours stays behind either way.
TEST_F(TextFileTest, TargetIsReplacedOnlyByAClosedFile) {
    auto leftovers = [this] {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir)) {
            count += entry.path().filename().string().starts_with(".qv-");
        }
        return count;
    };
    const std::string path = WriteBytes("keep.txt", "old\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0604), 0);
    const std::string line(100, 'x');
    {
        CTextFile file(Utf8ToWide(path), CTextFile::Mode::kWrite);
        ASSERT_TRUE(file.IsOpen());
        file.Truncate();
        for (int i = 0; i < 2000; ++i) {
            file.WriteLine(Utf8ToWide(line));  // well past the write buffer
        }
        EXPECT_EQ(test::ReadBytes(path), "old\r\n");
        EXPECT_EQ(leftovers(), 1);
    }
    EXPECT_EQ(test::ReadBytes(path), "old\r\n") << "an unclosed export counts as failed";
    EXPECT_EQ(leftovers(), 0);

    // Through a link: the link stays, the file it names gets the lines and keeps its mode.
    const std::string link = PathOf("link.txt");
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    CTextFile file(Utf8ToWide(link), CTextFile::Mode::kWrite);
    file.Truncate();
    file.WriteLine(u"new");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(test::ReadBytes(path), "new\r\n");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0604u);
    EXPECT_EQ(leftovers(), 0);

    // A file nobody may write stays refused.
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    if (access(path.c_str(), W_OK) != 0) {
        CTextFile readOnly(Utf8ToWide(path), CTextFile::Mode::kWrite);
        EXPECT_FALSE(readOnly.IsOpen());
    }
}

// A pipe is written directly and write-only: opened for reading too, the export would fill the
// pipe and block, or report success with nobody to read it.
TEST_F(TextFileTest, PipeTargetIsWrittenDirectly) {
    const std::string fifo = PathOf("out.pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = test::ReadBytes(fifo); });
    {
        CTextFile file(Utf8ToWide(fifo), CTextFile::Mode::kWrite);
        ASSERT_TRUE(file.IsOpen());
        file.Truncate();
        file.WriteLine(u"1.2.3.4,A,B,C,D");
        EXPECT_TRUE(file.Close());
    }
    reader.join();
    EXPECT_EQ(received, "1.2.3.4,A,B,C,D\r\n");
}

// The lines of standard input while it is a pipe that holds bytes (at most what a pipe buffers).
Lines ReadPipedStandardInput(const std::string& bytes, TextEncoding* kind) {
    int ends[2];
    EXPECT_EQ(pipe(ends), 0);
    EXPECT_EQ(write(ends[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    close(ends[1]);
    const int saved = dup(STDIN_FILENO);
    dup2(ends[0], STDIN_FILENO);
    close(ends[0]);
    Lines lines;
    {
        CTextFile file(CTextFile::Mode::kRead, CTextFile::StandardStream::kStandard);
        EXPECT_TRUE(file.IsOpen());
        *kind = file.GetEncoding();
        std::u16string line;
        while (file.ReadLine(line)) {
            lines.push_back(line);
        }
        EXPECT_TRUE(file.Close());
    }
    dup2(saved, STDIN_FILENO);
    close(saved);
    return lines;
}

// A pipe is classified from its first bytes as a file with the same bytes would be: UTF-16 from a
// pipe arrives whole, and its mark is skipped.
TEST_F(TextFileTest, PipeEncodingComesFromItsFirstBytes) {
    const std::u16string text = u"\uFEFF1.2.3.4\r\n\u4E2D\u56FD\r\n";
    const std::string longLine(300, '7');
    const struct {
        std::string bytes;
        TextEncoding kind;
        Lines lines;
    } cases[] = {
        {Utf16Bytes(text, false), TextEncoding::Utf16LeWithBom, {u"1.2.3.4", u"\u4E2D\u56FD"}},
        {Utf16Bytes(text, true), TextEncoding::Utf16BeWithBom, {u"1.2.3.4", u"\u4E2D\u56FD"}},
        {"\xEF\xBB\xBF"
         "1.2.3.4\r\n\xE4\xB8\xAD\xE5\x9B\xBD\r\n",
         TextEncoding::Utf8WithBom,
         {u"1.2.3.4", u"\u4E2D\u56FD"}},
        {"8.8.8.8", TextEncoding::Ascii, {u"8.8.8.8"}},
        {"", TextEncoding::Ascii, {}},
        {longLine + "\n1.1.1.1", TextEncoding::Ascii, {Utf8ToWide(longLine), u"1.1.1.1"}},
    };
    for (const auto& c : cases) {
        TextEncoding kind = TextEncoding::Ascii;
        EXPECT_EQ(ReadPipedStandardInput(c.bytes, &kind), c.lines) << c.bytes.size();
        EXPECT_EQ(kind, c.kind) << c.bytes.size();
        EXPECT_EQ(LinesOf(c.bytes), c.lines) << "the same bytes as a file";
    }
}

TEST_F(TextFileTest, FailuresTellTheirCause) {
    const auto causeOf = [](const std::string& path, CTextFile::Mode mode) {
        CTextFile file(Utf8ToWide(path), mode);
        file.WriteLine(u"x");
        file.Close();
        return file.Error().problem;
    };
    EXPECT_EQ(causeOf(PathOf("missing.txt"), CTextFile::Mode::kRead), FileProblem::kNotFound);
    EXPECT_EQ(causeOf(m_dir, CTextFile::Mode::kRead), FileProblem::kIsDirectory);
    EXPECT_EQ(causeOf("/dev/zero", CTextFile::Mode::kRead), FileProblem::kNotAFile);
    EXPECT_EQ(causeOf(m_dir, CTextFile::Mode::kWrite), FileProblem::kIsDirectory);
    EXPECT_EQ(causeOf(PathOf("none/out.txt"), CTextFile::Mode::kWrite), FileProblem::kNotFound);
    EXPECT_EQ(causeOf(WriteBytes("file", "") + "/out.txt", CTextFile::Mode::kWrite),
              FileProblem::kNotAFolderInPath);
    if (access("/dev/full", W_OK) == 0) {
        EXPECT_EQ(causeOf("/dev/full", CTextFile::Mode::kWrite), FileProblem::kDiskFull);
    }
    EXPECT_EQ(causeOf("", CTextFile::Mode::kRead), FileProblem::kNotFound);
    const std::string fine = PathOf("fine.txt");
    EXPECT_EQ(causeOf(fine, CTextFile::Mode::kWrite), FileProblem::kNone);
    EXPECT_EQ(causeOf(fine, CTextFile::Mode::kRead), FileProblem::kInputOutput)
        << "a write through a file opened for reading";
    EXPECT_EQ(DescribeFileError(FileError{FileProblem::kDiskFull}), u"磁盘空间不足");
    EXPECT_EQ(DescribeFileError(FileErrorFromSystem(EXDEV)),
              u"系统错误 " + Utf8ToWide(std::to_string(EXDEV)));
}

TEST_F(TextFileTest, SignalRemovesThePendingFile) {
    const std::string path = WriteBytes("pending.tmp", "partial");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RemovePendingFileOnSignal();
        SetPendingFile(AT_FDCWD, path);
        raise(SIGTERM);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_NE(access(path.c_str(), F_OK), 0);
}

}  // namespace
}  // namespace quorvane
