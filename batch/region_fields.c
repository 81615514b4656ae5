#include "batch/region_fields.h"

#include <string.h>

void QuorvaneRowFields(const char* text, size_t size, QuorvaneField fields[kQuorvaneFields]) {
    enum { kParts = 5 };
    /* Which part of the text fills each field, counted from 0. */
    static const int kPartOf[kQuorvaneFields] = {0, 2, 3, 4};
    QuorvaneField parts[kParts];
    int count = 0;
    size_t pos = 0;
    while (count < kParts) {
        while (pos < size && text[pos] == '|') {
            ++pos;
        }
        if (pos == size) {
            break;
        }
        const char* bar = (const char*)memchr(text + pos, '|', size - pos);
        size_t end = bar != NULL ? (size_t)(bar - text) : size;
        parts[count].data = text + pos;
        parts[count].size = end - pos;
        ++count;
        pos = end;
    }
    for (int i = 0; i < kQuorvaneFields; ++i) {
        int part = kPartOf[i];
        fields[i].data = text;
        fields[i].size = 0;
        /* "0" is how the data says "nothing known". */
        if (part < count && !(parts[part].size == 1 && parts[part].data[0] == '0')) {
            fields[i] = parts[part];
        }
    }
}
