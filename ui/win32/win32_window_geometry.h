// Centring a top-level window with the shared rule, on Windows' own rectangles and monitors.
#ifndef QUORVANE_UI_WIN32_WIN32_WINDOW_GEOMETRY_H_
#define QUORVANE_UI_WIN32_WIN32_WINDOW_GEOMETRY_H_

#include <windows.h>

namespace quorvane {

// Moves window over its owner (when that is visible and not minimised) or onto the middle of its
// monitor's work area, kept inside that work area; size, z-order and activation stay. Returns
// false, leaving the window where it is, when no monitor information can be had.
bool CenterWindowOverOwner(HWND window);

}  // namespace quorvane

#endif  // QUORVANE_UI_WIN32_WIN32_WINDOW_GEOMETRY_H_
