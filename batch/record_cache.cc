#include "batch/record_cache.h"

namespace quorvane {

void CRecordCache::Insert(std::uint32_t pointer, const ResultTexts* record) {
    if (2 * (m_used + 1) > m_slots.size()) {
        Grow();
    }
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = SlotOf(pointer, mask);
    while (m_slots[i].pointer != 0) {
        i = (i + 1) & mask;
    }
    m_slots[i] = Slot{pointer, record};
    ++m_used;
}

void CRecordCache::Grow() {
    std::vector<Slot> grown(m_slots.empty() ? 1024 : 2 * m_slots.size());
    const std::size_t mask = grown.size() - 1;
    for (const Slot& slot : m_slots) {
        if (slot.pointer == 0) {
            continue;
        }
        std::size_t i = SlotOf(slot.pointer, mask);
        while (grown[i].pointer != 0) {
            i = (i + 1) & mask;
        }
        grown[i] = slot;
    }
    m_slots.swap(grown);
}

}  // namespace quorvane
