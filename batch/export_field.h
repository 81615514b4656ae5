// One field of an export line as the line format writes it.
#ifndef QUORVANE_BATCH_EXPORT_FIELD_H_
#define QUORVANE_BATCH_EXPORT_FIELD_H_

#include <string>
#include <string_view>

namespace quorvane {

// Appends field to out in UTF-8 as the "%s" of the line format takes it: up to its first NUL, if
// any. A ',' inside it is written as the full-width '，' (U+FF0C), so that every line keeps
// exactly five fields for readers that split at commas; the line format has no quoting.
void AppendExportField(std::string& out, std::u16string_view field);
// The same for a field that is UTF-8 already, as the databases' texts are: the same bytes as the
// UTF-16 form of the same text, with no conversion either way.
// REQUIRES: field is valid UTF-8 and holds no NUL.
void AppendUtf8ExportField(std::string& out, std::string_view field);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_EXPORT_FIELD_H_
