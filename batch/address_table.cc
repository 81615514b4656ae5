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
    return m_rows.size();
}

void CAddressTable::AppendRow(AddressRow row) {
    m_rows.push_back(std::move(row));
}

void CAddressTable::ClearRows() {
    m_rows.clear();
}

void CAddressTable::AppendAddresses(std::vector<std::u16string>&& addresses, bool keepRows) {
    // Only the reservation can throw: moving a string into reserved room allocates nothing.
    std::vector<AddressRow> fresh;
    std::vector<AddressRow>& rows = keepRows ? m_rows : fresh;
    rows.reserve(rows.size() + addresses.size());
    for (std::u16string& address : addresses) {
        rows.push_back(AddressRow{std::move(address), {}, {}, {}, {}});
    }
    if (!keepRows) {
        m_rows.swap(fresh);
    }
}

void CAddressTable::CheckIndex(std::size_t index) const {
    if (index >= m_rows.size()) {
        ThrowRowOutOfRange(index, m_rows.size());
    }
}

AddressRow CAddressTable::GetRow(std::size_t index) const {
    CheckIndex(index);
    std::lock_guard<std::mutex> guard(m_resultsLock);
    return m_rows[index];
}

std::u16string CAddressTable::GetField(std::size_t index, int column) const {
    CheckIndex(index);
    if (column < 0 || column > 4) {
        throw std::out_of_range("column " + std::to_string(column) + " out of range");
    }
    // The address is written only while no run is active, so it needs no lock.
    const AddressRow& row = m_rows[index];
    if (column == 0) {
        return row.address;
    }
    std::lock_guard<std::mutex> guard(m_resultsLock);
    switch (column) {
        case 1:
            return row.country;
        case 2:
            return row.province;
        case 3:
            return row.city;
        default:
            return row.provider;
    }
}

void CAddressTable::CopyAddress(std::size_t index, std::u16string& out) const {
    CheckIndex(index);
    out.assign(m_rows[index].address);
}

void CAddressTable::PublishResults(std::size_t index, const AddressRow& results) {
    CheckIndex(index);
    // Copies are made before the lock and the replaced texts freed after it, so readers wait
    // only for four swaps.
    std::u16string country = results.country;
    std::u16string province = results.province;
    std::u16string city = results.city;
    std::u16string provider = results.provider;
    AddressRow& row = m_rows[index];
    std::lock_guard<std::mutex> guard(m_resultsLock);
    row.country.swap(country);
    row.province.swap(province);
    row.city.swap(city);
    row.provider.swap(provider);
}

void CAddressTable::PublishResults(std::size_t index, AddressRow&& results) {
    CheckIndex(index);
    AddressRow& row = m_rows[index];
    std::lock_guard<std::mutex> guard(m_resultsLock);
    // Swapping hands the old texts back to the caller, who frees or reuses them outside the lock.
    row.country.swap(results.country);
    row.province.swap(results.province);
    row.city.swap(results.city);
    row.provider.swap(results.provider);
}

std::optional<std::uint32_t> CAddressTable::TakeNextRowIndex() {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_nextRow < m_rows.size()) {
        return m_nextRow++;
    }
    return std::nullopt;
}

std::uint32_t CAddressTable::GetRowsHandedOut() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_nextRow;
}

std::size_t CAddressTable::CountRowsWithoutResult(std::size_t rows) const {
    const std::size_t end = std::min(rows, m_rows.size());
    std::size_t count = 0;
    std::lock_guard<std::mutex> guard(m_resultsLock);
    for (std::size_t i = 0; i < end; ++i) {
        const AddressRow& row = m_rows[i];
        if (row.country.empty() && row.province.empty() && row.city.empty() &&
            row.provider.empty()) {
            ++count;
        }
    }
    return count;
}

void CAddressTable::BeginRun() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_nextRow = 0;
    }
    m_runActive.store(true, std::memory_order_release);
    m_stopped.store(0, std::memory_order_release);
}

void CAddressTable::RequestStop() {
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
