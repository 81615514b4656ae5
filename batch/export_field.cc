#include "batch/export_field.h"

#include "files/conversions.h"

namespace quorvane {

void AppendExportField(std::string& out, std::u16string_view field) {
    AppendUtf8ExportField(out, WideToUtf8(field.substr(0, field.find(u'\0'))));
}

void AppendUtf8ExportField(std::string& out, std::string_view field) {
    // A ',' byte is always the character itself in UTF-8, never part of another one.
    for (std::size_t comma = field.find(','); comma != std::string_view::npos;
         comma = field.find(',')) {
        out.append(field.substr(0, comma));
        out.append("\uFF0C");
        field.remove_prefix(comma + 1);
    }
    out.append(field);
}

}  // namespace quorvane
