#include "files/removal_on_signal.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace quorvane {

namespace {

// A signal handler may only read memory that is never freed: a fixed buffer and a folder
// descriptor, valid while the flag is set.
char g_pendingName[NAME_MAX + 1];
int g_pendingFolder = AT_FDCWD;
std::atomic<bool> g_pending{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void OnSignal(int signal) {
    if (g_pending.load()) {
        ::unlinkat(g_pendingFolder, g_pendingName, 0);
    }
    // SA_RESETHAND has restored the default action, so the signal raised again ends the process
    // as it would have without this handler.
    ::raise(signal);
}

}  // namespace

void RemovePendingFileOnSignal() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous;
        if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) {
            continue;  // nohup and friends ignore it on purpose
        }
        struct sigaction action;
        std::memset(&action, 0, sizeof action);
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        ::sigaction(signal, &action, nullptr);
    }
}

void SetPendingFile(std::intptr_t folder, const std::string& name) {
    g_pending.store(false);
    if (name.empty() || name.size() >= sizeof g_pendingName) {
        return;
    }
    std::memcpy(g_pendingName, name.c_str(), name.size() + 1);
    g_pendingFolder = static_cast<int>(folder);
    g_pending.store(true);
}

}  // namespace quorvane
