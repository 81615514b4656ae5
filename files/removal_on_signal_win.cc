#include <windows.h>

#include <atomic>
#include <cstring>

#include "files/removal_on_signal.h"

namespace quorvane {

namespace {

// The console's handler runs on a thread of its own while the others go on; it reads only this
// fixed buffer, valid while the flag is set.
constexpr std::size_t kMaxPath = 32768;
wchar_t g_pendingPath[kMaxPath];
std::atomic<bool> g_pending{false};

BOOL WINAPI OnConsoleEvent(DWORD) {
    if (g_pending.load()) {
        DeleteFileW(g_pendingPath);
    }
    return FALSE;  // the next handler, in the end the system's, ends the process as before
}

}  // namespace

void RemovePendingFileOnSignal() {
    // Ctrl+C, Ctrl+Break and closing the console window; a program without a console gets none.
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void SetPendingFile(std::intptr_t /*folder*/, const std::string& path) {
    g_pending.store(false);
    if (path.empty()) {
        return;
    }
    const int length = MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()),
                                           g_pendingPath, static_cast<int>(kMaxPath - 1));
    if (length <= 0) {
        return;
    }
    g_pendingPath[length] = L'\0';
    g_pending.store(true);
}

}  // namespace quorvane
