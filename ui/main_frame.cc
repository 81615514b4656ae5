#include "ui/main_frame.h"

#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

#include "batch/address_list.h"
#include "batch/database_file.h"
#include "batch/database_path.h"
#include "batch/ipv6_rows.h"
#include "batch/lookup_run.h"
#include "files/conversions.h"
#include "files/file_error.h"
#include "ui/messages.h"
#include "ui/resources/resource_ids.h"
#include "ui/status_text.h"

namespace quorvane {

namespace {

constexpr int kRefreshPeriodMs = 1000;

// The message the user knows, and on a second line why.
std::u16string WithCause(std::u16string_view message, const FileError& error) {
    std::u16string text(message);
    if (error) {
        text += u"\n" + DescribeFileError(error);
    }
    return text;
}

}  // namespace

CMainFrame::CMainFrame(IWindowPort& window, std::u16string dbPath, std::u16string helpPath,
                       CThreadGroup::ThreadStarter startThread)
    : m_window(window),
      m_dbPath(std::move(dbPath)),
      m_db6Path(Database6PathBeside(m_dbPath)),
      m_helpPath(std::move(helpPath)),
      m_workers(std::move(startThread)) {}

CMainFrame::~CMainFrame() {
    // The window may already be gone (the frontend destroys the frame after its loop has ended),
    // so the run is wound down without a single call into it.
    m_windowGone = true;
    ClosePosts();
    StopAndAwaitRun();
}

void CMainFrame::OnCreate() {
    ShowRunMenus();
    // A menu item that looks active must do something: About is enabled, whatever a menu
    // template says.
    m_window.SetMenuState(ID_CMD_ABOUT, MenuState::kEnabled);
}

bool CMainFrame::OnCommand(int commandId) {
    // Only the low word names the command; a notification code above it (an accelerator's 1,
    // a control's code) does not make it another command.
    switch (commandId & 0xFFFF) {
        case ID_CMD_IMPORT:
            OnImport();
            return true;
        case ID_CMD_EXPORT:
            OnExport();
            return true;
        case ID_CMD_EXIT:
            OnExit();
            return true;
        case ID_CMD_START:
            OnStart();
            return true;
        case ID_CMD_STOP:
            OnStop();
            return true;
        case ID_CMD_HELP:
            OnHelpPage();
            return true;
        case ID_CMD_ABOUT:
            OnAbout();
            return true;
        case ID_CMD_COPY:
            OnCopy();
            return true;
        case ID_CMD_SELECT_ALL:
            OnSelectAll();
            return true;
        default:
            return false;
    }
}

void CMainFrame::OnTimer(int timerId) {
    // A timer message already queued when the run's end killed the timer may still arrive; the
    // end has made the final repaint, so a late one is ignored.
    if (timerId == IDT_REFRESH && m_refreshTimerOn && !m_windowGone) {
        m_window.RepaintListNow();
        m_window.SetStatusText(ProgressStatus(m_table.GetRowsResolved(), m_table.GetRowCount()));
    }
}

void CMainFrame::OnClose() {
    if (m_windowGone) {
        return;
    }
    StopAndAwaitRun();
    m_windowGone = true;
    ClosePosts();
    m_window.DestroyWindow();
}

void CMainFrame::OnExit() {
    OnClose();
}

std::u16string CMainFrame::OnGetDispInfo(std::size_t row, int column) const {
    if (column < 0 || column > 4 || row >= m_table.GetRowCount()) {
        return {};
    }
    try {
        return m_table.GetField(row, column);
    } catch (const std::out_of_range&) {
        return {};
    }
}

namespace {

char16_t FoldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool StartsWithFolded(std::u16string_view text, std::u16string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (FoldAscii(text[i]) != FoldAscii(prefix[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::size_t> CMainFrame::FindRowByAddress(std::u16string_view prefix,
                                                        std::size_t start) const {
    // Addresses change only while no run is active, and only on this thread: reading them here
    // needs no lock.
    const std::size_t rows = m_table.GetRowCount();
    if (prefix.empty() || rows == 0) {
        return std::nullopt;
    }
    if (start >= rows) {
        start = 0;
    }
    std::u16string address;
    for (std::size_t step = 0; step < rows; ++step) {
        const std::size_t row = (start + step) % rows;
        m_table.Addresses().CopyText(row, address);
        if (StartsWithFolded(address, prefix)) {
            return row;
        }
    }
    return std::nullopt;
}

std::size_t CMainFrame::GetRowCount() const {
    return m_table.GetRowCount();
}

const CAddressTable& CMainFrame::Table() const {
    return m_table;
}

void CMainFrame::ShowMessage(std::u16string_view text) {
    m_window.ShowMessage(text, MessageButtons::kOk);
}

void CMainFrame::OnImport() {
    // The row count must not change while any worker of a run may still touch a row, which
    // lasts until the finished notification, not merely until Stop.
    if (m_runAlive) {
        ShowMessage(messages::kRunActive);
        return;
    }
    const std::optional<std::u16string> path = m_window.ChooseFileToOpen();
    if (path) {
        ImportFile(*path);
    }
}

void CMainFrame::OnOpenFile(std::u16string_view path) {
    if (m_runAlive) {
        ShowMessage(messages::kRunActive);
        return;
    }
    ImportFile(path);
}

void CMainFrame::ImportFile(std::u16string_view path) {
    bool clear = false;
    if (m_table.GetRowCount() != 0) {
        clear = m_window.ShowMessage(messages::kAskClear, MessageButtons::kYesNo) ==
                MessageAnswer::kYes;
    }
    // Read everything before touching a row: a file that cannot be read leaves the table as it
    // was, even after a Yes.
    CAddressBlock addresses;
    FileError error;
    if (!ReadAddressList(path, addresses, &error)) {
        ShowMessage(WithCause(messages::kImportUnreadable, error));
        return;
    }
    if (clear) {
        m_window.SetListItemCount(0);
    }
    bool appended = true;
    try {
        m_table.AppendAddresses(std::move(addresses), !clear);
    } catch (const std::bad_alloc&) {
        appended = false;  // the table is as it was
    }
    m_window.SetListItemCount(m_table.GetRowCount());
    m_window.SetStatusText(RowsStatus(m_table.GetRowCount()));
    if (!appended) {
        ShowMessage(WithCause(messages::kImportUnreadable, FileError{FileProblem::kOutOfMemory}));
    }
}

void CMainFrame::OnExport() {
    if (m_runAlive) {
        ShowMessage(messages::kRunActive);
        return;
    }
    if (m_table.GetRowCount() == 0) {
        ShowMessage(messages::kNothingToExport);
        return;
    }
    const std::optional<std::u16string> path = m_window.ChooseFileToSave();
    if (!path) {
        return;
    }
    FileError error;
    ShowMessage(WriteResultFile(m_table, *path, &error)
                    ? std::u16string(messages::kExportDone)
                    : WithCause(messages::kExportFailed, error));
}

void CMainFrame::OnStart() {
    // Start is grayed while a run is alive; a command that arrives anyway must not launch over
    // workers that are still running.
    if (m_runAlive || m_windowGone) {
        return;
    }
    // Opened, read and checked once here: the workers search what was checked.
    DatabaseOpening database = OpenDatabaseFile(m_dbPath);
    if (database.status != DatabaseStatus::kUsable) {
        ShowMessage(database.status == DatabaseStatus::kMissing ? messages::kDatabaseMissing
                                                                : messages::kDatabaseUnusable);
        return;
    }
    if (m_table.GetRowCount() == 0) {
        ShowMessage(messages::kImportFirst);
        return;
    }
    // region6.db is read only for a list that may hold IPv6 rows; without it the run goes on for
    // the rest, and its end says which rows went unresolved and why.
    SharedDatabase database6;
    m_ipv6Status = QUORVANE_DB_OK;
    if (MayHoldIpv6Rows(m_table.Addresses())) {
        DatabaseOpening opening6 = OpenDatabaseFile(m_db6Path, QUORVANE_DB_IPV6);
        m_ipv6Status = opening6.engineStatus;
        database6 = std::move(opening6.database);
    }
    m_runAlive = true;
    m_stopAsked = false;
    m_runStart = std::chrono::steady_clock::now();
    ShowRunMenus();
    m_window.SetStatusText(ProgressStatus(0, m_table.GetRowCount()));
    if (!StartLookupRun(m_workers, m_table, std::move(database.database), std::move(database6),
                        [this] { PostFinishRun(); })) {
        // No notification will come: back to Idle before telling the user.
        m_runAlive = false;
        ShowRunMenus();
        m_window.SetStatusText(RowsStatus(m_table.GetRowCount()));
        ShowMessage(messages::kNoWorkerThread);
        return;
    }
    // The finished notification reaches this thread through its queue, so it cannot come before
    // the timer has started.
    m_refreshTimerOn = true;
    m_window.StartTimer(IDT_REFRESH, kRefreshPeriodMs);
}

void CMainFrame::OnStop() {
    if (!m_runAlive || m_stopAsked) {
        return;
    }
    m_stopAsked = true;
    m_workers.StartJoinWaiter();
    ShowRunMenus();
    m_table.RequestStop();
}

void CMainFrame::OnHelpPage() {
    // Without a browser (or with one that refuses to run, as some do for root) the system cannot
    // show the page; the tool's own viewer always can.
    if (!m_window.OpenWithSystem(m_helpPath)) {
        m_window.ShowHelpPage(m_helpPath);
    }
}

void CMainFrame::OnAbout() {
    m_window.ShowAboutDialog();
}

void CMainFrame::OnCopy() {
    try {
        std::string lines;
        const std::size_t rows = m_table.GetRowCount();
        for (const std::size_t row : m_window.GetSelectedRows()) {
            if (row < rows) {
                AppendExportLine(m_table, row, lines);
            }
        }
        if (!lines.empty()) {
            m_window.SetClipboardText(Utf8ToWide(lines));
        }
    } catch (const std::bad_alloc&) {
        // A selection too large to hold twice over: the clipboard keeps what it had.
    }
}

void CMainFrame::OnSelectAll() {
    m_window.SelectAllRows();
}

void CMainFrame::ShowRunMenus() {
    const MenuState start = m_runAlive ? MenuState::kGrayed : MenuState::kEnabled;
    const MenuState stop = m_runAlive && !m_stopAsked ? MenuState::kEnabled : MenuState::kGrayed;
    if (start != m_startShown) {
        m_startShown = start;
        m_window.SetMenuState(ID_CMD_START, start);
    }
    if (stop != m_stopShown) {
        m_stopShown = stop;
        m_window.SetMenuState(ID_CMD_STOP, stop);
    }
}

void CMainFrame::PostFinishRun() {
    std::lock_guard<std::mutex> guard(m_postLock);
    if (m_postsOpen) {
        m_window.PostToWindowThread([target = std::weak_ptr<CMainFrame*>(m_postTarget)] {
            if (const std::shared_ptr<CMainFrame*> frame = target.lock()) {
                (*frame)->FinishRun();
            }
        });
    }
}

void CMainFrame::ClosePosts() {
    std::lock_guard<std::mutex> guard(m_postLock);
    m_postsOpen = false;
}

void CMainFrame::FinishRun() {
    if (!m_runAlive) {
        return;
    }
    RunSummary summary;
    summary.elapsed = std::chrono::steady_clock::now() - m_runStart;
    summary.stopped = m_stopAsked || m_table.RanOutOfMemory();
    m_table.EndRun();
    m_runAlive = false;
    m_stopAsked = false;
    m_refreshTimerOn = false;
    if (m_windowGone) {
        return;
    }
    m_window.RepaintListNow();
    m_window.KillTimer(IDT_REFRESH);
    ShowRunMenus();
    // Every worker has ended, so the counts are final. Rows handed out but not resolved when a
    // stop came (up to a block per worker) keep what they held, possibly an earlier run's
    // results: they count as not reached.
    summary.rows = m_table.GetRowCount();
    summary.reached = m_table.GetRowsResolved();
    summary.withoutResult = m_table.GetRowsResolvedWithoutResult();
    if (m_ipv6Status != QUORVANE_DB_OK) {
        summary.ipv6Unresolved = CountIpv6Rows(m_table.Addresses(), summary.reached);
        summary.ipv6Cause = DatabaseFailureCause(m_ipv6Status);
    }
    m_window.SetStatusText(FinishedStatus(summary));
    if (m_table.RanOutOfMemory()) {
        ShowMessage(messages::kOutOfMemory);
    }
}

void CMainFrame::StopAndAwaitRun() {
    // Idle, the flag is set already. The waiters only post to this thread, so waiting for them
    // here cannot deadlock; the run then ends here, and its post finds nothing to do.
    m_table.RequestStop();
    m_workers.WaitForWaiters();
    FinishRun();
}

}  // namespace quorvane
