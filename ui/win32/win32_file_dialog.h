// The system's Open and Save choosers with the one filter "文本文档(*.txt)".
#ifndef QUORVANE_UI_WIN32_WIN32_FILE_DIALOG_H_
#define QUORVANE_UI_WIN32_WIN32_FILE_DIALOG_H_

#include <windows.h>

#include <optional>
#include <string>

namespace quorvane {

// Runs the chooser modally over owner. Open accepts the name of a file that does not exist (the
// import then reports it); Save asks before replacing a file and gives a bare name the extension
// txt. Nothing when the user cancels or the dialog fails.
std::optional<std::u16string> RunFileDialog(HWND owner, bool save);

}  // namespace quorvane

#endif  // QUORVANE_UI_WIN32_WIN32_FILE_DIALOG_H_
