// Rows of an address table as whole records, for tests: read through GetField and written through
// the result store's region texts, the paths the window, the export and the workers use.
#ifndef QUORVANE_TESTS_SUPPORT_TABLE_ROWS_H_
#define QUORVANE_TESTS_SUPPORT_TABLE_ROWS_H_

#include <string>
#include <utility>
#include <vector>

#include "batch/address_table.h"
#include "files/conversions.h"

namespace quorvane::test {

// One row; the field order is GetField's column order.
struct AddressRow {
    std::u16string address;
    std::u16string country;
    std::u16string province;
    std::u16string city;
    std::u16string provider;
};

// Row index of table. Throws std::out_of_range as GetField does.
inline AddressRow RowAt(const CAddressTable& table, std::size_t index) {
    return AddressRow{table.GetField(index, 0), table.GetField(index, 1), table.GetField(index, 2),
                      table.GetField(index, 3), table.GetField(index, 4)};
}

// The store's record for the four results of row, as a worker finds it for the region text
// "country|0|province|city|provider" ("0" standing for an empty field). REQUIRES: no field is
// "0" or holds '|'.
inline const ResultTexts* RecordFor(CAddressTable& table, const AddressRow& row) {
    std::string text;
    for (const std::u16string* field : {&row.country, &row.province, &row.city, &row.provider}) {
        text += field == &row.country ? "" : field == &row.province ? "|0|" : "|";
        text += field->empty() ? "0" : WideToUtf8(*field);
    }
    return table.Store().ForRegionText(text);
}

// Appends rows with their results. REQUIRES: as RecordFor; no run is active.
inline void AppendRows(CAddressTable& table, const std::vector<AddressRow>& rows) {
    CAddressBlock block;
    for (const AddressRow& row : rows) {
        block.Append(row.address);
    }
    const std::size_t first = table.GetRowCount();
    table.AppendAddresses(std::move(block), true);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        table.SetResults(first + i, RecordFor(table, rows[i]));
    }
}

inline void AppendRow(CAddressTable& table, const AddressRow& row) {
    AppendRows(table, {row});
}

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_SUPPORT_TABLE_ROWS_H_
