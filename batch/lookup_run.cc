#include "batch/lookup_run.h"

#include <utility>

#include "batch/lookup_session.h"

namespace quorvane {

std::function<void()> MakeLookupWork(CAddressTable& table, std::u16string dbPath) {
    return [&table, dbPath = std::move(dbPath)] {
        CLookupSession session(dbPath);
        // One local row for the whole run: publishing swaps texts with it, so its buffers are
        // reused and the replaced texts are freed here rather than under the table's lock.
        AddressRow row;
        for (;;) {
            const std::optional<std::uint32_t> index = table.TakeNextRowIndex();
            if (!index) {
                break;
            }
            if (table.IsStopped()) {
                break;  // the index just taken stays unresolved
            }
            table.CopyAddress(*index, row.address);
            session.Lookup(row);
            table.PublishResults(*index, std::move(row));
        }
    };
}

}  // namespace quorvane
