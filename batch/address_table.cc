#include "batch/address_table.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace quorvane {

namespace {

[[noreturn]] void ThrowRowOutOfRange(std::size_t index, std::size_t count) {
    throw std::out_of_range("row " + std::to_string(index) + " out of range (" +
                            std::to_string(count) + " rows)");
}

}  // namespace

CAddressTable::CAddressTable() = default;

std::size_t CAddressTable::GetRowCount() const {
    return m_results.size();
}

void CAddressTable::AppendAddresses(CAddressBlock&& addresses, bool keepRows) {
    if (!keepRows) {
        // The new results are allocated before anything changes; the rest cannot throw.
        std::vector<const ResultTexts*> fresh(addresses.Count(), nullptr);
        m_results.swap(fresh);
        m_addresses = std::move(addresses);
        m_store.Clear();
        return;
    }
    // Only the reservations can throw, and they leave everything as it was.
    m_results.reserve(m_results.size() + addresses.Count());
    m_addresses.Append(std::move(addresses));
    m_results.resize(m_addresses.Count(), nullptr);
}

void CAddressTable::ClearRows() {
    m_results.clear();
    m_results.shrink_to_fit();
    m_addresses.Clear();
    m_store.Clear();
}

void CAddressTable::CheckIndex(std::size_t index) const {
    if (index >= m_results.size()) {
        ThrowRowOutOfRange(index, m_results.size());
    }
}

std::u16string CAddressTable::GetField(std::size_t index, int column) const {
    CheckIndex(index);
    if (column < 0 || column > 4) {
        throw std::out_of_range("column " + std::to_string(column) + " out of range");
    }
    if (column == 0) {
        return m_addresses.TextAt(index);
    }
    const ResultTexts* record = GetResults(index);
    if (record == nullptr) {
        return {};
    }
    switch (column) {
        case 1:
            return record->country;
        case 2:
            return record->province;
        case 3:
            return record->city;
        default:
            return record->provider;
    }
}

RowBlock CAddressTable::TakeRowBlock(std::uint32_t maxRows) {
    std::lock_guard<std::mutex> guard(m_lock);
    RowBlock block;
    block.begin = m_nextRow;
    const std::size_t left = m_results.size() - std::min<std::size_t>(m_nextRow, m_results.size());
    block.end = m_nextRow + static_cast<std::uint32_t>(std::min<std::size_t>(maxRows, left));
    m_nextRow = block.end;
    return block;
}

std::uint32_t CAddressTable::GetRowsHandedOut() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_nextRow;
}

void CAddressTable::BeginRun() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_nextRow = 0;
    }
    m_rowsResolved.store(0, std::memory_order_relaxed);
    m_outOfMemory.store(false, std::memory_order_release);
    m_rowsWithoutResult.store(0, std::memory_order_relaxed);
    m_runActive.store(true, std::memory_order_release);
    m_stopped.store(0, std::memory_order_release);
}

void CAddressTable::RequestStop() {
    m_stopped.store(1, std::memory_order_release);
}

void CAddressTable::StopOutOfMemory() {
    m_outOfMemory.store(true, std::memory_order_release);
    m_stopped.store(1, std::memory_order_release);
}

void CAddressTable::EndRun() {
    m_stopped.store(1, std::memory_order_release);
    m_runActive.store(false, std::memory_order_release);
}

bool CAddressTable::IsStopped() const {
    return m_stopped.load(std::memory_order_acquire) != 0;
}

bool CAddressTable::IsRunActive() const {
    return m_runActive.load(std::memory_order_acquire);
}

}  // namespace quorvane
