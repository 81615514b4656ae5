// The help page as rich text: the tool's own viewer shows it formatted (headings, bold, code,
// lists, tables) without a browser.
#ifndef QUORVANE_UI_WIN32_WIN32_HELP_PAGE_RTF_H_
#define QUORVANE_UI_WIN32_WIN32_HELP_PAGE_RTF_H_

#include <string>
#include <string_view>

namespace quorvane {

// An RTF document (ASCII, every other character as a Unicode escape) of an HTML page (UTF-8):
// head, styles and scripts left out; h1..h3 as bold headings of falling size; p, div and the like
// as paragraphs; li as bulleted paragraphs; b and strong bold; th bold; code and pre in a fixed
// font, pre keeping its line breaks; a table row as one paragraph, its cells apart by tabs;
// character references decoded; runs of blanks made one. Tags it does not know leave their text.
std::string HtmlToRtf(std::string_view html);

}  // namespace quorvane

#endif  // QUORVANE_UI_WIN32_WIN32_HELP_PAGE_RTF_H_
