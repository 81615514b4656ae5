#include "batch/result_store.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "batch/export_field.h"
#include "batch/region_fields.h"
#include "files/conversions.h"

namespace quorvane {

namespace {

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
    // Room for the four fields, their commas and the break at once: a tail grown piece by piece
    // is copied several times over, once per record of a list.
    std::size_t tailBytes = 4 + 2;
    for (int field : {kQuorvaneCountry, kQuorvaneProvince, kQuorvaneCity, kQuorvaneProvider}) {
        tailBytes += fields[field].size;
    }
    record->exportTail.reserve(tailBytes);
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

const ResultTexts* CResultStore::ForRegionText(std::string_view regionText) {
    const HashedText key{regionText, std::hash<std::string_view>{}(regionText)};
    // High bits pick the shard; the map itself buckets by the low ones.
    TextShard& shard = m_byRegionText[(key.hash >> 32) % kTextShards];
    {
        std::lock_guard<std::mutex> guard(shard.lock);
        auto it = shard.records.find(key);
        if (it != shard.records.end()) {
            return it->second.get();
        }
    }
    // Built outside the lock: two threads may build the same record, and the second one's copy
    // is dropped below.
    std::unique_ptr<ResultTexts> record = MakeRegionRecord(regionText, m_texts);
    std::lock_guard<std::mutex> guard(shard.lock);
    auto it = shard.records.find(key);
    if (it == shard.records.end()) {
        it = shard.records
                 .emplace(HashedText{KeepText(shard, regionText), key.hash}, std::move(record))
                 .first;
    }
    return it->second.get();
}

std::string_view CResultStore::KeepText(TextShard& shard, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    if (text.size() > shard.blockRoom) {
        const std::size_t size = std::max(kTextBlockBytes, text.size());
        shard.textBlocks.push_back(std::make_unique_for_overwrite<char[]>(size));
        shard.blockNext = shard.textBlocks.back().get();
        shard.blockRoom = size;
    }
    char* const at = shard.blockNext;
    std::memcpy(at, text.data(), text.size());
    shard.blockNext += text.size();
    shard.blockRoom -= text.size();
    return std::string_view(at, text.size());
}

void CResultStore::Clear() {
    for (TextShard& shard : m_byRegionText) {
        std::lock_guard<std::mutex> shardGuard(shard.lock);
        shard.records.clear();
        shard.textBlocks.clear();
        shard.blockNext = nullptr;
        shard.blockRoom = 0;
    }
}

}  // namespace quorvane
