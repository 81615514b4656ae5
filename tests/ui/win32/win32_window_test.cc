// windows.h comes first: the other system headers need it.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "batch/database_path.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/table_rows.h"
#include "tests/ui/win32/scripted_window.h"
#include "ui/main_frame.h"
#include "ui/messages.h"
#include "ui/resources/resource_ids.h"
#include "ui/win32/win32_about_dialog.h"

namespace quorvane {
namespace {

using test::AddressRow;

using test::PressWithControl;
using test::PumpUntil;
using test::ScriptedWindow;

std::wstring WindowText(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

// Inspects the next modal dialog of this thread from inside its own loop, then sends it command.
class ModalCloser {
  public:
    ModalCloser(std::function<void(HWND)> inspect, int command)
        : m_inspect(std::move(inspect)), m_command(command) {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, 20, &ModalCloser::OnTimer);
    }
    ~ModalCloser() {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    bool Seen() const { return m_seen; }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        ModalCloser* self = s_current;
        if (self == nullptr || self->m_seen) {
            return;
        }
        HWND found = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &ModalCloser::FindDialog,
                          reinterpret_cast<LPARAM>(&found));
        if (found != nullptr) {
            self->m_seen = true;
            self->m_inspect(found);
            PostMessageW(found, WM_COMMAND, static_cast<WPARAM>(self->m_command), 0);
        }
    }

    // A named function, not a lambda: on 32-bit Windows the callback must be stdcall, and a
    // lambda converts only to a pointer of the default (cdecl) convention.
    static BOOL CALLBACK FindDialog(HWND hwnd, LPARAM out) {
        if (ClassOf(hwnd) == L"#32770" && IsWindowVisible(hwnd)) {
            *reinterpret_cast<HWND*>(out) = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    static inline ModalCloser* s_current = nullptr;
    std::function<void(HWND)> m_inspect;
    int m_command;
    UINT_PTR m_timer = 0;
    bool m_seen = false;
};

// The static text of a message box.
std::wstring MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, 0xFFFF));
}

class Win32WindowTest : public ::testing::Test {
  protected:
    Win32WindowTest()
        : m_window(u"help\\index.html"),
          m_frame(m_window, DefaultDatabasePath(), u"help\\index.html") {
        m_window.AttachFrame(&m_frame);
        EXPECT_TRUE(m_window.Create());
        m_window.PlaceAndShow(SW_SHOWNORMAL);
    }
    ~Win32WindowTest() override { m_window.AttachFrame(nullptr); }

    UINT MenuState(int id) const { return GetMenuState(m_window.Menu(), id, MF_BYCOMMAND); }

