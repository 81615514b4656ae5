#include "ui/qt/qt_window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "ui/center_over_owner.h"

namespace quorvane {

namespace {

ScreenRect ToScreenRect(const QRect& r) {
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

}  // namespace

bool CentreTopLevel(QWidget& window, const QWidget* owner, std::optional<QSize> outerSize) {
    std::optional<ScreenRect> ownerRect;
    const QWidget* ownerWindow = owner ? owner->window() : nullptr;
    if (ownerWindow && ownerWindow->isVisible() && !ownerWindow->isMinimized()) {
        ownerRect = ToScreenRect(ownerWindow->frameGeometry());
    }
    QScreen* screen = nullptr;
    if (ownerRect) {
        screen = QGuiApplication::screenAt(ownerWindow->frameGeometry().center());
        if (!screen) {
            screen = ownerWindow->screen();
        }
    } else {
        screen = QGuiApplication::screenAt(window.frameGeometry().center());
        if (!screen) {
            screen = window.screen();
        }
    }
    if (!screen) {
        return false;
    }
    const QSize size = outerSize.value_or(window.frameGeometry().size());
    const ScreenPoint at = CenterOverOwner(ownerRect, ToScreenRect(screen->availableGeometry()),
                                           size.width(), size.height());
    // move() places the outer frame of a top-level window.
    window.move(at.x, at.y);
    return true;
}

}  // namespace quorvane
