#include "batch/lookup_run.h"

#include <algorithm>
#include <utility>

#include "batch/lookup_session.h"

namespace quorvane {

namespace {

constexpr std::uint32_t kMaxRowBlock = 256;

}  // namespace

std::function<void()> MakeLookupWork(CAddressTable& table, std::u16string dbPath) {
    return [&table, dbPath = std::move(dbPath)] {
        CLookupSession session(dbPath, table.Store());
        const CAddressBlock& addresses = table.Addresses();
        std::u16string wide;
        // Rows are taken in blocks, so the cursor lock is passed a few thousand times a run
        // rather than once a row. Blocks start at one row and double: a run stopped at once uses
        // up one index per worker, and a short table is still shared by all three workers.
        std::uint32_t blockSize = 1;
        for (;;) {
            const RowBlock block = table.TakeRowBlock(blockSize);
            if (block.empty()) {
                break;
            }
            blockSize = std::min<std::uint32_t>(blockSize * 2, kMaxRowBlock);
            std::uint32_t row = block.begin;
            for (; row < block.end; ++row) {
                if (table.IsStopped()) {
                    break;  // this row and the rest of the block stay as they were
                }
                const ResultTexts* record;
                if (addresses.IsAscii(row)) {
                    record = session.Resolve(addresses.AsciiAt(row));
                } else {
                    addresses.CopyText(row, wide);
                    record = session.Resolve(std::u16string_view(wide));
                }
                table.SetResults(row, record);
            }
            table.AddRowsResolved(row - block.begin);
            if (row < block.end) {
                break;
            }
        }
    };
}

}  // namespace quorvane
