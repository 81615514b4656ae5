// A file that must not outlive the process when it is ended by a signal: the temporary file an
// export writes before it is renamed over its target.
#ifndef QUORVANE_FILES_REMOVAL_ON_SIGNAL_H_
#define QUORVANE_FILES_REMOVAL_ON_SIGNAL_H_

#include <string>

namespace quorvane {

// Installs handlers for SIGINT, SIGTERM and SIGHUP (each unless it is ignored) that remove the
// pending file, if any, and then end the process by the same signal, as its default action would.
// REQUIRES: called once at start-up, before other threads exist.
void RemovePendingFileOnSignal();

// Makes path the pending file (at most one at a time: a newer one replaces it); the empty string
// clears it. Paths longer than the system's limit are not kept.
void SetPendingFile(const std::string& path);

}  // namespace quorvane

#endif  // QUORVANE_FILES_REMOVAL_ON_SIGNAL_H_
