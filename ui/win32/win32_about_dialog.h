// The modal About dialog, template IDD_ABOUT_DIALOG.
#ifndef QUORVANE_UI_WIN32_WIN32_ABOUT_DIALOG_H_
#define QUORVANE_UI_WIN32_WIN32_ABOUT_DIALOG_H_

#include <windows.h>

#include <string>

namespace quorvane {

// Shows the dialog centred over owner until OK, the close button or Alt+F4 ends it; Esc leaves it
// open. Its three links open the sections home, support and author of helpPage. Returns 0 as the
// dialog's result, whichever way it was closed.
INT_PTR RunAboutDialog(HWND owner, const std::u16string& helpPage);

// The address a link of the dialog opens: helpPage as a file URL with section as its fragment.
std::u16string HelpSectionUrl(std::u16string_view helpPage, std::u16string_view section);

}  // namespace quorvane

#endif  // QUORVANE_UI_WIN32_WIN32_ABOUT_DIALOG_H_
