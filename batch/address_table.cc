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

void CopyResults(const ResultTexts* record, AddressRow& row) {
    if (record == nullptr) {
        row.country.clear();
        row.province.clear();
        row.city.clear();
        row.provider.clear();
        return;
    }
    row.country = record->country;
    row.province = record->province;
    row.city = record->city;
    row.provider = record->provider;
}

}  // namespace

CAddressTable::CAddressTable() = default;

std::size_t CAddressTable::GetRowCount() const {
    return m_results.size();
}

const ResultTexts* CAddressTable::InternResults(const AddressRow& results) {
    return m_store.Intern(results.country, results.province, results.city, results.provider);
}

void CAddressTable::AppendRow(const AddressRow& row) {
    m_addresses.Append(row.address);
    m_results.push_back(InternResults(row));
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

AddressRow CAddressTable::GetRow(std::size_t index) const {
    CheckIndex(index);
    AddressRow row;
    m_addresses.CopyText(index, row.address);
    CopyResults(GetResults(index), row);
    return row;
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

void CAddressTable::CopyAddress(std::size_t index, std::u16string& out) const {
    CheckIndex(index);
    m_addresses.CopyText(index, out);
}

void CAddressTable::PublishResults(std::size_t index, const AddressRow& results) {
    CheckIndex(index);
    SetResults(index, InternResults(results));
}

void CAddressTable::PublishResults(std::size_t index, AddressRow&& results) {
    CheckIndex(index);
    const ResultTexts* record = InternResults(results);
    const ResultTexts* previous = std::atomic_ref<const ResultTexts*>(m_results[index])
                                      .exchange(record, std::memory_order_acq_rel);
    CopyResults(previous, results);
}

std::optional<std::uint32_t> CAddressTable::TakeNextRowIndex() {
    const RowBlock block = TakeRowBlock(1);
    if (block.Empty()) {
        return std::nullopt;
    }
    return block.begin;
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

std::size_t CAddressTable::CountRowsWithoutResult(std::size_t rows) const {
    const std::size_t end = std::min(rows, m_results.size());
    std::size_t count = 0;
    for (std::size_t i = 0; i < end; ++i) {
        count += GetResults(i) == nullptr;  // the store keeps no record of four empty texts
    }
    return count;
}

void CAddressTable::BeginRun() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_nextRow = 0;
    }
    m_rowsResolved.store(0, std::memory_order_relaxed);
    m_outOfMemory.store(false, std::memory_order_release);
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
