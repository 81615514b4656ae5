// The imported addresses, their four results, and the run state that a lookup run's workers
// share: the run cursor, its lock and the stop flag.
#ifndef QUORVANE_BATCH_ADDRESS_TABLE_H_
#define QUORVANE_BATCH_ADDRESS_TABLE_H_

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "batch/address_block.h"
#include "batch/result_store.h"

namespace quorvane {

// Rows handed to one worker at once: [begin, end).
struct RowBlock {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    bool Empty() const { return begin == end; }
};

// Thread rules: the number of rows changes only on the owner's thread and only while no run is
// active (IsRunActive() false). A row's results are one pointer to an immutable record of the
// table's store, replaced atomically, so a reader sees either the old or the new texts of a row,
// never a mix, without any lock.
class CAddressTable {
  public:
    CAddressTable();
    CAddressTable(const CAddressTable&) = delete;
    CAddressTable& operator=(const CAddressTable&) = delete;

    // Any thread.
    std::size_t GetRowCount() const;

    // REQUIRES: !IsRunActive(); owner's thread.
    void ClearRows();
    // One row per text of addresses, with empty results, after the rows already there
    // (keepRows) or in their place; the texts are taken. All or nothing: when memory runs out,
    // std::bad_alloc is thrown and the table is as it was, so a failed import changes nothing.
    // REQUIRES: !IsRunActive(); owner's thread.
    void AppendAddresses(CAddressBlock&& addresses, bool keepRows);

    // Field column of row index, copied consistently with concurrent publishing. The columns are
    // the list's and the export line's fields in their order: 0 address, 1 country, 2 province,
    // 3 city, 4 provider. Throws std::out_of_range for a row or column out of range.
    std::u16string GetField(std::size_t index, int column) const;

    // Record (from Store(), or null for no results) becomes row index's
    // results. REQUIRES: index < GetRowCount().
    void SetResults(std::size_t index, const ResultTexts* record) {
        std::atomic_ref<const ResultTexts*>(m_results[index])
            .store(record, std::memory_order_release);
    }
    // Row index's results, null when it has none. REQUIRES: index < GetRowCount().
    const ResultTexts* GetResults(std::size_t index) const {
        return std::atomic_ref<const ResultTexts*>(
                   const_cast<const ResultTexts*&>(m_results[index]))
            .load(std::memory_order_acquire);
    }

    // The address texts. They change only while no run is active, so any thread may read them
    // during a run.
    const CAddressBlock& Addresses() const { return m_addresses; }
    CResultStore& Store() { return m_store; }

    // Under the cursor lock: the next at most maxRows rows (at least one while any is left), or
    // an empty block when every row of this run has been handed out. Each row is handed out at
    // most once per run. REQUIRES: maxRows >= 1.
    RowBlock TakeRowBlock(std::uint32_t maxRows);

    // How many indexes this run has handed out so far.
    std::uint32_t GetRowsHandedOut() const;
    // How many rows this run has resolved so far, and how many of those found nothing: workers
    // count a block once they have published it. Rows handed out but never resolved (a stop
    // comes in the middle of a block) count in neither: they keep what they held.
    std::uint32_t GetRowsResolved() const { return m_rowsResolved.load(std::memory_order_relaxed); }
    std::uint32_t GetRowsResolvedWithoutResult() const {
        return m_rowsWithoutResult.load(std::memory_order_relaxed);
    }
    // Worker: count rows this run has resolved, withoutResult of them with four empty fields.
    void AddRowsResolved(std::uint32_t rows, std::uint32_t withoutResult) {
        m_rowsResolved.fetch_add(rows, std::memory_order_relaxed);
        m_rowsWithoutResult.fetch_add(withoutResult, std::memory_order_relaxed);
    }

    // Owner's thread, at Start: cursor to 0, stop flag cleared, run marked active.
    void BeginRun();
    // Any thread: asks the workers to stop at their next test. The run stays active.
    void RequestStop();
    // The run's finished notification: stop flag set, run no longer active.
    void EndRun();
    // Any thread (a worker that could not allocate): stops the run as RequestStop does and marks
    // it failed for want of memory, so that its end says so instead of reporting success.
    void StopOutOfMemory();
    // True from a StopOutOfMemory until the next BeginRun.
    bool RanOutOfMemory() const { return m_outOfMemory.load(std::memory_order_acquire); }
    // False from BeginRun until RequestStop or EndRun, true otherwise (also before the first
    // run); workers test it before each row they resolve.
    bool IsStopped() const;
    // True from BeginRun until EndRun: while true the number of rows must not change.
    bool IsRunActive() const;

  private:
    // Throws std::out_of_range when index >= GetRowCount().
    void CheckIndex(std::size_t index) const;

    CAddressBlock m_addresses;
    // One entry per row, read and written through std::atomic_ref; the vector itself changes
    // only while no run is active.
    std::vector<const ResultTexts*> m_results;
    CResultStore m_store;
    mutable std::mutex m_lock;  // guards m_nextRow against the row count
    std::atomic<std::uint32_t> m_stopped{1};
    std::uint32_t m_nextRow = 0;
    std::atomic<std::uint32_t> m_rowsResolved{0};
    std::atomic<std::uint32_t> m_rowsWithoutResult{0};
    std::atomic<bool> m_runActive{false};
    std::atomic<bool> m_outOfMemory{false};
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_ADDRESS_TABLE_H_
