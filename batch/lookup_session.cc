#include "batch/lookup_session.h"

#include <cstring>
#include <optional>

#include "batch/database_open.h"
#include "batch/dotted_address.h"
#include "batch/region_fields.h"
#include "files/conversions.h"

namespace quorvane {

namespace {

std::u16string FieldText(const QuorvaneField& text) {
    return text.size == 0 ? std::u16string() : Utf8ToWide(std::string_view(text.data, text.size));
}

}  // namespace

CLookupSession::CLookupSession(std::u16string_view dbPath)
    : m_ownStore(std::make_unique<CResultStore>()), m_store(*m_ownStore) {
    Open(dbPath);
}

CLookupSession::CLookupSession(std::u16string_view dbPath, CResultStore& store) : m_store(store) {
    Open(dbPath);
}

void CLookupSession::Open(std::u16string_view dbPath) {
    // A failed open leaves the handle empty; every search on it is then a miss.
    OpenDatabase(m_handle, dbPath);
}

CLookupSession::~CLookupSession() {
    ip2region_destroy(&m_handle);
}

void CLookupSession::Lookup(AddressRow& row) {
    const ResultTexts* record = Resolve(std::u16string_view(row.address));
    row.country = record != nullptr ? record->country : std::u16string();
    row.province = record != nullptr ? record->province : std::u16string();
    row.city = record != nullptr ? record->city : std::u16string();
    row.provider = record != nullptr ? record->provider : std::u16string();
}

// Text that is no dotted address stays a miss: ip2long would read "hello" as 0.0.0.0 and "1.2.3"
// as 1.2.0.3, and the row would show a place the text never named.
const ResultTexts* CLookupSession::Resolve(std::string_view asciiAddress) {
    const std::optional<std::uint32_t> address = ParseDottedAddress(asciiAddress);
    return address ? Search(*address) : nullptr;
}

const ResultTexts* CLookupSession::Resolve(std::u16string_view address) {
    const std::optional<std::uint32_t> parsed = ParseDottedAddress(address);
    return parsed ? Search(*parsed) : nullptr;
}

const ResultTexts* CLookupSession::Search(std::uint32_t address) {
    region_result result;
    result.region_text[0] = '\0';  // a miss leaves the result as it is: an empty text
    ip2region_memory_search(&m_handle, address, &result);
    result.region_text[sizeof(result.region_text) - 1] = '\0';
    return RecordFor(std::string_view(result.region_text));
}

const ResultTexts* CLookupSession::RecordFor(std::string_view regionText) {
    const ResultTexts* record = nullptr;
    if (m_cache.Find(regionText, &record)) {
        return record;
    }
    // Splitting the UTF-8 text and decoding only the fields shown gives the same texts as
    // decoding first, without a temporary copy of the whole text.
    QuorvaneField fields[kQuorvaneFields];
    QuorvaneRowFields(regionText.data(), regionText.size(), fields);
    record =
        m_store.Intern(FieldText(fields[kQuorvaneCountry]), FieldText(fields[kQuorvaneProvince]),
                       FieldText(fields[kQuorvaneCity]), FieldText(fields[kQuorvaneProvider]));
    m_cache.Insert(regionText, record);
    return record;
}

}  // namespace quorvane
