// One lookup session's memory of which record each data record of its database image gave, so
// that a row whose data record was seen before costs one table probe: no copy of the text, no
// split, no conversion.
#ifndef QUORVANE_BATCH_RECORD_CACHE_H_
#define QUORVANE_BATCH_RECORD_CACHE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "batch/result_store.h"

namespace quorvane {

// Open addressing keyed by a data pointer of the image (its record's length and offset; an image
// never changes while a session holds it, so one pointer always names the same text). Not
// thread-safe; a session owns one.
class CRecordCache {
  public:
    // Finds pointer; on success *record is what Insert stored for it (possibly null).
    // REQUIRES: pointer != 0.
    bool Find(std::uint32_t pointer, const ResultTexts** record) const {
        if (m_slots.empty()) {
            return false;
        }
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = SlotOf(pointer, mask);; i = (i + 1) & mask) {
            const Slot& slot = m_slots[i];
            if (slot.pointer == pointer) {
                *record = slot.record;
                return true;
            }
            if (slot.pointer == 0) {
                return false;
            }
        }
    }
    // Starts fetching the slot where Find(pointer) will look first (pointer 0: does nothing).
    void Prefetch(std::uint32_t pointer) const {
#if defined(__GNUC__)
        if (pointer != 0 && !m_slots.empty()) {
            __builtin_prefetch(&m_slots[SlotOf(pointer, m_slots.size() - 1)]);
        }
#else
        (void)pointer;
#endif
    }
    // REQUIRES: pointer != 0 and Find(pointer) is false. Throws std::bad_alloc when the table
    // cannot grow; the cache is then as it was.
    void Insert(std::uint32_t pointer, const ResultTexts* record);

    std::size_t Size() const {
        return m_used;
    }

  private:
    struct Slot {
        std::uint32_t pointer = 0;  // 0: a free slot
        const ResultTexts* record = nullptr;
    };

    // Neighbouring records have neighbouring offsets; the multiplication spreads them.
    static std::size_t SlotOf(std::uint32_t pointer, std::size_t mask) {
        return static_cast<std::size_t>((pointer * 0x9E3779B97F4A7C15ull) >> 32) & mask;
    }
    void Grow();

    std::vector<Slot> m_slots;  // a power of two in size, at most half used
    std::size_t m_used = 0;
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_RECORD_CACHE_H_
