// A database read and checked in the background, so that the command reads its first lines
// meanwhile: ip2region.db from the start; the default region6.db once the first row that may be
// IPv6 turns up, so that a list of IPv4 rows never pays for it (about 100 MB, a few hundredths of
// a second); a region6.db named on the command line from the start, beside ip2region.db.
#ifndef QUORVANE_BATCH_DATABASE_SOURCE_H_
#define QUORVANE_BATCH_DATABASE_SOURCE_H_

#include <future>
#include <mutex>
#include <string>

#include "batch/database_file.h"

namespace quorvane {

// Thread rules: Request and Wait from any thread at once.
class CDatabaseSource {
  public:
    // The file of family at path, opened as OpenDatabaseFile does by the first Request or Wait.
    CDatabaseSource(std::u16string path, quorvane_db_family family);
    // Waits for an opening in progress.
    ~CDatabaseSource() = default;
    CDatabaseSource(const CDatabaseSource&) = delete;
    CDatabaseSource& operator=(const CDatabaseSource&) = delete;

    // Starts the opening on a thread of its own, once; without a thread to spare, the first Wait
    // opens the file itself.
    void Request();
    // Request, then the opening's outcome; the database is null unless it is usable.
    DatabaseOpening Wait();
    const std::u16string& Path() const { return m_path; }

  private:
    std::u16string m_path;
    quorvane_db_family m_family;
    std::once_flag m_started;
    std::shared_future<DatabaseOpening> m_opening;
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_DATABASE_SOURCE_H_
