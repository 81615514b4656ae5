#include "batch/result_store.h"

#include <cstdint>

#include "batch/export_field.h"
#include "batch/region_fields.h"
#include "files/conversions.h"

namespace quorvane {

namespace {

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

}  // namespace

CResultStore::CResultStore() = default;
CResultStore::~CResultStore() = default;

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
    // Splitting the UTF-8 text and decoding only the fields shown gives the same texts as
    // decoding first, without a temporary copy of the whole text. Built outside the lock: two
    // threads may build the same record, and the second one's copy is dropped below.
    QuorvaneField fields[kQuorvaneFields];
    QuorvaneRowFields(regionText.data(), regionText.size(), fields);
    const std::u16string country = FieldText(fields[kQuorvaneCountry]);
    const std::u16string province = FieldText(fields[kQuorvaneProvince]);
    const std::u16string city = FieldText(fields[kQuorvaneCity]);
    const std::u16string provider = FieldText(fields[kQuorvaneProvider]);
    std::unique_ptr<ResultTexts> record;
    if (!country.empty() || !province.empty() || !city.empty() || !provider.empty()) {
        record = MakeRecord(country, province, city, provider);
    }
    std::lock_guard<std::mutex> guard(shard.lock);
    auto [it, inserted] = shard.records.try_emplace(std::string(regionText), std::move(record));
    return it->second.get();
}

void CResultStore::Clear() {
    for (TextShard& shard : m_byRegionText) {
        std::lock_guard<std::mutex> shardGuard(shard.lock);
        shard.records.clear();
    }
}

}  // namespace quorvane
