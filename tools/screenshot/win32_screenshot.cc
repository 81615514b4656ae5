// quorvane-win32-screenshot OUT.bmp [copy|drop|message]: opens the real window, imports a few
// addresses, resolves them against the database beside the program, and saves the window as it
// shows on the screen. For the README's picture (tools/screenshot/make-win32-screenshot.sh), not a
// test. copy selects rows after the run and presses Ctrl+C (the clipboard goes to stdout as UTF-8);
// drop imports by dropping the file on the window; message saves the whole screen while the
// message box of Start on an empty list is up.
#include <windows.h>

#include <commctrl.h>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "batch/database_path.h"
#include "tests/support/scratch_dir.h"
#include "tests/ui/win32/scripted_window.h"
#include "ui/main_frame.h"
#include "ui/resources/resource_ids.h"

namespace {

bool SaveWindowBitmap(HWND hwnd, const wchar_t* path) {
    RECT r;
    GetWindowRect(hwnd, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as a BMP file stores rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = static_cast<DWORD>((width * 3 + 3) & ~3);
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + imageSize;
    info.bmiHeader.biSizeImage = imageSize;
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
    out.write(static_cast<const char*>(bits), imageSize);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return out.good();
}

void PrintClipboard(HWND owner) {
    if (!OpenClipboard(owner)) {
        return;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            char utf8[4096] = {};
            WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8) - 1, nullptr, nullptr);
            std::fputs(utf8, stdout);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
}

const wchar_t* g_out = nullptr;
bool g_saved = false;

// Stores the thread's visible message box in *out. A named callback: on 32-bit Windows the
// enumeration calls back stdcall, which a lambda cannot be.
BOOL CALLBACK FindVisibleBox(HWND hwnd, LPARAM out) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (std::wcscmp(name, L"#32770") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Saves the screen while the message box is up, then closes the box.
void CALLBACK SaveScreenAndCloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindVisibleBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        return;
    }
    KillTimer(nullptr, timer);
    g_saved = SaveWindowBitmap(GetDesktopWindow(), g_out);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: quorvane-win32-screenshot OUT.bmp [copy|drop|message]\n");
        return 2;
    }
    const std::wstring scene = argc == 3 ? argv[2] : L"";
    using namespace quorvane;
    const test::ScratchDir scratch("quorvane-shot");
    scratch.Write(
        "addresses.txt",
        "114.114.114.114\r\n223.5.5.5\r\n119.29.29.29\r\n180.76.76.76\r\n202.96.128.86\r\n"
        "1.2.4.8\r\n61.139.2.69\r\n8.8.8.8\r\n1.1.1.1\r\n208.67.222.222\r\n9.9.9.9\r\n"
        "210.2.4.8\r\n");
    test::ScriptedWindow window(u"");
    CMainFrame frame(window, DefaultDatabasePath(), u"");
    window.AttachFrame(&frame);
    if (!window.Create()) {
        return 1;
    }
    window.PlaceAndShow(SW_SHOWNORMAL);
    if (scene == L"message") {
        g_out = argv[1];
        SetForegroundWindow(window.Handle());
        test::PumpUntil([] { return false; }, std::chrono::milliseconds(1000));
        SetTimer(nullptr, 0, 1000, &SaveScreenAndCloseBox);
        SendMessageW(window.Handle(), WM_COMMAND, ID_CMD_START, 0);  // nothing imported yet
        window.AttachFrame(nullptr);
        return g_saved ? 0 : 1;
    }
    if (scene == L"drop") {
        SendMessageW(window.Handle(), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(test::MakeFileDrop(scratch.Wide("addresses.txt"))),
                     0);
    } else {
        window.openAnswer = scratch.Wide("addresses.txt");
        SendMessageW(window.Handle(), WM_COMMAND, ID_CMD_IMPORT, 0);
        SendMessageW(window.Handle(), WM_COMMAND, ID_CMD_START, 0);
        test::PumpUntil([&] { return !frame.IsRunAlive(); }, std::chrono::seconds(60));
    }
    SetForegroundWindow(window.Handle());
    if (scene == L"copy") {
        SetFocus(window.List());
        for (int row = 2; row < 6; ++row) {
            ListView_SetItemState(window.List(), row, LVIS_SELECTED, LVIS_SELECTED);
        }
        test::PressWithControl(window.List(), 'C');
        PrintClipboard(window.Handle());
    }
    test::PumpUntil([] { return false; }, std::chrono::milliseconds(1500));
    const bool saved = SaveWindowBitmap(window.Handle(), argv[1]);
    window.AttachFrame(nullptr);
    return saved ? 0 : 1;
}
