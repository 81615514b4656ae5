// The worker loop of a lookup run, shared by the desktop tool and the batch command.
#ifndef QUORVANE_BATCH_LOOKUP_RUN_H_
#define QUORVANE_BATCH_LOOKUP_RUN_H_

#include <functional>
#include <string>

#include "batch/address_table.h"

namespace quorvane {

// The callable each worker thread runs: one CLookupSession over its own copy of dbPath, then
// blocks of rows from table.TakeRowBlock() until none is left or the stop flag is set, which is
// tested before each row: the rows of a block that a stop overtakes keep what they held. Each row
// resolved gets its record with SetResults; each block, once done, counts in GetRowsResolved.
// REQUIRES: table outlives every thread running the callable.
std::function<void()> MakeLookupWork(CAddressTable& table, std::u16string dbPath);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_LOOKUP_RUN_H_
