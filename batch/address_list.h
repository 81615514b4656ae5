// Reading address lists and writing result files, without any dialog: the desktop tool's
// Import and Export and the batch command use the same two functions.
#ifndef QUORVANE_BATCH_ADDRESS_LIST_H_
#define QUORVANE_BATCH_ADDRESS_LIST_H_

#include <string>
#include <string_view>
#include <vector>

#include "batch/address_block.h"
#include "batch/address_table.h"
#include "files/file_error.h"

namespace quorvane {

// Every line of the file at path, as Import reads it (encoding from the first 128 bytes,
// byte-order mark skipped, CR / LF / CR LF rules, nothing trimmed). The file is opened read-only
// and never created; only regular files, pipes and terminals are read. Returns false, leaving
// lines untouched, when it cannot be opened, a read fails before its end, or memory runs out.
bool ReadAddressList(std::u16string_view path, std::vector<std::u16string>& lines);
// The same lines appended to addresses, without a string per line; on false addresses is
// untouched and *error (when given) tells why.
bool ReadAddressList(std::u16string_view path, CAddressBlock& addresses,
                     FileError* error = nullptr);

// Writes every row as "address,country,province,city,provider" + CR LF in UTF-8 without a mark,
// replacing whatever the file held; a ',' inside a field is written as '，' (U+FF0C), so every
// line has exactly four commas. Returns true only when the file could be opened, every byte
// was written and it was closed without error; on false *error (when given) tells why. What
// path may name, and how the old file is kept whole until the result is, is CNativeFile's
// kWrite.
// REQUIRES: !table.IsRunActive().
bool WriteResultFile(const CAddressTable& table, std::u16string_view path,
                     FileError* error = nullptr);

// Appends the line WriteResultFile writes for row (UTF-8, ended by CR LF) to out; the window's
// Copy uses it, so a copied row reads exactly as the exported one. Any thread, also during a run
// (a row's results are read as one record).
// REQUIRES: row < table.GetRowCount().
void AppendExportLine(const CAddressTable& table, std::size_t row, std::string& out);
// The same line for row of addresses with results record (null: none), as the batch command
// writes it without a table. REQUIRES: row < addresses.Count().
void AppendExportLine(const CAddressBlock& addresses, std::size_t row, const ResultTexts* record,
                      std::string& out);
// The same, a little faster, for a record that CLookupSession::ResolveRows gave for row: a row it
// gives a record holds an address, and no address form holds a comma to be replaced.
// REQUIRES: row < addresses.Count(); record is ResolveRows' answer for row.
void AppendResolvedLine(const CAddressBlock& addresses, std::size_t row, const ResultTexts* record,
                        std::string& out);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_ADDRESS_LIST_H_
