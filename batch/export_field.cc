#include "batch/export_field.h"

#include "files/conversions.h"

namespace quorvane {

void AppendExportField(std::string& out, std::u16string_view field) {
    field = field.substr(0, field.find(u'\0'));
    if (field.find(u',') == std::u16string_view::npos) {
        out += WideToUtf8(field);
        return;
    }
    std::u16string replaced(field);
    for (char16_t& c : replaced) {
        if (c == u',') {
            c = u'\uFF0C';
        }
    }
    out += WideToUtf8(replaced);
}

}  // namespace quorvane
