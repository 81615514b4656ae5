// The imported addresses, their four results, and the run state that a lookup run's workers
// share: the run cursor, its lock and the stop flag.
#ifndef QUORVANE_BATCH_ADDRESS_TABLE_H_
#define QUORVANE_BATCH_ADDRESS_TABLE_H_

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvane {

// One row; the field order is the list's column order and the export line's field order.
struct AddressRow {
    std::u16string address;
    std::u16string country;
    std::u16string province;
    std::u16string city;
    std::u16string provider;
};

// Thread rules: the number of rows changes only on the owner's thread and only while no run is
// active (IsRunActive() false); result fields are published and read under a lock so that a
// reader sees either the old or the new texts of a row, never a half-replaced one.
class CAddressTable {
  public:
    CAddressTable();
    CAddressTable(const CAddressTable&) = delete;
    CAddressTable& operator=(const CAddressTable&) = delete;

    // Any thread.
    std::size_t GetRowCount() const;

    // REQUIRES: !IsRunActive(); owner's thread.
    void AppendRow(AddressRow row);
    // REQUIRES: !IsRunActive(); owner's thread.
    void ClearRows();

    // One row per address, with empty results, after the rows already there (keepRows) or in
    // their place. All or nothing: when memory runs out, std::bad_alloc is thrown and the table
    // is as it was, so a failed import changes nothing.
    // REQUIRES: !IsRunActive(); owner's thread.
    void AppendAddresses(std::vector<std::u16string>&& addresses, bool keepRows);

    // A copy of row index, taken consistently with concurrent publishing.
    // Throws std::out_of_range when index >= GetRowCount(); never reads past the end.
    AddressRow GetRow(std::size_t index) const;

    // Field column (0 address .. 4 provider) of row index, copied consistently with concurrent
    // publishing. Throws std::out_of_range for a row or column out of range.
    std::u16string GetField(std::size_t index, int column) const;

    // Replaces the four result fields of row index with those of results (its address is
    // ignored), as one step for any reader. Throws std::out_of_range for a bad index.
    void PublishResults(std::size_t index, const AddressRow& results);
    // The same, taking the texts of results; results receives the row's previous texts, so a
    // worker that reuses one local row frees nothing under the lock.
    void PublishResults(std::size_t index, AddressRow&& results);

    // Copies the address of row index into out, reusing out's storage. Addresses change only
    // while no run is active, so any thread may call this during a run.
    // Throws std::out_of_range when index >= GetRowCount().
    void CopyAddress(std::size_t index, std::u16string& out) const;

    // Calls fn(const AddressRow&) with row index while no result can be published to it, and
    // returns what fn returns. fn must be short and must not call back into the table.
    // Throws std::out_of_range when index >= GetRowCount().
    template <typename Fn>
    decltype(auto) ReadRow(std::size_t index, Fn&& fn) const {
        CheckIndex(index);
        std::lock_guard<std::mutex> guard(m_resultsLock);
        return std::forward<Fn>(fn)(static_cast<const AddressRow&>(m_rows[index]));
    }

    // Under the cursor lock: the next row index to resolve, or nothing when every row of this
    // run has been handed out. Each index is handed out at most once per run.
    std::optional<std::uint32_t> TakeNextRowIndex();

    // How many indexes this run has handed out so far (progress display).
    std::uint32_t GetRowsHandedOut() const;

    // How many of the first `rows` rows (all of them when rows is larger) have all four result
    // fields empty. Reads every one of those rows: meant for once at the end of a run, not for
    // every repaint. Any thread; consistent with concurrent publishing row by row.
    std::size_t CountRowsWithoutResult(std::size_t rows) const;

    // Owner's thread, at Start: cursor to 0, stop flag cleared, run marked active.
    void BeginRun();
    // Any thread: asks the workers to stop at their next test. The run stays active.
    void RequestStop();
    // The run's finished notification: stop flag set, run no longer active.
    void EndRun();
    // False from BeginRun until RequestStop or EndRun, true otherwise (also before the first
    // run); workers test it after each index they take.
    bool IsStopped() const;
    // True from BeginRun until EndRun: while true the number of rows must not change.
    bool IsRunActive() const;

  private:
    // Throws std::out_of_range when index >= GetRowCount().
    void CheckIndex(std::size_t index) const;

    std::vector<AddressRow> m_rows;
    mutable std::mutex m_lock;  // guards m_nextRow against the row count
    std::atomic<std::uint32_t> m_stopped{1};
    std::uint32_t m_nextRow = 0;
    std::atomic<bool> m_runActive{false};
    mutable std::mutex m_resultsLock;  // guards result fields against concurrent readers
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_ADDRESS_TABLE_H_
