// region6.db read and checked in the background: the default file once the first row that may be
// IPv6 turns up, so that a list of IPv4 rows never pays for it (about 100 MB, a few tenths of a
// second) and a list with IPv6 rows reads on meanwhile; a file named on the command line at once,
// while ip2region.db is read.
#ifndef QUORVANE_BATCH_DATABASE6_SOURCE_H_
#define QUORVANE_BATCH_DATABASE6_SOURCE_H_

#include <future>
#include <mutex>
#include <string>

#include "batch/database_file.h"

namespace quorvane {

// Thread rules: Request and Wait from any thread at once.
class CDatabase6Source {
  public:
    // The file at path, opened as OpenDatabaseFile does by the first Request or Wait.
    explicit CDatabase6Source(std::u16string path);
    // Waits for an opening in progress.
    ~CDatabase6Source() = default;
    CDatabase6Source(const CDatabase6Source&) = delete;
    CDatabase6Source& operator=(const CDatabase6Source&) = delete;

    // Starts the opening on a thread of its own, once; without a thread to spare, the first Wait
    // opens the file itself.
    void Request();
    // Request, then the opening's outcome; the database is null unless it is usable.
    DatabaseOpening Wait();
    const std::u16string& Path() const { return m_path; }

  private:
    std::u16string m_path;
    std::once_flag m_started;
    std::shared_future<DatabaseOpening> m_opening;
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_DATABASE6_SOURCE_H_
