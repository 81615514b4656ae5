// Reading and writing address lists of a million lines, and the per-row conversions of short
// addresses. Each figure is set beside a simpler way of doing the same work, measured in the
// same run, so that the ratios mean something on any machine.
#include <iconv.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "files/conversions.h"
#include "files/text_file.h"
#include "tests/support/scratch_dir.h"

namespace {

// Processor time of this process: the machine may be shared, and wall time would count the
// other programs too.
double CpuNow() {
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double Seconds(double since) {
    return CpuNow() - since;
}

std::string AddressText(std::mt19937& rng) {
    return std::to_string(rng() % 256) + "." + std::to_string(rng() % 256) + "." +
           std::to_string(rng() % 256) + "." + std::to_string(rng() % 256);
}

// The line reader as first described: one read request per byte.
std::size_t ReadByteAtATime(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    int fd = fileno(file);
    std::size_t lines = 0;
    std::string buffer;
    for (;;) {
        buffer.clear();
        bool atBreak = false;
        unsigned char b;
        while (::read(fd, &b, 1) == 1) {
            if ((b == '\r' || b == '\n') && !buffer.empty()) {
                atBreak = true;
                break;
            }
            buffer.push_back(static_cast<char>(b));
        }
        std::erase(buffer, '\r');
        std::erase(buffer, '\n');
        const std::u16string line = quorvane::AnsiToWide(buffer.c_str());
        if (!atBreak && buffer.empty()) {
            break;
        }
        lines += line.empty() ? 0 : 1;
    }
    std::fclose(file);
    return lines;
}

std::size_t ReadBuffered(const std::string& path) {
    quorvane::CTextFile file(quorvane::Utf8ToWide(path), quorvane::CTextFile::Mode::kRead);
    std::vector<std::u16string> rows;
    std::u16string line;
    while (file.ReadLine(line)) {
        rows.push_back(line);
    }
    file.Close();
    return rows.size();
}

// A conversion that opens its own descriptor every time.
std::u16string AnsiToWideOpeningEachTime(const std::string& text, const char* charset) {
    iconv_t cd = iconv_open("UTF-16LE", charset);
    std::u16string out(text.size(), u'\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* o = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size() * 2;
    iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft / 2);
    return out;
}

}  // namespace

int main() {
    const int kLines = 1000000;
    const quorvane::test::ScratchDir scratch("quorvane-bench");
    const std::string path = scratch.Path("addresses.txt").string();
    const std::string out = scratch.Path("results.txt").string();
    std::mt19937 rng(1);
    std::vector<std::string> addresses;
    {
        std::string bytes;
        for (int i = 0; i < kLines; ++i) {
            addresses.push_back(AddressText(rng));
            bytes += addresses.back() + "\r\n";
        }
        quorvane::test::WriteBytes(path, bytes);
    }

    auto t = CpuNow();
    const std::size_t buffered = ReadBuffered(path);
    const double bufferedSeconds = Seconds(t);
    t = CpuNow();
    const std::size_t single = ReadByteAtATime(path);
    const double singleSeconds = Seconds(t);
    std::printf(
        "read %zu lines: buffered %.3f s, one byte per read %.3f s (%zu lines), ratio %.1f\n",
        buffered, bufferedSeconds, singleSeconds, single, singleSeconds / bufferedSeconds);

    t = CpuNow();
    {
        quorvane::CTextFile file(quorvane::Utf8ToWide(out), quorvane::CTextFile::Mode::kWrite);
        file.Truncate();
        for (const std::string& a : addresses) {
            file.WriteLine(quorvane::Utf8ToWide(a) +
                           u",\u4E2D\u56FD,\u5E7F\u4E1C\u7701,"
                           u"\u6DF1\u5733\u5E02,\u7535\u4FE1");
        }
        if (!file.Close()) {
            std::printf("export failed\n");
        }
    }
    std::printf("write %d lines of five fields: %.3f s\n", kLines, Seconds(t));

    for (const char* charset : {"", "GB18030", ""}) {
        quorvane::SetAnsiCharset(charset);
        std::size_t sink = 0;
        t = CpuNow();
        for (const std::string& a : addresses) {
            sink += quorvane::WideToAnsi(quorvane::AnsiToWide(a)).size();
        }
        const double keptSeconds = Seconds(t);
        const int kNaive = 100000;
        t = CpuNow();
        for (int i = 0; i < kNaive; ++i) {
            sink += AnsiToWideOpeningEachTime(addresses[static_cast<std::size_t>(i)],
                                              quorvane::GetAnsiCharset().c_str())
                        .size();
        }
        const double naiveSeconds = Seconds(t) * kLines / kNaive;
        std::printf(
            "%s: %d address round trips %.3f s (%.0f ns each); one way opening iconv per call "
            "%.3f s (scaled), ratio %.0f  [%zu]\n",
            quorvane::GetAnsiCharset().c_str(), kLines, keptSeconds, keptSeconds * 1e9 / kLines,
            naiveSeconds, naiveSeconds / keptSeconds, sink);
    }
    quorvane::SetAnsiCharset("");
    return 0;
}
