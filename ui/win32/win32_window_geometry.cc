#include "ui/win32/win32_window_geometry.h"

#include <optional>

#include "ui/center_over_owner.h"

namespace quorvane {

namespace {

ScreenRect ToScreenRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

bool CenterWindowOverOwner(HWND window) {
    HWND owner = nullptr;
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0) {
        owner = GetWindow(window, GW_OWNER);
    }
    if (owner != nullptr && (!IsWindowVisible(owner) || IsIconic(owner))) {
        owner = nullptr;
    }
    const HMONITOR monitor =
        MonitorFromWindow(owner != nullptr ? owner : window, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) {
        return false;
    }
    std::optional<ScreenRect> ownerRect;
    RECT r;
    if (owner != nullptr && GetWindowRect(owner, &r)) {
        ownerRect = ToScreenRect(r);
    }
    if (!GetWindowRect(window, &r)) {
        return false;
    }
    const ScreenPoint at =
        CenterOverOwner(ownerRect, ToScreenRect(info.rcWork), r.right - r.left, r.bottom - r.top);
    return SetWindowPos(window, nullptr, at.x, at.y, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != 0;
}

int WindowDpi(HWND window) {
    // Looked up at run time: Windows 7 and 8 have no per-window DPI.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto kGetDpiForWindow =
        reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (kGetDpiForWindow != nullptr) {
        const UINT dpi = kGetDpiForWindow(window);
        if (dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : kDesignDpi;
}

int ScaleToDpi(int pixels, int dpi) {
    return MulDiv(pixels, dpi, kDesignDpi);
}

}  // namespace quorvane
