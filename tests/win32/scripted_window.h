// The real Win32 window with the Open chooser scripted, for tests and the screenshot: nobody can
// click through the system's dialog there.
#ifndef QUORVANE_TESTS_WIN32_SCRIPTED_WINDOW_H_
#define QUORVANE_TESTS_WIN32_SCRIPTED_WINDOW_H_

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "ui/win32/win32_main_window.h"

namespace quorvane::test {

class ScriptedWindow : public CWin32MainWindow {
  public:
    using CWin32MainWindow::CWin32MainWindow;
    std::optional<std::u16string> ChooseFileToOpen() override { return openAnswer; }
    std::optional<std::u16string> openAnswer;
};

// Runs the thread's messages until done() or the time is up; false when the time ran out.
inline bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
    return true;
}

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_WIN32_SCRIPTED_WINDOW_H_