    std::wstring Cell(int row, int column) const {
        wchar_t text[256] = {};
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(m_window.List(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }

    void Import(const std::string& bytes) {
        m_scratch.Write("list.txt", bytes);
        m_window.openAnswer = m_scratch.Wide("list.txt");
        SendMessageW(m_window.Handle(), WM_COMMAND, ID_CMD_IMPORT, 0);
    }

    const test::ScratchDir m_scratch{"quorvane-win32"};
    ScriptedWindow m_window;
    CMainFrame m_frame;
};

TEST_F(Win32WindowTest, WindowMenuAndListAsBuilt) {
    const HWND hwnd = m_window.Handle();
    EXPECT_EQ(ClassOf(hwnd), L"QUORVANE_CLASS");
    EXPECT_EQ(WindowText(hwnd), L"Quorvane \u00B7 Velbrin");
    RECT outer;
    GetWindowRect(hwnd, &outer);
    EXPECT_EQ(outer.right - outer.left, 750);
    EXPECT_EQ(outer.bottom - outer.top, 450);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_EQ(outer.left, (monitor.rcWork.left + monitor.rcWork.right) / 2 - 375);
    EXPECT_EQ(outer.top, (monitor.rcWork.top + monitor.rcWork.bottom) / 2 - 225);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & WS_OVERLAPPEDWINDOW,
              static_cast<DWORD>(WS_OVERLAPPEDWINDOW));

    wchar_t label[64] = {};
    GetMenuStringW(m_window.Menu(), ID_CMD_EXIT, label, 64, MF_BYCOMMAND);
    EXPECT_STREQ(label, L"退出 Atl+F4");
    EXPECT_EQ(MenuState(ID_CMD_START) & MF_GRAYED, 0u);
    EXPECT_NE(MenuState(ID_CMD_STOP) & MF_GRAYED, 0u);
    EXPECT_EQ(MenuState(ID_CMD_ABOUT) & (MF_GRAYED | MF_DISABLED), 0u);

    const HWND list = m_window.List();
    EXPECT_EQ(ClassOf(list), L"SysListView32");
    EXPECT_EQ(GetDlgCtrlID(list), IDC_RESULT_LIST);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(list, GWL_STYLE)), 0x50001001u);
    EXPECT_EQ(ListView_GetExtendedListViewStyle(list) & 0x00010023u, 0x00010023u);
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 5);
    EXPECT_EQ(ListView_GetColumnWidth(list, 0), 150);
    EXPECT_EQ(ListView_GetItemCount(list), 0);

    // The list and the status bar under it fill the client area, also after the window was
    // minimised and restored.
    ShowWindow(hwnd, SW_MINIMIZE);
    ShowWindow(hwnd, SW_RESTORE);
    RECT client;
    RECT listRect;
    RECT statusRect;
    GetClientRect(hwnd, &client);
    GetWindowRect(list, &listRect);
    GetWindowRect(m_window.StatusBar(), &statusRect);
    EXPECT_EQ(listRect.right - listRect.left, client.right);
    EXPECT_GT(statusRect.bottom - statusRect.top, 0);
    EXPECT_EQ(listRect.bottom - listRect.top + statusRect.bottom - statusRect.top, client.bottom);
    EXPECT_EQ(statusRect.top, listRect.bottom);

    // Timer messages of other identifiers, and notifications of other codes, do nothing.
    EXPECT_EQ(SendMessageW(hwnd, WM_TIMER, 7, 0), 0);
}

TEST_F(Win32WindowTest, ImportFillsTheVirtualListAndStartResolvesIt) {
    Import("8.8.8.8\r\nhello\r\n");
    ASSERT_EQ(ListView_GetItemCount(m_window.List()), 2);
    EXPECT_NE(WindowText(m_window.StatusBar()), L"");
    EXPECT_EQ(Cell(0, 0), L"8.8.8.8");
    EXPECT_EQ(Cell(1, 0), L"hello");
    EXPECT_EQ(Cell(0, 1), L"");
    EXPECT_EQ(Cell(0, 5), L"");

    SendMessageW(m_window.Handle(), WM_COMMAND, ID_CMD_START, 0);
    ASSERT_TRUE(PumpUntil([&] { return !m_frame.IsRunAlive(); }, std::chrono::seconds(60)));
    EXPECT_EQ(MenuState(ID_CMD_START) & MF_GRAYED, 0u);
    EXPECT_NE(MenuState(ID_CMD_STOP) & MF_GRAYED, 0u);
    const AddressRow row = test::RowAt(m_frame.Table(), 0);
    EXPECT_FALSE(row.country.empty());
    EXPECT_EQ(Cell(0, 1), std::wstring(row.country.begin(), row.country.end()));
    EXPECT_EQ(Cell(1, 1), L"");
}

// The list's tooltip for a row's address, as the list asks for it: unfolded when the whole text
// is on show already.
std::wstring InfoTip(HWND window, HWND list, int row, bool unfolded) {
    wchar_t text[INFOTIPSIZE] = L"old";
    NMLVGETINFOTIPW tip = {};
    tip.hdr.hwndFrom = list;
    tip.hdr.idFrom = IDC_RESULT_LIST;
    tip.hdr.code = LVN_GETINFOTIPW;
    tip.dwFlags = unfolded ? LVGIT_UNFOLDED : 0;
    tip.pszText = text;
    tip.cchTextMax = INFOTIPSIZE;
    tip.iItem = row;
    SendMessageW(window, WM_NOTIFY, IDC_RESULT_LIST, reinterpret_cast<LPARAM>(&tip));
    return text;
}

