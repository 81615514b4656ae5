#include "batch/lookup_session.h"

#include <cstring>
#include <optional>

#include "batch/dotted_address.h"
#include "batch/region_fields.h"
#include "files/conversions.h"

namespace quorvane {

namespace {

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

}  // namespace quorvane
