#include "batch/result_store.h"

#include <cstdint>

#include "batch/export_field.h"
#include "batch/region_fields.h"
#include "files/conversions.h"

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

std::unique_ptr<ResultTexts> MakeRecord(std::u16string_view country, std::u16string_view province,
                                        std::u16string_view city, std::u16string_view provider) {
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
    return record;
}

std::u16string FieldText(const QuorvaneField& field) {
    return field.size == 0 ? std::u16string()
                           : Utf8ToWide(std::string_view(field.data, field.size));
}

// Splitting the UTF-8 text and decoding only the fields shown gives the same texts as decoding
// first, without a temporary copy of the whole text; the export tail is the fields' own bytes.
std::unique_ptr<ResultTexts> MakeRegionRecord(std::string_view regionText, RecordTexts texts) {
    QuorvaneField fields[kQuorvaneFields];
    QuorvaneRowFields(regionText.data(), regionText.size(), fields);
    if (fields[kQuorvaneCountry].size == 0 && fields[kQuorvaneProvince].size == 0 &&
        fields[kQuorvaneCity].size == 0 && fields[kQuorvaneProvider].size == 0) {
        return nullptr;
    }
    auto record = std::make_unique<ResultTexts>();
    if (texts == RecordTexts::kFieldsAndExport) {
        record->country = FieldText(fields[kQuorvaneCountry]);
        record->province = FieldText(fields[kQuorvaneProvince]);
        record->city = FieldText(fields[kQuorvaneCity]);
        record->provider = FieldText(fields[kQuorvaneProvider]);
    }
    for (int field : {kQuorvaneCountry, kQuorvaneProvince, kQuorvaneCity, kQuorvaneProvider}) {
        record->exportTail.push_back(',');
        AppendUtf8ExportField(record->exportTail,
                              std::string_view(fields[field].data, fields[field].size));
    }
    record->exportTail += "\r\n";
    return record;
}

}  // namespace

CResultStore::CResultStore(RecordTexts texts) : m_texts(texts) {}
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
    auto record = MakeRecord(country, province, city, provider);
    std::lock_guard<std::mutex> guard(m_lock);
    auto [it, inserted] = m_records.try_emplace(std::move(key), std::move(record));
    return it->second.get();
}

const ResultTexts* CResultStore::ForRegionText(std::string_view regionText) {
    // High bits pick the shard; the map itself buckets by the low ones.
    const std::uint64_t hash = TextHash{}(regionText);
    TextShard& shard = m_byRegionText[(hash >> 32) % kTextShards];
    {
        std::lock_guard<std::mutex> guard(shard.lock);
        auto it = shard.records.find(regionText);
        if (it != shard.records.end()) {
            return it->second.get();
        }
    }
    // Built outside the lock, as in Intern.
    std::unique_ptr<ResultTexts> record = MakeRegionRecord(regionText, m_texts);
    std::lock_guard<std::mutex> guard(shard.lock);
    auto [it, inserted] = shard.records.try_emplace(std::string(regionText), std::move(record));
    return it->second.get();
}

void CResultStore::Clear() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_records.clear();
    for (TextShard& shard : m_byRegionText) {
        std::lock_guard<std::mutex> shardGuard(shard.lock);
        shard.records.clear();
    }
}

}  // namespace quorvane
