// The four result texts of a row as one immutable record, and the store that owns every record
// of a table: rows that show the same texts share one record, so a million rows resolved against
// a few tens of thousands of places hold a few tens of thousands of texts.
#ifndef QUORVANE_BATCH_RESULT_STORE_H_
#define QUORVANE_BATCH_RESULT_STORE_H_

#include <array>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvane {

// Never changed once the store has handed it out, so any thread may read it without a lock.
struct ResultTexts {
    std::u16string country;
    std::u16string province;
    std::u16string city;
    std::u16string provider;
    // What an export line holds after the address: ",country,province,city,provider" + CR LF,
    // each field as AppendExportField writes it.
    std::string exportTail;
};

// The export tail of a row without results.
inline constexpr std::string_view kEmptyExportTail = ",,,,\r\n";

// What the records of a store hold.
enum class RecordTexts {
    kFieldsAndExport,  // the four fields and the export tail: what the window shows and copies
    kExportOnly,       // the export tail alone, the four fields empty: what the command writes
};

// Thread rules: ForRegionText may be called from any thread at once; Clear only while no thread
// can hold a record of this store.
class CResultStore {
  public:
    explicit CResultStore(RecordTexts texts = RecordTexts::kFieldsAndExport);
    ~CResultStore();
    CResultStore(const CResultStore&) = delete;
    CResultStore& operator=(const CResultStore&) = delete;

    // The record for the fields of regionText (see QuorvaneRowFields), split and converted on
    // the first call for that text only; null when all four fields are empty. The record lives
    // until Clear or the store's end.
    // REQUIRES: regionText is valid UTF-8 and holds no NUL, as the engine gives texts.
    const ResultTexts* ForRegionText(std::string_view regionText);

    // Frees every record. REQUIRES: no record of this store is referenced any more.
    void Clear();

  private:
    // A region text with its hash, worked out once a call: the shard and the map both use it.
    struct HashedText {
        std::string_view text;
        std::size_t hash = 0;
        friend bool operator==(const HashedText& a, const HashedText& b) {
            return a.hash == b.hash && a.text == b.text;
        }
    };
    struct TextHash {
        std::size_t operator()(const HashedText& key) const { return key.hash; }
    };
    // The records by region text, split by the text's hash into shards with a lock each, so
    // that three workers meeting new texts rarely wait for one another. Null values stand for
    // four empty fields. The keys' texts are kept in blocks of the shard's own, a few hundred
    // texts a block, rather than in an allocation each.
    struct TextShard {
        std::mutex lock;
        std::unordered_map<HashedText, std::unique_ptr<const ResultTexts>, TextHash> records;
        std::vector<std::unique_ptr<char[]>> textBlocks;
        char* blockNext = nullptr;  // where the last block's free bytes start
        std::size_t blockRoom = 0;  // how many there are
    };
    static constexpr std::size_t kTextBlockBytes = 16 * 1024;
    // A copy of text that lives as long as shard's records. REQUIRES: shard.lock is held.
    static std::string_view KeepText(TextShard& shard, std::string_view text);
    static constexpr std::size_t kTextShards = 16;

    const RecordTexts m_texts;
    std::array<TextShard, kTextShards> m_byRegionText;
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_RESULT_STORE_H_
