#include "batch/result_store.h"

#include "batch/export_field.h"

namespace quorvane {

namespace {

// Four texts as one key: each field is preceded by its length, so no choice of texts makes two
// different rows give the same key.
std::u16string MakeKey(std::u16string_view country, std::u16string_view province,
                       std::u16string_view city, std::u16string_view provider) {
    std::u16string key;
    key.reserve(8 + country.size() + province.size() + city.size() + provider.size());
    for (std::u16string_view field : {country, province, city, provider}) {
        key.push_back(static_cast<char16_t>(field.size() & 0xFFFF));
        key.push_back(static_cast<char16_t>(field.size() >> 16));
        key.append(field);
    }
    return key;
}

}  // namespace

CResultStore::CResultStore() = default;
CResultStore::~CResultStore() = default;

const ResultTexts* CResultStore::Intern(std::u16string_view country, std::u16string_view province,
                                        std::u16string_view city, std::u16string_view provider) {
    if (country.empty() && province.empty() && city.empty() && provider.empty()) {
        return nullptr;
    }
    std::u16string key = MakeKey(country, province, city, provider);
    {
        std::lock_guard<std::mutex> guard(m_lock);
        auto it = m_records.find(key);
        if (it != m_records.end()) {
            return it->second.get();
        }
    }
    // Built outside the lock: two threads may build the same record, and the second one's copy
    // is dropped below.
    auto record = std::make_unique<ResultTexts>();
    record->country = country;
    record->province = province;
    record->city = city;
    record->provider = provider;
    for (std::u16string_view field : {country, province, city, provider}) {
        record->exportTail.push_back(',');
        AppendExportField(record->exportTail, field);
    }
    record->exportTail += "\r\n";
    std::lock_guard<std::mutex> guard(m_lock);
    auto [it, inserted] = m_records.try_emplace(std::move(key), std::move(record));
    return it->second.get();
}

void CResultStore::Clear() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_records.clear();
}

}  // namespace quorvane
