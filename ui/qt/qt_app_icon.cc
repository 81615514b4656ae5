#include "ui/qt/qt_app_icon.h"

#include <QSize>
#include <QString>

namespace quorvane {

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/quorvane/icons/quorvane-%1.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

}  // namespace quorvane
