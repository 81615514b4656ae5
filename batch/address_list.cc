#include "batch/address_list.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <iterator>
#include <new>
#include <stdexcept>
#include <utility>

#include "batch/export_field.h"
#include "files/conversions.h"
#include "files/text_file.h"

namespace quorvane {

namespace {

constexpr std::size_t kExportChunk = 1 << 20;

// The size of a regular file, 0 for anything else or on failure. Through std::filesystem, which
// takes the name as wide text on Windows: the C runtime's narrow calls read it in the ANSI code
// page, which cannot spell most names.
std::uintmax_t RegularFileSize(std::u16string_view path) {
    try {
        const std::filesystem::path name(path);
        std::error_code failure;
        if (!std::filesystem::is_regular_file(name, failure)) {
            return 0;
        }
        const std::uintmax_t size = std::filesystem::file_size(name, failure);
        return failure ? 0 : size;
    } catch (const std::exception&) {
        return 0;  // a name no conversion can spell: only the reservation is lost
    }
}

bool ReadLines(std::u16string_view path, std::vector<std::u16string>& lines) {
    CTextFile file(path, CTextFile::Mode::kRead);
    if (!file.IsOpen()) {
        return false;
    }
    // Lines go to a list of their own first: a read that fails part-way must not leave half a
    // file appended, as if it had been the whole of it.
    std::vector<std::u16string> read;
    std::u16string line;
    while (file.ReadLine(line)) {
        read.push_back(line);
    }
    if (!file.Close()) {
        return false;
    }
    if (lines.empty()) {
        lines = std::move(read);
    } else {
        lines.insert(lines.end(), std::make_move_iterator(read.begin()),
                     std::make_move_iterator(read.end()));
    }
    return true;
}

bool ReadBlock(std::u16string_view path, CAddressBlock& addresses) {
    CTextFile file(path, CTextFile::Mode::kRead);
    if (!file.IsOpen()) {
        return false;
    }
    class CBlockSink : public CTextFile::CLineSink {
      public:
        explicit CBlockSink(CAddressBlock& block) : m_block(block) {}
        void OnAsciiLine(std::string_view line) override { m_block.AppendAscii(line); }
        void OnLine(std::u16string_view line) override { m_block.Append(line); }

      private:
        CAddressBlock& m_block;
    };
    // As above, a block of its own until the whole file has been read. Reserving by the file's
    // size costs nothing resident and spares the copies of growing.
    CAddressBlock read;
    if (const std::uintmax_t size = RegularFileSize(path); size > 0) {
        read.Reserve(static_cast<std::size_t>(size / 8 + 1), static_cast<std::size_t>(size));
    }
    CBlockSink sink(read);
    file.ReadAllLines(sink);
    if (!file.Close()) {
        return false;
    }
    addresses.Append(std::move(read));
    return true;
}

}  // namespace

bool ReadAddressList(std::u16string_view path, std::vector<std::u16string>& lines) {
    try {
        return ReadLines(path, lines);
    } catch (const std::bad_alloc&) {
        return false;  // a list too large for memory, or one endless line
    } catch (const std::length_error&) {
        return false;
    }
}

bool ReadAddressList(std::u16string_view path, CAddressBlock& addresses) {
    try {
        return ReadBlock(path, addresses);
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

void AppendExportLine(const CAddressTable& table, std::size_t row, std::string& out) {
    // An address of plain ASCII is its own UTF-8, and every row sharing a record shares its
    // ready-made UTF-8 tail.
    const CAddressBlock& addresses = table.Addresses();
    if (addresses.IsAscii(row) && addresses.AsciiAt(row).find(',') == std::string_view::npos) {
        out.append(addresses.AsciiAt(row));
    } else {
        std::u16string wide;
        addresses.CopyText(row, wide);
        AppendExportField(out, wide);
    }
    const ResultTexts* results = table.GetResults(row);
    out.append(results != nullptr ? std::string_view(results->exportTail) : kEmptyExportTail);
}

bool WriteResultFile(const CAddressTable& table, std::u16string_view path) {
    CTextFile file(path, CTextFile::Mode::kWrite);
    if (!file.IsOpen()) {
        return false;
    }
    file.Truncate();
    // Lines are put together in one large buffer.
    std::string buffer;
    buffer.reserve(kExportChunk + 1024);
    for (std::size_t i = 0; i < table.GetRowCount(); ++i) {
        AppendExportLine(table, i, buffer);
        if (buffer.size() >= kExportChunk) {
            file.WriteBytes(buffer);
            buffer.clear();
        }
    }
    file.WriteBytes(buffer);
    return file.Close();
}

}  // namespace quorvane
