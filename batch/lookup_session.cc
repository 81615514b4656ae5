#include "batch/lookup_session.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "batch/database_open.h"
#include "batch/dotted_address.h"
#include "image_search.h"
#include "region/region_format.h"

namespace quorvane {

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
    if (m_image.image == nullptr) {
        // The first memory search loads the image. Until one has, every search takes the
        // public way, which then finds nothing.
        region_result result;
        result.region_text[0] = '\0';  // a miss leaves the result as it is: an empty text
        ip2region_memory_search(&m_handle, address, &result);
        result.region_text[sizeof(result.region_text) - 1] = '\0';
        if (!RegionViewOfHandle(&m_handle, &m_image)) {
            m_image.image = nullptr;
            return m_store.ForRegionText(std::string_view(result.region_text));
        }
    }
    // The memory search's own answer, without copying the record's text out.
    return RecordFor(RegionFindRecord(m_image.image, m_image.size, m_image.first_index_offset,
                                      m_image.last_index_offset, m_image.slices, address));
}

void CLookupSession::SearchMany(const std::uint32_t* addresses, std::size_t count,
                                const ResultTexts** records) {
    // The first search loads the image; without one, each search goes its own way.
    while (count > 0 && m_image.image == nullptr) {
        *records++ = Search(*addresses++);
        --count;
    }
    std::uint32_t pointers[kSideBySide];
    for (std::size_t done = 0; done < count; done += kSideBySide) {
        const std::size_t n = std::min(kSideBySide, count - done);
        RegionFindRecords(m_image.image, m_image.size, m_image.first_index_offset,
                          m_image.last_index_offset, m_image.slices, addresses + done, pointers, n);
        for (std::size_t i = 0; i < n; ++i) {
            m_cache.Prefetch(pointers[i]);
        }
        for (std::size_t i = 0; i < n; ++i) {
            records[done + i] = RecordFor(pointers[i]);
        }
    }
}

const ResultTexts* CLookupSession::RecordFor(std::uint32_t pointer) {
    if (pointer == 0) {
        return nullptr;
    }
    const ResultTexts* record = nullptr;
    if (m_cache.Find(pointer, &record)) {
        return record;
    }
    record = m_store.ForRegionText(RecordText(pointer));
    m_cache.Insert(pointer, record);
    return record;
}

// The text the memory search would copy into its result: the record's bytes after its number,
// up to the first NUL, which ends the copy as a C string.
std::string_view CLookupSession::RecordText(std::uint32_t pointer) const {
    const char* text = reinterpret_cast<const char*>(m_image.image) +
                       format::DataPointerOffset(pointer) + format::kRecordHeaderSize;
    const std::size_t length = format::DataPointerLength(pointer) - format::kRecordHeaderSize;
    const void* nul = std::memchr(text, '\0', length);
    return std::string_view(
        text,
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : length);
}

}  // namespace quorvane
