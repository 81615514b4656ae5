#include "batch/address_list.h"

#include <iterator>
#include <new>
#include <stdexcept>
#include <utility>

#include "files/text_file.h"

namespace quorvane {

namespace {

// A field as the "%s" of the line format takes it: up to its first NUL, if any. A ',' inside it
// is written as the full-width '，' (U+FF0C), so that every line keeps exactly five fields for
// readers that split at commas; the line format has no quoting.
void AppendField(std::u16string& line, const std::u16string& field) {
    const std::size_t start = line.size();
    line.append(field, 0, field.find(u'\0'));
    for (std::size_t i = line.find(u',', start); i != std::u16string::npos;
         i = line.find(u',', i + 1)) {
        line[i] = u'\uFF0C';
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

bool WriteResultFile(const CAddressTable& table, std::u16string_view path) {
    CTextFile file(path, CTextFile::Mode::kWrite);
    if (!file.IsOpen()) {
        return false;
    }
    file.Truncate();
    std::u16string line;
    for (std::size_t i = 0; i < table.GetRowCount(); ++i) {
        table.ReadRow(i, [&line](const AddressRow& row) {
            line.clear();
            AppendField(line, row.address);
            line.push_back(u',');
            AppendField(line, row.country);
            line.push_back(u',');
            AppendField(line, row.province);
            line.push_back(u',');
            AppendField(line, row.city);
            line.push_back(u',');
            AppendField(line, row.provider);
        });
        file.WriteLine(line);
    }
    return file.Close();
}

}  // namespace quorvane
