#include "batch/dense_record_table.h"

#include <utility>

namespace quorvane {

const ResultTexts CDenseRecordTable::kNoResults{};

bool CDenseRecordTable::Find(std::uint32_t record, const ResultTexts** found) const {
    const std::size_t pageIndex = record >> kPageBits;
    if (pageIndex >= kPages) {
        return false;
    }
    const Page* page = m_pages[pageIndex].load(std::memory_order_acquire);
    if (page == nullptr) {
        return false;
    }
    const ResultTexts* entry = (*page)[record & (kPageSize - 1)].load(std::memory_order_acquire);
    if (entry == nullptr) {
        return false;
    }
    *found = entry == &kNoResults ? nullptr : entry;
    return true;
}

void CDenseRecordTable::Set(std::uint32_t record, const ResultTexts* found) {
    const std::size_t pageIndex = record >> kPageBits;
    if (pageIndex >= kPages) {
        return;
    }
    Page* page = m_pages[pageIndex].load(std::memory_order_acquire);
    if (page == nullptr) {
        auto fresh = std::make_unique<Page>();  // value-initialised: every entry null
        if (m_pages[pageIndex].compare_exchange_strong(page, fresh.get(),
                                                       std::memory_order_acq_rel)) {
            page = fresh.get();
            m_owned[pageIndex] = std::move(fresh);
        }  // else another worker's page won, and page now points at it
    }
    (*page)[record & (kPageSize - 1)].store(found != nullptr ? found : &kNoResults,
                                            std::memory_order_release);
}

}  // namespace quorvane
