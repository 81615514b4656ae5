#include "batch/lookup_session.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "batch/dotted_address.h"

namespace quorvane {

CLookupSession::CLookupSession(SharedDatabase database)
    : m_database(std::move(database)),
      m_ownStore(std::make_unique<CResultStore>()),
      m_store(*m_ownStore) {}

CLookupSession::CLookupSession(SharedDatabase database, CResultStore& store)
    : m_database(std::move(database)), m_store(store) {}

CLookupSession::~CLookupSession() = default;

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

void CLookupSession::ResolveRows(const CAddressBlock& addresses, std::size_t begin, std::size_t end,
                                 const ResultTexts** records) {
    std::uint32_t numbers[kSideBySide];
    std::size_t rows[kSideBySide];
    const ResultTexts* found[kSideBySide];
    std::u16string wide;
    while (begin < end) {
        const std::size_t n = std::min(kSideBySide, end - begin);
        std::size_t dotted = 0;
        for (std::size_t i = 0; i < n; ++i) {
            std::optional<std::uint32_t> address;
            if (addresses.IsAscii(begin + i)) {
                address = ParseDottedAddress(addresses.AsciiAt(begin + i));
            } else {
                addresses.CopyText(begin + i, wide);
                address = ParseDottedAddress(std::u16string_view(wide));
            }
            records[i] = nullptr;
            if (address) {
                numbers[dotted] = *address;
                rows[dotted++] = i;
            }
        }
        SearchMany(numbers, dotted, found);
        for (std::size_t i = 0; i < dotted; ++i) {
            records[rows[i]] = found[i];
        }
        begin += n;
        records += n;
    }
}

const ResultTexts* CLookupSession::Search(std::uint32_t address) {
    return m_database ? RecordFor(quorvane_db_find4(m_database.get(), address)) : nullptr;
}

void CLookupSession::SearchMany(const std::uint32_t* addresses, std::size_t count,
                                const ResultTexts** records) {
    if (!m_database) {
        std::fill(records, records + count, nullptr);
        return;
    }
    quorvane_db_record found[kSideBySide];
    for (std::size_t done = 0; done < count; done += kSideBySide) {
        const std::size_t n = std::min(kSideBySide, count - done);
        quorvane_db_find4_many(m_database.get(), addresses + done, found, n);
        for (std::size_t i = 0; i < n; ++i) {
            m_cache.Prefetch(found[i]);
        }
        for (std::size_t i = 0; i < n; ++i) {
            records[done + i] = RecordFor(found[i]);
        }
    }
}

const ResultTexts* CLookupSession::RecordFor(quorvane_db_record record) {
    if (record == 0) {
        return nullptr;
    }
    const ResultTexts* found = nullptr;
    if (m_cache.Find(record, &found)) {
        return found;
    }
    std::size_t length = 0;
    const char* text = quorvane_db_text(m_database.get(), record, &length);
    found = m_store.ForRegionText(std::string_view(text, length));
    m_cache.Insert(record, found);
    return found;
}

}  // namespace quorvane
