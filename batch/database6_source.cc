#include "batch/database6_source.h"

#include <system_error>
#include <utility>

namespace quorvane {

CDatabase6Source::CDatabase6Source(std::u16string path) : m_path(std::move(path)) {}

void CDatabase6Source::Request() {
    std::call_once(m_started, [this] {
        auto open = [path = m_path] { return OpenDatabaseFile(path, QUORVANE_DB_IPV6); };
        try {
            m_opening = std::async(std::launch::async, open).share();
        } catch (const std::system_error&) {
            m_opening = std::async(std::launch::deferred, open).share();
        }
    });
}

DatabaseOpening CDatabase6Source::Wait() {
    Request();
    // Each caller waits through a copy of its own, as shared futures are meant to be shared.
    const std::shared_future<DatabaseOpening> opening = m_opening;
    return opening.get();
}

}  // namespace quorvane
