// The texts every frontend shows around the frame logic's messages: captions, titles, the list's
// columns, the choosers' filter. Kept here so that no frontend spells them a second time.
#ifndef QUORVANE_UI_WINDOW_TEXTS_H_
#define QUORVANE_UI_WINDOW_TEXTS_H_

namespace quorvane::texts {

// "Quorvane · Velbrin", with a middle dot between single spaces.
inline constexpr char16_t kWindowTitle[] = u"Quorvane \u00B7 Velbrin";
// The title of the tool's own help viewer.
inline constexpr char16_t kHelpViewerTitle[] = u"Quorvane 帮助";
// The caption of every message box the tool shows.
inline constexpr char16_t kMessageCaption[] = u"提示信息";
// The one filter of the Open and Save choosers, and the pattern it stands for.
inline constexpr char16_t kTextFileFilter[] = u"文本文档(*.txt)";
inline constexpr char16_t kTextFilePattern[] = u"*.txt";

struct ListColumn {
    const char16_t* header;
    int width;  // pixels
};

// The result list's columns, in the order of the row's fields.
inline constexpr int kListColumnCount = 5;
inline constexpr ListColumn kListColumns[kListColumnCount] = {
    {u"IP地址", 150}, {u"国家", 100}, {u"省份", 100}, {u"城市", 100}, {u"服务商", 100},
};

}  // namespace quorvane::texts

#endif  // QUORVANE_UI_WINDOW_TEXTS_H_
