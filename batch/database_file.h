// The database of a run: opened once, when the run is asked for, read whole and checked by the
// engine, then searched by every worker of the run. What the workers search is what was
// checked, whatever happens to the file meanwhile, and a file that is missing, unreadable or no
// database is refused with a message before any row is touched.
#ifndef QUORVANE_BATCH_DATABASE_FILE_H_
#define QUORVANE_BATCH_DATABASE_FILE_H_

#include <memory>
#include <string>
#include <string_view>

#include "quorvane/region_db.h"

namespace quorvane {

enum class DatabaseStatus {
    kUsable,
    kMissing,   // nothing there, or something that is not a regular file (a directory, a pipe)
    kUnusable,  // a regular file that cannot be read, or is too large, or is laid out against
                // the format's rules (damaged texts included), or no memory to hold it
};

// An open database, read-only: any number of workers may search it at once.
using SharedDatabase = std::shared_ptr<const quorvane_db>;

struct DatabaseOpening {
    DatabaseStatus status = DatabaseStatus::kMissing;
    int engineStatus = QUORVANE_DB_NOT_FOUND;  // the engine's QUORVANE_DB_* code
    SharedDatabase database;                   // set exactly when status is kUsable
};

// Opens the database of family at path (UTF-16, as the system names files) with the engine,
// without waiting on a named pipe. A database of the other family is kUnusable (engine status
// QUORVANE_DB_INVALID): its searches would find nothing, and every row would quietly stay empty.
// Never throws: no memory for the database is kUnusable.
DatabaseOpening OpenDatabaseFile(std::u16string_view path,
                                 quorvane_db_family family = QUORVANE_DB_IPV4);

// Why an opening failed, in a few words for a message (empty for success).
std::u16string DatabaseFailureCause(int engineStatus);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_DATABASE_FILE_H_
