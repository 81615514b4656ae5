#include "batch/lookup_session.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "batch/dotted_address.h"

namespace quorvane {

CLookupSession::CLookupSession(SharedDatabase database, CResultStore& store,
                               SharedDatabase database6)
    : m_database(std::move(database)), m_database6(std::move(database6)), m_store(store) {}

CLookupSession::~CLookupSession() = default;

// Text that is no address stays a miss: ip2long would read "hello" as 0.0.0.0 and "1.2.3" as
// 1.2.0.3, and the row would show a place the text never named. Dotted decimal is tried first:
// it is what most rows hold, and no IPv6 form is also dotted decimal.
template <typename Char>
CLookupSession::Parsed CLookupSession::Parse(std::basic_string_view<Char> text) {
    Parsed parsed;
    if (const std::optional<std::uint32_t> v4 = ParseDottedAddress(text)) {
        parsed.family = Parsed::kIpv4;
        parsed.v4 = *v4;
    } else if (const std::optional<Ipv6Address> v6 = ParseIpv6Address(text)) {
        const std::optional<std::uint32_t> mapped = MappedIpv4(*v6);
        parsed.family = mapped ? Parsed::kIpv4 : Parsed::kIpv6;
        parsed.v4 = mapped.value_or(0);
        parsed.v6 = *v6;
    }
    return parsed;
}

void CLookupSession::ResolveRows(const CAddressBlock& addresses, std::size_t begin, std::size_t end,
                                 const ResultTexts** records) {
    std::uint32_t numbers[kChunk];
    std::size_t rows[kChunk];
    Ipv6Address numbers6[kChunk];
    std::size_t rows6[kChunk];
    const ResultTexts* found[kChunk];
    std::u16string wide;
    while (begin < end) {
        const std::size_t n = std::min(kChunk, end - begin);
        std::size_t v4 = 0;
        std::size_t v6 = 0;
        for (std::size_t i = 0; i < n; ++i) {
            Parsed address;
            if (addresses.IsAscii(begin + i)) {
                address = Parse(addresses.AsciiAt(begin + i));
            } else {
                addresses.CopyText(begin + i, wide);
                address = Parse(std::u16string_view(wide));
            }
            records[i] = nullptr;
            if (address.family == Parsed::kIpv4) {
                numbers[v4] = address.v4;
                rows[v4++] = i;
            } else if (address.family == Parsed::kIpv6) {
                numbers6[v6] = address.v6;
                rows6[v6++] = i;
            }
        }
        SearchMany(numbers, v4, found);
        for (std::size_t i = 0; i < v4; ++i) {
            records[rows[i]] = found[i];
        }
        if (v6 > 0) {
            SearchMany6(numbers6, v6, found);
            for (std::size_t i = 0; i < v6; ++i) {
                records[rows6[i]] = found[i];
            }
        }
        begin += n;
        records += n;
    }
}

void CLookupSession::SearchMany(const std::uint32_t* addresses, std::size_t count,
                                const ResultTexts** records) {
    if (!m_database) {
        std::fill(records, records + count, nullptr);
        return;
    }
    quorvane_db_record found[kChunk];
    quorvane_db_find4_many(m_database.get(), addresses, found, count);
    RecordsFor(m_database.get(), m_cache, found, count, records);
}

void CLookupSession::SearchMany6(const Ipv6Address* addresses, std::size_t count,
                                 const ResultTexts** records) {
    if (!m_database6) {
        std::fill(records, records + count, nullptr);
        return;
    }
    unsigned char bytes[kChunk][16];
    for (std::size_t i = 0; i < count; ++i) {
        for (int b = 0; b < 8; ++b) {
            bytes[i][b] = static_cast<unsigned char>(addresses[i].high >> (56 - 8 * b));
            bytes[i][b + 8] = static_cast<unsigned char>(addresses[i].low >> (56 - 8 * b));
        }
    }
    quorvane_db_record found[kChunk];
    quorvane_db_find6_many(m_database6.get(), bytes, found, count);
    if (m_shared6 == nullptr) {
        RecordsFor(m_database6.get(), m_cache6, found, count, records);
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        records[i] = Record6For(found[i]);
    }
}

const ResultTexts* CLookupSession::Record6For(quorvane_db_record record) {
    if (record == 0) {
        return nullptr;
    }
    const ResultTexts* found = nullptr;
    if (m_shared6->Find(record, &found)) {
        return found;
    }
    std::size_t length = 0;
    const char* text = quorvane_db_text(m_database6.get(), record, &length);
    found = m_store.ForRegionText(std::string_view(text, length));
    m_shared6->Set(record, found);
    return found;
}

void CLookupSession::RecordsFor(const quorvane_db* database, CRecordCache& cache,
                                const quorvane_db_record* found, std::size_t count,
                                const ResultTexts** records) {
    for (std::size_t i = 0; i < count; ++i) {
        cache.Prefetch(found[i]);
    }
    for (std::size_t i = 0; i < count; ++i) {
        records[i] = RecordFor(database, cache, found[i]);
    }
}

const ResultTexts* CLookupSession::RecordFor(const quorvane_db* database, CRecordCache& cache,
                                             quorvane_db_record record) {
    if (record == 0) {
        return nullptr;
    }
    const ResultTexts* found = nullptr;
    if (cache.Find(record, &found)) {
        return found;
    }
    std::size_t length = 0;
    const char* text = quorvane_db_text(database, record, &length);
    found = m_store.ForRegionText(std::string_view(text, length));
    cache.Insert(record, found);
    return found;
}

}  // namespace quorvane
