// Imports arbitrary bytes as an address list: the encoding classifier, the line reader with its
// three line-break rules and four decodings, and the test that picks the lines a run resolves.
// Beyond the sanitizers' checks it asserts that the kind is the classifier's verdict on the first
// 128 bytes, that every line is well-formed UTF-16 without a line break, that no more lines come
// than the bytes allow, and that a line taken as an address gets the number ip2long gives it.
#include <quorvane/region.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "batch/dotted_address.h"
#include "files/conversions.h"
#include "files/text_encoding.h"
#include "files/text_file.h"

namespace {

// One in-memory file for the whole run, reached by path like a list on disk.
const std::string& ListPath(int* fd) {
    static int descriptor = memfd_create("import-fuzz", 0);
    static const std::string kPath = "/proc/self/fd/" + std::to_string(descriptor);
    if (descriptor < 0) {
        std::abort();
    }
    *fd = descriptor;
    return kPath;
}

bool WellFormedWithoutBreaks(const std::u16string& line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char16_t c = line[i];
        if (c == u'\r' || c == u'\n' || c == 0) {
            return false;
        }
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 == line.size() || line[i + 1] < 0xDC00 || line[i + 1] > 0xDFFF) {
                return false;
            }
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

// The line without its surrounding spaces and tabs, as plain ASCII.
std::string TrimmedAscii(const std::u16string& line) {
    std::size_t begin = line.find_first_not_of(u" \t");
    std::size_t end = line.find_last_not_of(u" \t");
    std::string out;
    for (std::size_t i = begin; begin != std::u16string::npos && i <= end; ++i) {
        out.push_back(static_cast<char>(line[i]));
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    int fd = -1;
    const std::string& path = ListPath(&fd);
    if (ftruncate(fd, 0) != 0 ||
        (size > 0 && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))) {
        std::abort();
    }
    quorvane::CTextFile file(quorvane::Utf8ToWide(path), quorvane::CTextFile::Mode::kRead);
    if (!file.IsOpen()) {
        std::abort();
    }
    const auto sample = static_cast<std::uint32_t>(std::min<std::size_t>(size, 128));
    if (file.GetEncoding() != quorvane::CEncodingDetector{}.Classify(data, sample)) {
        std::abort();
    }
    std::u16string line;
    std::size_t lines = 0;
    while (file.ReadLine(line)) {
        if (++lines > size || !WellFormedWithoutBreaks(line)) {
            std::abort();
        }
        if (const auto address = quorvane::ParseDottedAddress(line)) {
            if (ip2long(TrimmedAscii(line).c_str()) != *address) {
                std::abort();
            }
        }
    }
    if (!file.Close()) {
        std::abort();  // a memory file never fails a read
    }
    return 0;
}
