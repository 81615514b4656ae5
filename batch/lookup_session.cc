#include "batch/lookup_session.h"

#include <array>
#include <cstring>
#include <optional>

#include "batch/dotted_address.h"
#include "batch/region_fields.h"
#include "files/conversions.h"

namespace quorvane {

namespace {

// The first N fields of text split at '|' (runs of '|' are one separator, no field is empty).
// Returns how many were found. Works on UTF-8 and UTF-16 alike: '|' never occurs inside a
// multi-byte UTF-8 sequence, and an ill-formed sequence cut short by '|' decodes the same alone.
template <typename Char, std::size_t N>
std::size_t SplitFields(std::basic_string_view<Char> text,
                        std::array<std::basic_string_view<Char>, N>& fields) {
    std::size_t count = 0;
    std::size_t pos = 0;
    while (count < N) {
        while (pos < text.size() && text[pos] == Char('|')) {
            ++pos;
        }
        if (pos == text.size()) {
            break;
        }
        std::size_t end = text.find(Char('|'), pos);
        if (end == std::basic_string_view<Char>::npos) {
            end = text.size();
        }
        fields[count++] = text.substr(pos, end - pos);
        pos = end;
    }
    return count;
}

void AssignField(std::u16string& field, const QuorvaneField& text) {
    if (text.size == 0) {
        field.clear();
    } else {
        field = Utf8ToWide(std::string_view(text.data, text.size));
    }
}

}  // namespace

CLookupSession::CLookupSession(std::u16string_view dbPath) {
    // Paths reach the system as UTF-8, as the text file and the existence check pass them, so
    // the file that Start found is the file that is opened.
    const std::string path = WideToUtf8(dbPath);
    // A failed create leaves the handle empty; every search on it is then a miss.
    ip2region_create(&m_handle, path.c_str());
}

CLookupSession::~CLookupSession() {
    ip2region_destroy(&m_handle);
}

void CLookupSession::Lookup(AddressRow& row) {
    region_result result;
    std::memset(&result, 0, sizeof(result));
    // Text that is no dotted address stays a miss: ip2long would read "hello" as 0.0.0.0 and
    // "1.2.3" as 1.2.0.3, and the row would show a place the text never named.
    const std::optional<std::uint32_t> address = ParseDottedAddress(row.address);
    if (address) {
        ip2region_memory_search(&m_handle, *address, &result);
    }
    result.region_text[sizeof(result.region_text) - 1] = '\0';

    // Splitting the UTF-8 text and decoding only the fields shown gives the same texts as
    // decoding first, without a temporary copy of the whole text.
    QuorvaneField fields[kQuorvaneFields];
    QuorvaneRowFields(result.region_text, std::strlen(result.region_text), fields);
    AssignField(row.country, fields[kQuorvaneCountry]);
    AssignField(row.province, fields[kQuorvaneProvince]);
    AssignField(row.city, fields[kQuorvaneCity]);
    AssignField(row.provider, fields[kQuorvaneProvider]);
}

std::vector<std::u16string> SplitRegionText(std::u16string_view text) {
    std::vector<std::u16string> list;
    std::size_t pos = 0;
    for (;;) {
        std::array<std::u16string_view, 1> field;
        if (SplitFields(text.substr(pos), field) == 0) {
            break;
        }
        list.emplace_back(field[0]);
        pos = static_cast<std::size_t>(field[0].data() - text.data()) + field[0].size();
    }
    list.emplace_back();
    return list;
}

}  // namespace quorvane
