// The message boxes and file choosers of the Qt frontend, built apart from the window so that tests
// can look at them before they run.
#ifndef QUORVANE_UI_QT_QT_DIALOGS_H_
#define QUORVANE_UI_QT_QT_DIALOGS_H_

#include <QFileDialog>
#include <QMessageBox>
#include <memory>
#include <string_view>

#include "ui/window_port.h"
#include "ui/window_texts.h"

namespace quorvane {

using texts::kMessageCaption;
using texts::kTextFileFilter;

// A message box owned by parent: caption "提示信息", no icon, text as given (plain text), OK or
// Yes/No with Yes the default. Button texts are set in Chinese even when no translation loaded.
// A Yes/No box ends only by its buttons (or the keys Y and N): Esc and closing do nothing.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, std::u16string_view text,
                                            MessageButtons buttons);

// Runs box modally and names the button chosen. Closing an OK box counts as OK.
MessageAnswer RunMessageBox(QMessageBox& box);

// The Open (save false) or Save (save true) chooser with the one filter. Open accepts the name
// of a file that does not exist. Save appends "txt" to a bare name and asks before replacing a
// file. native false forces Qt's own dialog, which tests can reach; a native one may run outside
// the process. Qt's dialog writes no settings file (last folder, history) for this process.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, bool save, bool native);

}  // namespace quorvane

#endif  // QUORVANE_UI_QT_QT_DIALOGS_H_
