#include "batch/database_source.h"

#include <system_error>
#include <utility>

namespace quorvane {

CDatabaseSource::CDatabaseSource(std::u16string path, quorvane_db_family family)
    : m_path(std::move(path)), m_family(family) {}

void CDatabaseSource::Request() {
    std::call_once(m_started, [this] {
        auto open = [path = m_path, family = m_family] { return OpenDatabaseFile(path, family); };
        try {
            m_opening = std::async(std::launch::async, open).share();
        } catch (const std::system_error&) {
            m_opening = std::async(std::launch::deferred, open).share();  // opened by Wait
        }
    });
}

DatabaseOpening CDatabaseSource::Wait() {
    Request();
    // Each caller waits through a copy of its own, as shared futures are meant to be shared.
    const std::shared_future<DatabaseOpening> opening = m_opening;
    return opening.get();
}

}  // namespace quorvane
