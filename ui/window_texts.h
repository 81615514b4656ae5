// The texts every frontend shows around the frame logic's messages: the menu bar, captions,
// titles, the list's columns, the choosers' filter. Kept here so that no frontend spells them a
// second time. The Win32 resource compiler reads the menu from here too: that part is plain
// preprocessor text, the rest is hidden from it. UTF-8.
#ifndef QUORVANE_UI_WINDOW_TEXTS_H_
#define QUORVANE_UI_WINDOW_TEXTS_H_

#include "ui/resources/resource_ids.h"

// The menu bar, top to bottom: each pop-up is POPUP(label), its items, then END_POPUP. An item is
// ITEM(label, command), or INACTIVE_ITEM(label, command) for one that the menu template leaves
// disabled and the frame enables, or SEPARATOR. "退出 Atl+F4" is the item's whole label: there is
// no shortcut column and no accelerator.
#define QUORVANE_MAIN_MENU(POPUP, ITEM, INACTIVE_ITEM, SEPARATOR, END_POPUP) \
    POPUP("文件(&F)")                                                        \
    ITEM("导入(&I)", ID_CMD_IMPORT)                                          \
    ITEM("导出(&E)", ID_CMD_EXPORT)                                          \
    SEPARATOR                                                                \
    ITEM("退出 Atl+F4", ID_CMD_EXIT)                                         \
    END_POPUP                                                                \
    POPUP("操作(&O)")                                                        \
    ITEM("开始(&B)", ID_CMD_START)                                           \
    ITEM("结束(&E)", ID_CMD_STOP)                                            \
    END_POPUP                                                                \
    POPUP("帮助(&H)")                                                        \
    ITEM("帮助(&H)", ID_CMD_HELP)                                            \
    INACTIVE_ITEM("关于(&A)", ID_CMD_ABOUT)                                  \
    END_POPUP

#ifndef RC_INVOKED
namespace quorvane::texts {

// One line of the menu bar's list: a pop-up's title, an item, or a separator.
struct MenuEntry {
    enum Kind { kPopup, kItem, kSeparator } kind;
    const char16_t* label;  // null for a separator
    int commandId;          // items only
};

#define QUORVANE_MENU_POPUP(label) MenuEntry{MenuEntry::kPopup, u"" label, 0},
#define QUORVANE_MENU_ITEM(label, command) MenuEntry{MenuEntry::kItem, u"" label, command},
#define QUORVANE_MENU_SEPARATOR MenuEntry{MenuEntry::kSeparator, nullptr, 0},
#define QUORVANE_MENU_END_POPUP
inline constexpr MenuEntry kMainMenu[] = {
    QUORVANE_MAIN_MENU(QUORVANE_MENU_POPUP, QUORVANE_MENU_ITEM, QUORVANE_MENU_ITEM,
                       QUORVANE_MENU_SEPARATOR, QUORVANE_MENU_END_POPUP)};
#undef QUORVANE_MENU_POPUP
#undef QUORVANE_MENU_ITEM
#undef QUORVANE_MENU_SEPARATOR
#undef QUORVANE_MENU_END_POPUP

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
#endif  // RC_INVOKED

#endif  // QUORVANE_UI_WINDOW_TEXTS_H_
