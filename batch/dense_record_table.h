// Which record of a result store each record of an IPv6 database gave, shared by every worker of a
// run. Such a database numbers its records densely (the index plus one), so the table is indexed
// by the number: a record that one worker has met costs any other one read, where a cache of each
// worker's own would intern it again, once per worker.
#ifndef QUORVANE_BATCH_DENSE_RECORD_TABLE_H_
#define QUORVANE_BATCH_DENSE_RECORD_TABLE_H_

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "batch/result_store.h"

namespace quorvane {

// Thread rules: Find and Set from any thread at once, without locks.
class CDenseRecordTable {
  public:
    CDenseRecordTable() = default;
    CDenseRecordTable(const CDenseRecordTable&) = delete;
    CDenseRecordTable& operator=(const CDenseRecordTable&) = delete;

    // Whether record has been Set; *found then receives what was set (possibly null).
    bool Find(std::uint32_t record, const ResultTexts** found) const;
    // Records what record gave. Records beyond the table's reach are not kept (Find stays false
    // for them). Two workers may set the same record at once, with the same store record.
    // Throws std::bad_alloc when a page of the table cannot be made.
    void Set(std::uint32_t record, const ResultTexts* found);

  private:
    // Pages of 4096 entries, made on first use, reach 16M records: far more than the shipped
    // file's ranges, so that every record of any plausible file is kept.
    static constexpr unsigned kPageBits = 12;
    static constexpr std::size_t kPageSize = std::size_t{1} << kPageBits;
    static constexpr std::size_t kPages = 4096;
    using Page = std::array<std::atomic<const ResultTexts*>, kPageSize>;

    // What a record without results is kept as, told apart from an entry never set (null).
    static const ResultTexts kNoResults;

    std::array<std::atomic<Page*>, kPages> m_pages{};
    // Each page is owned here by the worker whose page was installed, written once.
    std::array<std::unique_ptr<Page>, kPages> m_owned;
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_DENSE_RECORD_TABLE_H_