// An IPv6 address wider than its column tells its whole text as the row's tooltip; the column
// keeps its width.
TEST_F(Win32WindowTest, ALongAddressTellsItsWholeTextAsATooltip) {
    const int width = ListView_GetColumnWidth(m_window.List(), 0);
    Import("8.8.8.8\r\n2001:0db8:0000:0000:0000:ffff:0000:0001\r\n");
    EXPECT_EQ(ListView_GetColumnWidth(m_window.List(), 0), width);
    EXPECT_NE(ListView_GetExtendedListViewStyle(m_window.List()) & LVS_EX_INFOTIP, 0u);
    EXPECT_EQ(InfoTip(m_window.Handle(), m_window.List(), 1, false),
              L"2001:0db8:0000:0000:0000:ffff:0000:0001");
    EXPECT_EQ(InfoTip(m_window.Handle(), m_window.List(), 1, true), L"");
    EXPECT_EQ(InfoTip(m_window.Handle(), m_window.List(), 7, false), L"");
}

std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (OpenClipboard(owner)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    return text;
}

TEST_F(Win32WindowTest, CtrlCCopiesTheSelectedRowsAsExportLinesAndCtrlASelectsAll) {
    Import("1.2.3.4\r\na,b\r\n10.0.0.1\r\n");
    const HWND list = m_window.List();
    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(list, 2, LVIS_SELECTED, LVIS_SELECTED);
    PressWithControl(list, 'C');
    EXPECT_EQ(ClipboardText(m_window.Handle()), L"1.2.3.4,,,,\r\n10.0.0.1,,,,\r\n");

    SendMessageW(list, WM_KEYDOWN, 'A', 0);  // without Ctrl: nothing
    EXPECT_EQ(ListView_GetSelectedCount(list), 2u);
    PressWithControl(list, 'A');
    EXPECT_EQ(ListView_GetSelectedCount(list), 3u);
    PressWithControl(list, 'C');
    EXPECT_EQ(ClipboardText(m_window.Handle()), L"1.2.3.4,,,,\r\na\uFF0Cb,,,,\r\n10.0.0.1,,,,\r\n");
}

