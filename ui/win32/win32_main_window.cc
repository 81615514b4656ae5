#include "ui/win32/win32_main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

#include "ui/main_frame.h"
#include "ui/resources/resource_ids.h"
#include "ui/win32/win32_about_dialog.h"
#include "ui/win32/win32_file_dialog.h"
#include "ui/win32/win32_text.h"
#include "ui/win32/win32_window_geometry.h"
#include "ui/window_texts.h"

namespace quorvane {

namespace {

// Runs the calls PostToWindowThread queued.
constexpr UINT kRunPostedCalls = WM_APP + 1;

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA;
// LVS_EX_INFOTIP: an address too long for its column (an IPv6 address) tells its whole text.
constexpr DWORD kListExtendedStyle = LVS_EX_GRIDLINES | LVS_EX_SUBITEMIMAGES |
                                     LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_INFOTIP;

HINSTANCE ModuleInstance() {
    return GetModuleHandleW(nullptr);
}

// Registers the class once per process; a class already registered under the name is reused.
bool RegisterMainClass(WNDPROC proc) {
    static std::once_flag once;
    static bool registered = false;
    std::call_once(once, [proc] {
        WNDCLASSEXW existing = {};
        existing.cbSize = sizeof(existing);
        if (GetClassInfoExW(ModuleInstance(), CWin32MainWindow::kClassName, &existing)) {
            registered = true;
            return;
        }
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.style = 0;
        wc.lpfnWndProc = proc;
        wc.hInstance = ModuleInstance();
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = CWin32MainWindow::kClassName;
        registered = RegisterClassExW(&wc) != 0;
    });
    return registered;
}

}  // namespace

CWin32MainWindow::CWin32MainWindow(std::u16string helpPage) : m_helpPage(std::move(helpPage)) {}

CWin32MainWindow::~CWin32MainWindow() {
    m_postTarget.store(nullptr);
    if (m_hwnd != nullptr) {
        m_frame = nullptr;
        ::DestroyWindow(m_hwnd);
    }
    if (m_menu != nullptr && DestroyMenu(m_menu)) {
        m_menu = nullptr;  // normally the window took its menu bar with it already
    }
}

void CWin32MainWindow::AttachFrame(CMainFrame* frame) {
    m_frame = frame;
    if (frame == nullptr && m_list != nullptr) {
        ListView_SetItemCountEx(m_list, 0, 0);
    }
}

bool CWin32MainWindow::Create() {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_LINK_CLASS | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
    if (!RegisterMainClass(&CWin32MainWindow::WindowProc)) {
        return false;
    }
    const std::wstring title = ToWide(texts::kWindowTitle);
    // WM_CREATE runs inside this call and sets m_hwnd.
    const HWND hwnd = CreateWindowExW(WS_EX_APPWINDOW | WS_EX_WINDOWEDGE, kClassName, title.c_str(),
                                      WS_OVERLAPPEDWINDOW, 0, 0, kOuterWidth, kOuterHeight, nullptr,
                                      nullptr, ModuleInstance(), this);
    if (hwnd == nullptr) {
        return false;
    }
    // The window's DPI is known only once it exists; at 96 the designed size stays as created.
    if (m_dpi != kDesignDpi) {
        SetWindowPos(hwnd, nullptr, 0, 0, ScaleToDpi(kOuterWidth, m_dpi),
                     ScaleToDpi(kOuterHeight, m_dpi), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

void CWin32MainWindow::PlaceAndShow(int showCommand) {
    CenterWindowOverOwner(m_hwnd);
    ShowWindow(m_hwnd, showCommand);
    UpdateWindow(m_hwnd);
}

LRESULT CALLBACK CWin32MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    auto* self = reinterpret_cast<CWin32MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        self = static_cast<CWin32MainWindow*>(create->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_hwnd = hwnd;
        self->m_postTarget.store(hwnd);
    }
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT CWin32MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_SIZE:
            OnSize();
            return 0;
        case WM_SYSCOLORCHANGE:
            // Common controls repaint in the new colours only when their parent passes this on.
            for (const HWND child : {m_list, m_status}) {
                if (child != nullptr) {
                    SendMessageW(child, WM_SYSCOLORCHANGE, wParam, lParam);
                }
            }
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_TIMER:
            // Every timer message is handled; the frame ignores identifiers it does not know.
            if (m_frame != nullptr) {
                m_frame->OnTimer(static_cast<int>(wParam));
            }
            return 0;
        case WM_COMMAND:
            if (m_frame != nullptr && m_frame->OnCommand(LOWORD(wParam))) {
                return 0;
            }
            break;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
        case WM_CLOSE:
            if (m_frame != nullptr) {
                // The frame stops a run, waits for its workers and then calls DestroyWindow.
                m_frame->OnClose();
            } else {
                DestroyWindow();
            }
            return 0;
        case WM_DESTROY:
            m_postTarget.store(nullptr);
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY: {
            const HWND hwnd = m_hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            m_hwnd = nullptr;
            m_list = nullptr;
            m_status = nullptr;
            m_menu = nullptr;  // destroyed with the window
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        case kRunPostedCalls:
            RunPostedCalls();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

LRESULT CWin32MainWindow::OnCreate() {
    m_dpi = WindowDpi(m_hwnd);
    const HMENU menu = LoadMenuW(ModuleInstance(), MAKEINTRESOURCEW(IDR_MAIN_MENU));
    if (menu != nullptr) {
        SetMenu(m_hwnd, menu);
        if (m_menu != nullptr && m_menu != menu) {
            DestroyMenu(m_menu);
        }
        m_menu = menu;
    }
    const HICON icon = LoadIconW(ModuleInstance(), MAKEINTRESOURCEW(IDI_APP_ICON));
    if (icon != nullptr) {
        SendMessageW(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    CreateList();
    DragAcceptFiles(m_hwnd, TRUE);
    m_status = CreateWindowExW(
        0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)), ModuleInstance(), nullptr);
    if (m_frame != nullptr) {
        m_frame->OnCreate();  // grays Stop
    }
    return 0;
}

void CWin32MainWindow::CreateList() {
    // A child given CW_USEDEFAULT starts at the origin with no size; WM_SIZE gives it the client
    // area.
    m_list = CreateWindowExW(0, WC_LISTVIEWW, nullptr, kListStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_RESULT_LIST)),
                             ModuleInstance(), nullptr);
    if (m_list == nullptr) {
        return;
    }
    ListView_SetExtendedListViewStyle(
        m_list, ListView_GetExtendedListViewStyle(m_list) | kListExtendedStyle);
    for (int i = 0; i < texts::kListColumnCount; ++i) {
        std::wstring header = ToWide(texts::kListColumns[i].header);
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.fmt = LVCFMT_LEFT;
        column.cx = ScaleToDpi(texts::kListColumns[i].width, m_dpi);
        column.pszText = header.data();
        ListView_InsertColumn(m_list, i, &column);
    }
}

void CWin32MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    // Moved to a monitor of another scaling: the columns keep their share of the list (widths
    // the user set included) and the window takes the size the system suggests.
    if (m_list != nullptr && dpi > 0 && m_dpi > 0) {
        for (int i = 0; i < texts::kListColumnCount; ++i) {
            ListView_SetColumnWidth(m_list, i,
                                    MulDiv(ListView_GetColumnWidth(m_list, i), dpi, m_dpi));
        }
    }
    m_dpi = dpi > 0 ? dpi : m_dpi;
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWin32MainWindow::OnSize() {
    // The status bar places itself along the bottom edge; the list takes the rest.
    int statusHeight = 0;
    if (m_status != nullptr) {
        SendMessageW(m_status, WM_SIZE, 0, 0);
        RECT status;
        if (GetWindowRect(m_status, &status)) {
            statusHeight = status.bottom - status.top;
        }
    }
    RECT client;
    if (m_list == nullptr || !IsWindow(m_list) || !GetClientRect(m_hwnd, &client)) {
        return;
    }
    const int height = client.bottom - client.top - statusHeight;
    SetWindowPos(m_list, nullptr, 0, 0, client.right - client.left, height > 0 ? height : 0,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWin32MainWindow::OnNotify(const NMHDR& header, LPARAM lParam) {
    if (header.idFrom == IDC_RESULT_LIST && header.code == LVN_KEYDOWN) {
        OnListKey(reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey);
        return 0;
    }
    if (header.idFrom == IDC_RESULT_LIST && header.code == LVN_ODFINDITEMW) {
        return OnFindItem(*reinterpret_cast<const NMLVFINDITEMW*>(lParam));
    }
    if (header.idFrom == IDC_RESULT_LIST && header.code == LVN_GETINFOTIPW) {
        OnInfoTip(*reinterpret_cast<NMLVGETINFOTIPW*>(lParam));
        return 0;
    }
    if (header.idFrom != IDC_RESULT_LIST || header.code != LVN_GETDISPINFOW) {
        return DefWindowProcW(m_hwnd, WM_NOTIFY, header.idFrom, lParam);
    }
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lParam)->item;
    if ((item.mask & LVIF_TEXT) == 0 || m_frame == nullptr) {
        return 0;
    }
    const auto row = static_cast<std::size_t>(static_cast<unsigned>(item.iItem));
    const auto column = static_cast<unsigned>(item.iSubItem);
    if (row >= m_frame->GetRowCount() || column >= texts::kListColumnCount) {
        return 0;  // answered with nothing
    }
    // The frame hands out a copy taken under the table's lock, never a text a worker may be
    // replacing; the list copies it from here before the next request.
    m_cellText = ToWide(m_frame->OnGetDispInfo(row, static_cast<int>(column)));
    item.pszText = m_cellText.data();
    return 0;
}

void CWin32MainWindow::OnInfoTip(NMLVGETINFOTIPW& tip) const {
    if (tip.pszText == nullptr || tip.cchTextMax <= 0) {
        return;
    }
    tip.pszText[0] = L'\0';
    const auto row = static_cast<std::size_t>(static_cast<unsigned>(tip.iItem));
    // Unfolded: the whole address is on show already, and a tip would only repeat it.
    if ((tip.dwFlags & LVGIT_UNFOLDED) != 0 || m_frame == nullptr ||
        row >= m_frame->GetRowCount()) {
        return;
    }
    const std::wstring address = ToWide(m_frame->OnGetDispInfo(row, 0));
    const std::size_t length =
        std::min(address.size(), static_cast<std::size_t>(tip.cchTextMax - 1));
    address.copy(tip.pszText, length);
    tip.pszText[length] = L'\0';
}

void CWin32MainWindow::OnListKey(WORD key) {
    const bool control = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
    if (m_frame == nullptr || !control) {
        return;
    }
    if (key == 'C' || key == VK_INSERT) {
        m_frame->OnCommand(ID_CMD_COPY);
    } else if (key == 'A') {
        m_frame->OnCommand(ID_CMD_SELECT_ALL);
    }
}

void CWin32MainWindow::OnDropFiles(HDROP drop) {
    std::wstring path;
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    if (length != 0) {
        path.resize(length + 1);
        path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
    }
    DragFinish(drop);
    if (m_frame != nullptr && !path.empty()) {
        m_frame->OnOpenFile(FromWide(path));
    }
}

std::vector<std::size_t> CWin32MainWindow::GetSelectedRows() {
    std::vector<std::size_t> rows;
    if (m_list == nullptr) {
        return rows;
    }
    rows.reserve(ListView_GetSelectedCount(m_list));
    for (int item = ListView_GetNextItem(m_list, -1, LVNI_SELECTED); item >= 0;
         item = ListView_GetNextItem(m_list, item, LVNI_SELECTED)) {
        rows.push_back(static_cast<std::size_t>(item));
    }
    return rows;
}

void CWin32MainWindow::SelectAllRows() {
    if (m_list != nullptr) {
        ListView_SetItemState(m_list, -1, LVIS_SELECTED, LVIS_SELECTED);
    }
}

void CWin32MainWindow::SetClipboardText(std::u16string_view text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return;
    }
    if (auto* target = static_cast<char16_t*>(GlobalLock(memory))) {
        text.copy(target, text.size());
        target[text.size()] = u'\0';
        GlobalUnlock(memory);
        if (OpenClipboard(m_hwnd)) {
            EmptyClipboard();
            if (SetClipboardData(CF_UNICODETEXT, memory) != nullptr) {
                memory = nullptr;  // the clipboard owns it now
            }
            CloseClipboard();
        }
    }
    if (memory != nullptr) {
        GlobalFree(memory);
    }
}

LRESULT CWin32MainWindow::OnFindItem(const NMLVFINDITEMW& find) const {
    // A virtual list cannot search itself: unanswered, the 0 returned would select row 0 on
    // every key typed. The list asks by text when the user types into it.
    if (m_frame == nullptr || (find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 ||
        find.lvfi.psz == nullptr) {
        return -1;
    }
    const std::wstring_view typed = find.lvfi.psz;
    const std::u16string prefix(typed.begin(), typed.end());
    const std::size_t start = find.iStart < 0 ? 0 : static_cast<std::size_t>(find.iStart);
    const std::optional<std::size_t> row = m_frame->FindRowByAddress(prefix, start);
    return row && *row <= static_cast<std::size_t>(INT_MAX) ? static_cast<LRESULT>(*row) : -1;
}

MessageAnswer CWin32MainWindow::ShowMessage(std::u16string_view text, MessageButtons buttons) {
    const std::wstring body = ToWide(text);
    const std::wstring caption = ToWide(texts::kMessageCaption);
    const UINT type = buttons == MessageButtons::kYesNo ? MB_YESNO : MB_OK;
    const int answer = MessageBoxW(m_hwnd, body.c_str(), caption.c_str(), type);
    if (buttons == MessageButtons::kYesNo) {
        return answer == IDYES ? MessageAnswer::kYes : MessageAnswer::kNo;
    }
    return MessageAnswer::kOk;
}

std::optional<std::u16string> CWin32MainWindow::ChooseFileToOpen() {
    return RunFileDialog(m_hwnd, false);
}

std::optional<std::u16string> CWin32MainWindow::ChooseFileToSave() {
    return RunFileDialog(m_hwnd, true);
}

void CWin32MainWindow::SetMenuState(int commandId, MenuState state) {
    if (m_menu != nullptr) {
        EnableMenuItem(m_menu, static_cast<UINT>(commandId),
                       MF_BYCOMMAND | (state == MenuState::kEnabled ? MF_ENABLED : MF_GRAYED));
    }
}

void CWin32MainWindow::StartTimer(int timerId, int periodMs) {
    if (m_hwnd != nullptr) {
        // Setting a running timer again restarts it with the new period.
        SetTimer(m_hwnd, static_cast<UINT_PTR>(timerId),
                 static_cast<UINT>(periodMs > 0 ? periodMs : 0), nullptr);
    }
}

void CWin32MainWindow::KillTimer(int timerId) {
    if (m_hwnd != nullptr) {
        ::KillTimer(m_hwnd, static_cast<UINT_PTR>(timerId));
    }
}

void CWin32MainWindow::SetListItemCount(std::size_t count) {
    if (m_list != nullptr) {
        // The list holds at most INT_MAX items; the table never comes near.
        const int items =
            count > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(count);
        SendMessageW(m_list, LVM_SETITEMCOUNT, static_cast<WPARAM>(items), 0);
    }
}

void CWin32MainWindow::RepaintListNow() {
    if (m_list != nullptr) {
        InvalidateRect(m_list, nullptr, TRUE);
        UpdateWindow(m_list);
    }
}

void CWin32MainWindow::PostToWindowThread(std::function<void()> fn) {
    {
        std::lock_guard<std::mutex> lock(m_callsMutex);
        m_calls.push_back(std::move(fn));
    }
    // One message per call; a message that finds the queue empty does nothing.
    if (const HWND target = m_postTarget.load()) {
        PostMessageW(target, kRunPostedCalls, 0, 0);
    }
}

void CWin32MainWindow::RunPostedCalls() {
    for (;;) {
        std::function<void()> call;
        {
            std::lock_guard<std::mutex> lock(m_callsMutex);
            if (m_calls.empty()) {
                return;
            }
            call = std::move(m_calls.front());
            m_calls.pop_front();
        }
        call();
    }
}

void CWin32MainWindow::SetStatusText(std::u16string_view text) {
    if (m_status != nullptr) {
        const std::wstring line = ToWide(text);
        SendMessageW(m_status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
}

bool CWin32MainWindow::OpenWithSystem(std::u16string_view pathOrUrl) {
    const std::wstring target = ToWide(pathOrUrl);
    // Values above 32 mean the handler was started.
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

void CWin32MainWindow::ShowHelpPage(std::u16string_view path) {
    m_helpViewer.ShowPage(m_hwnd, path);
}

void CWin32MainWindow::ShowAboutDialog() {
    const HWND active = GetActiveWindow();
    RunAboutDialog(active != nullptr ? active : m_hwnd, m_helpPage);
}

void CWin32MainWindow::DestroyWindow() {
    if (m_hwnd != nullptr) {
        m_postTarget.store(nullptr);
        ::DestroyWindow(m_hwnd);
    }
}

}  // namespace quorvane
