// The batch command's run over a list of any length: lines are read in bounded chunks, resolved
// by worker threads and written in input order as each chunk is done, so memory stays the same
// whatever the input's size and reading, resolving and writing overlap.
#ifndef QUORVANE_BATCH_STREAM_RUN_H_
#define QUORVANE_BATCH_STREAM_RUN_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "batch/database_file.h"
#include "batch/database_source.h"
#include "batch/dense_record_table.h"
#include "batch/result_store.h"
#include "files/file_error.h"
#include "files/text_file.h"

namespace quorvane {

// How many worker threads a run may have: --threads takes 1 to this. More than the cores of any
// machine this runs on gains nothing, and each worker keeps chunks of its own in memory.
inline constexpr unsigned kMaxStreamThreads = 64;
// As many as the window's run has.
inline constexpr unsigned kDefaultStreamThreads = 3;

struct StreamSettings {
    unsigned threads = kDefaultStreamThreads;  // 1 .. kMaxStreamThreads
    // ip2region.db: called once, on the reading thread, when the first chunk has been read and
    // before the output is opened, so that the database can still be loading while the first
    // lines are read. A null answer stops the run (kNoDatabase) with no output opened.
    std::function<SharedDatabase()> awaitDatabase;
    // IPv6 rows: asked for when the first chunk that may hold one is read; a null database there
    // leaves them empty (and counted).
    CDatabaseSource* database6 = nullptr;
    // Called on the writing thread after each chunk written, with the rows written so far.
    std::function<void(std::uint64_t rows)> onProgress;
    // The output, opened once the first line has been read (never for an empty or unreadable
    // list); null or not open is a write failure.
    std::function<std::unique_ptr<CTextFile>()> openOutput;
};

struct StreamOutcome {
    enum class Kind {
        kDone,         // every line read, resolved and written; the output is closed
        kEmptyInput,   // the input holds no line; no output was opened
        kReadFailed,   // error tells why; a named output keeps what it held
        kWriteFailed,  // error tells why
        kOutOfMemory,  // a worker could not allocate a record
        kNoThreads,    // no worker thread could be started
        kNoDatabase,   // settings.awaitDatabase gave none; no output was opened
    } kind = Kind::kDone;
    FileError error;
    std::uint64_t rows = 0;
    // IPv6 rows left empty because settings.database6 gave no database.
    std::uint64_t ipv6Unresolved = 0;
};

// The records a run makes, shared by its workers and kept by the caller: a process that ends right
// after the run may leave them to the system rather than free them one by one, which takes tens
// of milliseconds for a list of many places.
struct StreamRecords {
    CResultStore store{RecordTexts::kExportOnly};  // only export lines are written
    CDenseRecordTable ipv6;                        // the IPv6 records of store, for all workers
};

// Reads every line of input, writes the line WriteResultFile would write for it to the output of
// settings.openOutput, in input order, and closes the output when all went well (a named output
// is then replaced whole; on any failure it keeps what it held). A read or write failure stops
// the run at once: a pipe that closes ends it without reading the rest of the input.
// REQUIRES: input is open for reading; settings.awaitDatabase is set; settings.threads is in
// 1 .. kMaxStreamThreads; records serves one run at a time and outlives it.
StreamOutcome RunStream(CTextFile& input, const StreamSettings& settings, StreamRecords& records);

}  // namespace quorvane

#endif  // QUORVANE_BATCH_STREAM_RUN_H_
