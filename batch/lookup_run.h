// The desktop tool's lookup run over its address table: the workers' loop and its start. The
// batch command streams instead (stream_run.h) and shares the lookup session with it.
#ifndef QUORVANE_BATCH_LOOKUP_RUN_H_
#define QUORVANE_BATCH_LOOKUP_RUN_H_

#include <functional>
#include <string>

#include "batch/address_table.h"
#include "batch/database_file.h"
#include "batch/thread_group.h"

namespace quorvane {

// The callable each worker thread runs: one CLookupSession over database and database6 (IPv4 and
// IPv6, shared by every worker: the run searches the files its start opened and checked; a null
// database6 leaves the IPv6 rows empty), then blocks of rows from table.TakeRowBlock() until none
// is left or the stop flag is set, which is tested before each row is published: the rows of a
// block that a stop overtakes keep what they held. Each row resolved gets its record with
// SetResults; each block, once done, counts in GetRowsResolved. A worker that cannot allocate
// stops the whole run with table.StopOutOfMemory() and ends; the row it was at keeps what it held.
// REQUIRES: table outlives every thread running the callable; database is not null.
std::function<void()> MakeLookupWork(CAddressTable& table, SharedDatabase database,
                                     SharedDatabase database6 = nullptr);

// A lookup run of table on workers, begun as one step: the run begun (BeginRun), every worker
// running MakeLookupWork's callable, and onFinished called on the waiter thread once they have
// all ended (the caller ends the run there or later with EndRun). When a worker thread cannot be
// made, the run is ended again (every thread made already gone) and false is returned; nothing
// is notified. REQUIRES: as MakeLookupWork and CThreadGroup::Launch; no run of table is active.
bool StartLookupRun(CThreadGroup& workers, CAddressTable& table, SharedDatabase database,
                    SharedDatabase database6, CThreadGroup::Callable onFinished);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_LOOKUP_RUN_H_
