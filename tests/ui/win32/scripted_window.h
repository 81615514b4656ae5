// The real Win32 window with the Open chooser scripted, for tests and the screenshot: nobody can
// click through the system's dialog there.
#ifndef QUORVANE_TESTS_UI_WIN32_SCRIPTED_WINDOW_H_
#define QUORVANE_TESTS_UI_WIN32_SCRIPTED_WINDOW_H_

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include <shlobj.h>

#include <cstring>

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

// What the shell hands a window for a file dropped on it: a DROPFILES header followed by the name,
// twice NUL-ended. The window that receives WM_DROPFILES releases it.
inline HGLOBAL MakeFileDrop(const std::u16string& path) {
    const std::size_t bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (auto* header = static_cast<DROPFILES*>(GlobalLock(memory))) {
        header->pFiles = sizeof(DROPFILES);
        header->fWide = TRUE;
        std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), path.data(),
                    path.size() * sizeof(wchar_t));
        GlobalUnlock(memory);
    }
    return memory;
}

// Sends key to window with Ctrl held, as the keyboard would.
inline void PressWithControl(HWND window, WORD key) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE before = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(window, WM_KEYDOWN, key, 0);
    keys[VK_CONTROL] = before;
    SetKeyboardState(keys);
}

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_UI_WIN32_SCRIPTED_WINDOW_H_
