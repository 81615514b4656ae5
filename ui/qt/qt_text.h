// Wide text of the core (UTF-16) in and out of QString; both are UTF-16, so nothing is re-encoded.
#ifndef QUORVANE_UI_QT_QT_TEXT_H_
#define QUORVANE_UI_QT_QT_TEXT_H_

#include <QString>
#include <string>
#include <string_view>

namespace quorvane {

inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

inline std::u16string FromQString(const QString& text) {
    return text.toStdU16String();
}

}  // namespace quorvane

#endif  // QUORVANE_UI_QT_QT_TEXT_H_
