#include "ui/center_over_owner.h"

namespace quorvane {

ScreenPoint CenterOverOwner(const std::optional<ScreenRect>& ownerRect, const ScreenRect& workArea,
                            int width, int height) {
    const ScreenRect& target = ownerRect ? *ownerRect : workArea;
    // C++ integer division truncates toward zero, which is what negative coordinates (a monitor
    // left of or above the primary one) need to land where the platform puts them.
    int x = (target.left + target.right) / 2 - width / 2;
    int y = (target.top + target.bottom) / 2 - height / 2;
    if (x + width > workArea.right) {
        x = workArea.right - width;
    }
    if (x < workArea.left) {
        x = workArea.left;
    }
    if (y + height > workArea.bottom) {
        y = workArea.bottom - height;
    }
    if (y < workArea.top) {
        y = workArea.top;
    }
    return {x, y};
}

}  // namespace quorvane
