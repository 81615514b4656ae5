#include "batch/address_list.h"

#include <cstdint>
#include <iterator>
#include <new>
#include <optional>
#include <stdexcept>
#include <utility>

#include "batch/export_field.h"
#include "files/conversions.h"
#include "files/text_file.h"

namespace quorvane {

namespace {

constexpr std::size_t kExportChunk = 1 << 20;

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

bool ReadBlock(CTextFile& file, CAddressBlock& addresses) {
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
    if (const std::optional<std::uint64_t> size = file.RegularSize(); size && *size > 0) {
        read.Reserve(static_cast<std::size_t>(*size / 8 + 1), static_cast<std::size_t>(*size));
    }
    CBlockSink sink(read);
    file.ReadAllLines(sink);
    if (!file.Close()) {
        return false;
    }
    addresses.Append(std::move(read));
    return true;
}

bool WriteRows(const CAddressTable& table, CTextFile& file) {
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

bool ReadBlockOrReport(CTextFile& file, CAddressBlock& addresses, FileError* error) {
    bool read = false;
    bool outOfMemory = false;
    try {
        read = ReadBlock(file, addresses);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;  // a list too large for memory, or one endless line
    } catch (const std::length_error&) {
        outOfMemory = true;
    }
    if (!read && error != nullptr) {
        *error = outOfMemory ? FileError{FileProblem::kOutOfMemory} : file.Error();
    }
    return read;
}

bool WriteRows(const CAddressTable& table, CTextFile& file, FileError* error) {
    const bool written = WriteRows(table, file);
    if (!written && error != nullptr) {
        *error = file.Error();
    }
    return written;
}

// An address of plain ASCII is its own UTF-8, and every row sharing a record shares its
// ready-made UTF-8 tail. mayHoldComma: whether the address text must be searched for commas.
void AppendLine(const CAddressBlock& addresses, std::size_t row, const ResultTexts* record,
                bool mayHoldComma, std::string& out) {
    const bool ascii = addresses.IsAscii(row);
    if (ascii && (!mayHoldComma || addresses.AsciiAt(row).find(',') == std::string_view::npos)) {
        out.append(addresses.AsciiAt(row));
    } else {
        std::u16string wide;
        addresses.CopyText(row, wide);
        AppendExportField(out, wide);
    }
    out.append(record != nullptr ? std::string_view(record->exportTail) : kEmptyExportTail);
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

bool ReadAddressList(std::u16string_view path, CAddressBlock& addresses, FileError* error) {
    CTextFile file(path, CTextFile::Mode::kRead);
    return ReadBlockOrReport(file, addresses, error);
}

void AppendExportLine(const CAddressTable& table, std::size_t row, std::string& out) {
    AppendExportLine(table.Addresses(), row, table.GetResults(row), out);
}

void AppendExportLine(const CAddressBlock& addresses, std::size_t row, const ResultTexts* record,
                      std::string& out) {
    AppendLine(addresses, row, record, true, out);
}

void AppendResolvedLine(const CAddressBlock& addresses, std::size_t row, const ResultTexts* record,
                        std::string& out) {
    AppendLine(addresses, row, record, record == nullptr, out);
}

bool WriteResultFile(const CAddressTable& table, std::u16string_view path, FileError* error) {
    CTextFile file(path, CTextFile::Mode::kWrite);
    return WriteRows(table, file, error);
}

}  // namespace quorvane
