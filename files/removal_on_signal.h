// A file that must not outlive the process when it is ended by a signal: the temporary file an
// export writes before it is renamed over its target.
#ifndef QUORVANE_FILES_REMOVAL_ON_SIGNAL_H_
#define QUORVANE_FILES_REMOVAL_ON_SIGNAL_H_

#include <cstdint>
#include <string>

namespace quorvane {

// Installs handlers for SIGINT, SIGTERM and SIGHUP (each unless it is ignored) that remove the
// pending file, if any, and then end the process by the same signal, as its default action would.
// REQUIRES: called once at start-up, before other threads exist.
void RemovePendingFileOnSignal();

// Makes name the pending file (at most one at a time: a newer one replaces it); the empty name
// clears it. On POSIX systems name is taken in folder, an open directory descriptor (AT_FDCWD
// for the working folder), so that a file beside a target of any valid length can be named, and
// a name longer than NAME_MAX is not kept; on Windows folder is unused and name is the whole path.
// REQUIRES: folder stays open while name is pending.
void SetPendingFile(std::intptr_t folder, const std::string& name);

}  // namespace quorvane

#endif  // QUORVANE_FILES_REMOVAL_ON_SIGNAL_H_
