#include "batch/record_cache.h"

#include <cstring>
#include <functional>

namespace quorvane {

CRecordCache::Key CRecordCache::KeyOf(std::string_view text) {
    Key key;
    key.first = std::hash<std::string_view>{}(text) | 1;  // never 0, the mark of a free slot
    // A second hash of another construction: eight bytes at a time, multiplied and folded, the
    // length mixed in first.
    std::uint64_t h = 0x243F6A8885A308D3ull ^ (text.size() * 0x9E3779B97F4A7C15ull);
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        h = (h ^ word) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 29;
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, text.data() + i, text.size() - i);
    h = (h ^ tail) * 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 32;
    key.second = h;
    return key;
}

bool CRecordCache::Find(std::string_view text, const ResultTexts** record) const {
    if (m_slots.empty()) {
        return false;
    }
    const Key key = KeyOf(text);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = key.second & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.key.first == 0) {
            return false;
        }
        if (slot.key == key) {
            *record = slot.record;
            return true;
        }
    }
}

void CRecordCache::Insert(std::string_view text, const ResultTexts* record) {
    if (4 * (m_used + 1) > 3 * m_slots.size()) {
        Grow();
    }
    const Key key = KeyOf(text);
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = key.second & mask;
    while (m_slots[i].key.first != 0) {
        i = (i + 1) & mask;
    }
    m_slots[i] = Slot{key, record};
    ++m_used;
}

void CRecordCache::Grow() {
    std::vector<Slot> old;
    old.swap(m_slots);
    m_slots.resize(old.empty() ? 1024 : 2 * old.size());
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.key.first == 0) {
            continue;
        }
        std::size_t i = slot.key.second & mask;
        while (m_slots[i].key.first != 0) {
            i = (i + 1) & mask;
        }
        m_slots[i] = slot;
    }
}

}  // namespace quorvane
