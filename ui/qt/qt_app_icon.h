// The icon of the tool's windows.
#ifndef QUORVANE_UI_QT_QT_APP_ICON_H_
#define QUORVANE_UI_QT_QT_APP_ICON_H_

#include <QIcon>

namespace quorvane {

// The application icon, from the resources compiled into the program.
QIcon AppIcon();

}  // namespace quorvane

#endif  // QUORVANE_UI_QT_QT_APP_ICON_H_
