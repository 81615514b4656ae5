// Centring a top-level window with the shared rule, on Windows' own rectangles and monitors.
#ifndef QUORVANE_UI_WIN32_WIN32_WINDOW_GEOMETRY_H_
#define QUORVANE_UI_WIN32_WIN32_WINDOW_GEOMETRY_H_

#include <windows.h>

namespace quorvane {

// Moves window over its owner (when that is visible and not minimised) or onto the middle of its
// monitor's work area, kept inside that work area; size, z-order and activation stay. Returns
// false, leaving the window where it is, when no monitor information can be had.
bool CenterWindowOverOwner(HWND window);

// Sizes are designed at 96 dots per inch (100%); the program declares itself aware of each
// monitor's scaling, so it must scale them itself or they shrink on a 150% display.
inline constexpr int kDesignDpi = 96;

// The dots per inch window is drawn at: its monitor's where the system scales per monitor
// (Windows 10 1607 and later), the system's otherwise.
int WindowDpi(HWND window);

// pixels, designed at 96 DPI, at dpi; exactly pixels at 96.
int ScaleToDpi(int pixels, int dpi);

}  // namespace quorvane

#endif  // QUORVANE_UI_WIN32_WIN32_WINDOW_GEOMETRY_H_
