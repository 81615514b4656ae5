// One lookup session's memory of which record each region text gave, so that the split and the
// conversions of a text happen once per session instead of once per row.
#ifndef QUORVANE_BATCH_RECORD_CACHE_H_
#define QUORVANE_BATCH_RECORD_CACHE_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "batch/result_store.h"

namespace quorvane {

// Open addressing keyed by two independent 64-bit hashes of the text and its length, with no
// copy of the text: a lookup touches one slot, where comparing the texts would cost a second
// cache miss. Two different region texts of one database would have to agree in 128 bits of
// hash to be confused (odds far below 1e-20 for a million distinct texts); a database that
// arranged it could as well have stored the other text. Not thread-safe; a session owns one.
class CRecordCache {
  public:
    // Finds text; on success *record is what Insert stored for it (possibly null).
    bool Find(std::string_view text, const ResultTexts** record) const;
    // REQUIRES: Find(text) is false.
    void Insert(std::string_view text, const ResultTexts* record);

  private:
    struct Key {
        std::uint64_t first = 0;  // 0: a free slot
        std::uint64_t second = 0;
        bool operator==(const Key&) const = default;
    };
    struct Slot {
        Key key;
        const ResultTexts* record = nullptr;
    };

    static Key KeyOf(std::string_view text);
    void Grow();

    std::vector<Slot> m_slots;  // a power of two in size, at most three quarters used
    std::size_t m_used = 0;
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_RECORD_CACHE_H_