TEST_F(Win32WindowTest, DroppedFileIsImported) {
    m_scratch.Write("dropped.txt", "1.2.3.4\r\n5.6.7.8\r\n");
    const HGLOBAL memory = test::MakeFileDrop(m_scratch.Wide("dropped.txt"));
    ASSERT_NE(memory, nullptr);
    EXPECT_NE(GetWindowLongW(m_window.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    SendMessageW(m_window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    EXPECT_EQ(ListView_GetItemCount(m_window.List()), 2);  // the window released the drop
    EXPECT_EQ(Cell(1, 0), L"5.6.7.8");
}

// Typing in the focused list goes to the next row, from the focused one and wrapping, whose
// address starts with the typed text, as the system's own lists do; text no address starts with
// leaves the focus where it is.
TEST_F(Win32WindowTest, TypingInTheListFindsTheNextRowByItsAddress) {
    Import("1.1.1.1\r\n8.8.8.8\r\n9.9.9.9\r\n8.8.4.4\r\nhello\r\n");
    const HWND list = m_window.List();
    SetFocus(list);
    ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    const auto type = [&](wchar_t c) {
        SendMessageW(list, WM_CHAR, c, 1);  // a repeat count of 1, as a real key has
        // Letters typed apart are searches of their own, not one text.
        Sleep(1100);
        return ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    };
    EXPECT_EQ(type(L'9'), 2);
    EXPECT_EQ(type(L'8'), 3);
    EXPECT_EQ(type(L'8'), 1) << "wraps past the last row";
    EXPECT_EQ(type(L'H'), 4) << "letters in either case";
    EXPECT_EQ(type(L'7'), 4) << "no address starts with 7";

    // What the list asks when it searches: -1 for no row, never row 0 by default.
    LVFINDINFOW find = {};
    find.flags = LVFI_STRING | LVFI_PARTIAL | LVFI_WRAP;
    find.psz = L"8.8.4";
    EXPECT_EQ(ListView_FindItem(list, -1, &find), 3);
    find.psz = L"2.";
    EXPECT_EQ(ListView_FindItem(list, -1, &find), -1);
}

// The list and the status bar repaint in the new system colours only when their parent passes
// the change on.
int g_colourChanges = 0;

LRESULT CALLBACK CountColourChanges(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR) {
    g_colourChanges += message == WM_SYSCOLORCHANGE;
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

TEST_F(Win32WindowTest, SystemColourChangeReachesTheListAndTheStatusBar) {
    g_colourChanges = 0;
    ASSERT_TRUE(SetWindowSubclass(m_window.List(), CountColourChanges, 1, 0));
    ASSERT_TRUE(SetWindowSubclass(m_window.StatusBar(), CountColourChanges, 1, 0));
    SendMessageW(m_window.Handle(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(g_colourChanges, 2);
    RemoveWindowSubclass(m_window.List(), CountColourChanges, 1);
    RemoveWindowSubclass(m_window.StatusBar(), CountColourChanges, 1);
}

// Every size is the designed one at 96 DPI and scaled with the display's DPI: the suite runs a
// second time in a Wine prefix set to 144 DPI (150%), which sets QUORVANE_EXPECT_DPI.
TEST_F(Win32WindowTest, SizesFollowTheDisplaysDpi) {
    const char* expected = std::getenv("QUORVANE_EXPECT_DPI");
    const int dpi = expected != nullptr ? std::atoi(expected) : 96;
    const HWND hwnd = m_window.Handle();
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), dpi) << "the program is not DPI aware";
    ReleaseDC(nullptr, screen);
    RECT outer;
    GetWindowRect(hwnd, &outer);
    // No window grows past the screen and its frame (Wine's screen here is 1024 x 768).
    EXPECT_EQ(outer.right - outer.left,
              std::min(MulDiv(750, dpi, 96), GetSystemMetrics(SM_CXMAXTRACK)));
    EXPECT_EQ(outer.bottom - outer.top,
              std::min(MulDiv(450, dpi, 96), GetSystemMetrics(SM_CYMAXTRACK)));
    EXPECT_EQ(ListView_GetColumnWidth(m_window.List(), 0), MulDiv(150, dpi, 96));
    for (int column = 1; column < 5; ++column) {
        EXPECT_EQ(ListView_GetColumnWidth(m_window.List(), column), MulDiv(100, dpi, 96));
    }
}

// The links of the About dialog open the help page beside the program, wherever it lies.
TEST(Win32AboutLinksTest, FolderNamesAreEscapedInTheUrl) {
    EXPECT_EQ(HelpSectionUrl(u"C:\\Quorvane\\help\\index.html", u"home"),
              u"file:///C:/Quorvane/help/index.html#home");
    EXPECT_EQ(HelpSectionUrl(u"D:\\工具 #2\\100%\\a^b\\help\\index.html", u"author"),
              u"file:///D:/工具%20%232/100%25/a%5Eb/help/index.html#author");
}

TEST_F(Win32WindowTest, MessagesAreOwnedBoxesCaptionedForTheTool) {
    std::wstring caption;
    std::wstring text;
    HWND owner = nullptr;
    {
        ModalCloser closer(
            [&](HWND box) {
                caption = WindowText(box);
                text = MessageBoxText(box);
                owner = GetWindow(box, GW_OWNER);
            },
            IDOK);
        SendMessageW(m_window.Handle(), WM_COMMAND, ID_CMD_START, 0);  // nothing imported yet
        EXPECT_TRUE(closer.Seen());
    }
    EXPECT_EQ(caption, L"提示信息");
    EXPECT_EQ(text, reinterpret_cast<const wchar_t*>(messages::kImportFirst));
    EXPECT_EQ(owner, m_window.Handle());
}

// A named callback, not a lambda: on 32-bit Windows a window enumeration calls back stdcall, and a
// lambda converts only to a pointer of the default (cdecl) convention.
BOOL CALLBACK MarkChineseVersionLine(HWND child, LPARAM found) {
    if (WindowText(child) == L"Quorvane，版本 1.0") {
        *reinterpret_cast<bool*>(found) = true;
    }
    return TRUE;
}

TEST_F(Win32WindowTest, AboutDialogHasItsLinksAndIgnoresEscape) {
    std::wstring caption;
    bool versionInChinese = false;
    int links = 0;
    bool survivedCancel = false;
    {
        ModalCloser closer(
            [&](HWND dialog) {
                caption = WindowText(dialog);
                EnumChildWindows(dialog, MarkChineseVersionLine,
                                 reinterpret_cast<LPARAM>(&versionInChinese));
                for (int id : {IDC_LINK_HOME, IDC_LINK_DONATE, IDC_LINK_AUTHOR}) {
                    const HWND link = GetDlgItem(dialog, id);
                    links += link != nullptr && ClassOf(link) == L"SysLink";
                }
                SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                survivedCancel = IsWindow(dialog) != FALSE;
            },
            IDOK);
        SendMessageW(m_window.Handle(), WM_COMMAND, ID_CMD_ABOUT, 0);
        EXPECT_TRUE(closer.Seen());
    }
    EXPECT_EQ(caption, L"关于 Quorvane");
    EXPECT_TRUE(versionInChinese);
    EXPECT_EQ(links, 3);
    EXPECT_TRUE(survivedCancel);
}

TEST_F(Win32WindowTest, ClosingDuringARunEndsTheLoop) {
    std::string lines;
    for (int i = 0; i < 200000; ++i) {
        lines += std::to_string(i % 256) + ".1.2.3\r\n";
    }
    Import(lines);
    SendMessageW(m_window.Handle(), WM_COMMAND, ID_CMD_START, 0);
    EXPECT_TRUE(m_frame.IsRunAlive());
    SendMessageW(m_window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(m_frame.IsRunAlive());
    EXPECT_EQ(m_window.Handle(), nullptr);
    MSG message;
    bool quit = false;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        quit = quit || message.message == WM_QUIT;
    }
    EXPECT_TRUE(quit);
}

// Without a browser, Help shows the page formatted, in a window centred over the main one.
TEST_F(Win32WindowTest, HelpViewerShowsThePageFormattedOverTheWindow) {
    m_scratch.Write("help.html",
                    "<html><head><title>t</title><style>p{}</style></head><body><h1>\xE5\xB8\xAE"
                    "\xE5\x8A\xA9</h1><p>A &amp; B &#x4E2D; <b>bold</b> <code>{x}\\y</code></p>"
                    "<ul><li>one</li><li>two</li></ul></body></html>");
    m_window.ShowHelpPage(m_scratch.Wide("help.html"));
    const HWND viewer = m_window.HelpViewer().Handle();
    ASSERT_NE(viewer, nullptr);
    const HWND text = m_window.HelpViewer().Text();
    EXPECT_EQ(_wcsicmp(ClassOf(text).c_str(), L"RICHEDIT50W"), 0) << ClassOf(text);
    std::wstring shown = WindowText(text);
    std::erase(shown, L'\n');
    EXPECT_EQ(shown, L"\u5E2E\u52A9\rA & B \u4E2D bold {x}\\y\r\u2022\tone\r\u2022\ttwo");

    // The heading is bold and larger than the body text; the code is in another font.
    const auto format = [&](int at) {
        CHARFORMAT2W f = {};
        f.cbSize = sizeof(f);
        SendMessageW(text, EM_SETSEL, at, at + 1);
        SendMessageW(text, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&f));
        return f;
    };
    const CHARFORMAT2W heading = format(0);
    const CHARFORMAT2W body = format(3);
    const CHARFORMAT2W bold = format(11);
    const CHARFORMAT2W code = format(16);
    EXPECT_NE(heading.dwEffects & CFE_BOLD, 0u);
    EXPECT_EQ(body.dwEffects & CFE_BOLD, 0u);
    EXPECT_NE(bold.dwEffects & CFE_BOLD, 0u);
    EXPECT_GT(heading.yHeight, body.yHeight);
    EXPECT_NE(std::wstring(code.szFaceName), std::wstring(body.szFaceName));

    RECT main;
    RECT help;
    GetWindowRect(m_window.Handle(), &main);
    GetWindowRect(viewer, &help);
    EXPECT_NEAR((help.left + help.right) / 2, (main.left + main.right) / 2, 1);
    EXPECT_NEAR((help.top + help.bottom) / 2, (main.top + main.bottom) / 2, 1);
}

}  // namespace
}  // namespace quorvane
