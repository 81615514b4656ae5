// Qt's side of window placement: reads owner, screen and frame, then applies CenterOverOwner.
#ifndef QUORVANE_UI_QT_QT_WINDOW_GEOMETRY_H_
#define QUORVANE_UI_QT_QT_WINDOW_GEOMETRY_H_

#include <QSize>
#include <optional>

class QWidget;

namespace quorvane {

// Moves the top-level window so that it is centred over owner (when owner is visible and not
// minimised) or on the work area of its screen, kept inside that work area. outerSize is the
// window's size with its frame; by default its current frame geometry. Returns false, leaving the
// window where it is, when no screen can be found.
bool CentreTopLevel(QWidget& window, const QWidget* owner,
                    std::optional<QSize> outerSize = std::nullopt);

}  // namespace quorvane

#endif  // QUORVANE_UI_QT_QT_WINDOW_GEOMETRY_H_
