// Where a top-level window goes when it is centred: over its owner, or on the work area of its
// monitor. Pure geometry, so every toolkit shares one rule and tests need no display.
#ifndef QUORVANE_UI_CENTER_OVER_OWNER_H_
#define QUORVANE_UI_CENTER_OVER_OWNER_H_

#include <optional>

namespace quorvane {

// A rectangle in screen pixels; right and bottom are exclusive, as in window rectangles.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The top-left corner for a window of outer size width x height.
//
// ownerRect is the owner's outer rectangle when the window has an owner that is visible and not
// minimised; otherwise nothing, and the window is centred on workArea. Each half is an integer
// division truncated toward zero on its own. The result is then moved back inside workArea:
// first against the right and bottom edges, then against the left and top, so a window larger
// than the work area ends up at its left or top edge.
ScreenPoint CenterOverOwner(const std::optional<ScreenRect>& ownerRect, const ScreenRect& workArea,
                            int width, int height);

}  // namespace quorvane

#endif  // QUORVANE_UI_CENTER_OVER_OWNER_H_
