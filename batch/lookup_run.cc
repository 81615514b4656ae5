#include "batch/lookup_run.h"

#include <algorithm>
#include <new>
#include <utility>

#include "batch/lookup_session.h"

namespace quorvane {

namespace {

constexpr std::uint32_t kMaxRowBlock = 256;

void ResolveBlocks(CAddressTable& table, const SharedDatabase& database,
                   const SharedDatabase& database6) {
    CLookupSession session(database, table.Store(), database6);
    const CAddressBlock& addresses = table.Addresses();
    const ResultTexts* records[kMaxRowBlock];
    // Rows are taken in blocks, so the cursor lock is passed a few thousand times a run
    // rather than once a row. Blocks start at one row and double: a run stopped at once uses
    // up one index per worker, and a short table is still shared by all three workers.
    std::uint32_t blockSize = 1;
    for (;;) {
        const RowBlock block = table.TakeRowBlock(blockSize);
        if (block.Empty()) {
            break;
        }
        blockSize = std::min<std::uint32_t>(blockSize * 2, kMaxRowBlock);
        // The block's rows are looked up side by side, then published one by one; the stop
        // flag is tested before each row published.
        session.ResolveRows(addresses, block.begin, block.end, records);
        std::uint32_t row = block.begin;
        std::uint32_t withoutResult = 0;
        for (; row < block.end && !table.IsStopped(); ++row) {
            const ResultTexts* record = records[row - block.begin];
            table.SetResults(row, record);
            withoutResult += record == nullptr;  // the store keeps no empty record
        }
        table.AddRowsResolved(row - block.begin, withoutResult);
        if (row < block.end) {
            break;  // stopped: the rest of the block stays as it was
        }
    }
}

}  // namespace

std::function<void()> MakeLookupWork(CAddressTable& table, SharedDatabase database,
                                     SharedDatabase database6) {
    return [&table, database = std::move(database), database6 = std::move(database6)] {
        try {
            ResolveBlocks(table, database, database6);
        } catch (const std::bad_alloc&) {
            // A record of the result store or the session's cache could not be made: the rows
            // left would be answered wrongly or not at all, so the whole run ends as a failure.
            table.StopOutOfMemory();
        }
    };
}

bool StartLookupRun(CThreadGroup& workers, CAddressTable& table, SharedDatabase database,
                    SharedDatabase database6, CThreadGroup::Callable onFinished) {
    CThreadGroup::Callable work = MakeLookupWork(table, std::move(database), std::move(database6));
    table.BeginRun();
    if (workers.Launch(std::move(work), std::move(onFinished), [&table] { table.RequestStop(); })) {
        return true;
    }
    table.EndRun();
    return false;
}

}  // namespace quorvane
