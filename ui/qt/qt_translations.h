// Qt's own texts (standard buttons, file dialogs) in Chinese.
#ifndef QUORVANE_UI_QT_QT_TRANSLATIONS_H_
#define QUORVANE_UI_QT_QT_TRANSLATIONS_H_

class QCoreApplication;

namespace quorvane {

// Loads Qt's own Chinese translations (standard buttons, file dialogs) into app, from Qt's
// translations folder. Returns false when none could be loaded; the tool then still sets its
// button texts itself.
bool InstallChineseTranslations(QCoreApplication& app);

}  // namespace quorvane

#endif  // QUORVANE_UI_QT_QT_TRANSLATIONS_H_
