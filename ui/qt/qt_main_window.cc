#include "ui/qt/qt_main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QTimerEvent>
#include <QUrl>
#include <algorithm>
#include <memory>
#include <utility>

#include "ui/main_frame.h"
#include "ui/qt/qt_about_dialog.h"
#include "ui/qt/qt_app_icon.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_help_viewer.h"
#include "ui/qt/qt_make_child.h"
#include "ui/qt/qt_result_list_model.h"
#include "ui/qt/qt_result_list_view.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_window_geometry.h"
#include "ui/resources/resource_ids.h"
#include "ui/window_texts.h"

namespace quorvane {

CQtMainWindow::CQtMainWindow(QString helpPage, QWidget* parent)
    : QMainWindow(parent), m_helpPage(std::move(helpPage)) {
    setWindowTitle(QString::fromUtf16(texts::kWindowTitle));
    setWindowIcon(AppIcon());
    BuildMenu();
    BuildList();
    BuildStatusBar();
    setAcceptDrops(true);
}

CQtMainWindow::~CQtMainWindow() {
    for (const auto& [id, qtId] : m_timers) {
        QObject::killTimer(qtId);
    }
}

void CQtMainWindow::BuildMenu() {
    QMenu* menu = nullptr;
    for (const texts::MenuEntry& entry : texts::kMainMenu) {
        if (entry.kind == texts::MenuEntry::kPopup) {
            menu = menuBar()->addMenu(QString::fromUtf16(entry.label));
            continue;
        }
        if (entry.kind == texts::MenuEntry::kSeparator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf16(entry.label));
        action->setData(entry.commandId);
        const int id = entry.commandId;
        connect(action, &QAction::triggered, this, [this, id] {
            if (m_frame) {
                m_frame->OnCommand(id);
            }
        });
        m_actions[id] = action;
    }
}

void CQtMainWindow::BuildList() {
    m_model = MakeChild<CResultListModel>(this);
    m_model->SetCellSource([this](std::size_t row, int column) {
        return m_frame ? m_frame->OnGetDispInfo(row, column) : std::u16string();
    });
    m_list = MakeChild<CResultListView>(this);
    m_list->SetReferenceOuterWidth(kOuterWidth);
    m_list->setModel(m_model);
    connect(m_list, &CResultListView::CommandRequested, this, [this](int id) {
        if (m_frame) {
            m_frame->OnCommand(id);
        }
    });
    m_list->SetRowFinder([this](std::u16string_view typed, std::size_t start) {
        return m_frame ? m_frame->FindRowByAddress(typed, start) : std::nullopt;
    });
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSortingEnabled(false);
    m_list->setWordWrap(false);
    m_list->setCornerButtonEnabled(false);
    m_list->setTabKeyNavigation(false);
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The selection shows only while the list has the focus, as in a report list.
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Inactive, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Inactive, QPalette::Text));
    m_list->setPalette(palette);

    // Like a report list: no row numbers, one fixed row height, so the view never measures rows
    // and its cost stays the visible cells whatever the row count.
    QHeaderView* rows = m_list->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    rows->setMinimumSectionSize(1);

    QHeaderView* columns = m_list->horizontalHeader();
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(false);
    columns->setHighlightSections(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setCentralWidget(m_list);
}

void CQtMainWindow::BuildStatusBar() {
    // A plain label rather than the bar's temporary message, which a menu item's status tip
    // would wipe.
    m_status = MakeChild<QLabel>(this);
    m_status->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(m_status, 1);
}

void CQtMainWindow::AttachFrame(CMainFrame* frame) {
    m_frame = frame;
    if (!frame) {
        m_model->SetItemCount(0);
    }
}

void CQtMainWindow::PlaceAndShow() {
    // Until the window manager has framed the window its frame is its client area; FitOuterSize
    // takes the frame off once it is known.
    resize(kOuterWidth, kOuterHeight);
    CentreTopLevel(*this, nullptr, QSize(kOuterWidth, kOuterHeight));
    show();
}

void CQtMainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_fitted) {
        QTimer::singleShot(0, this, &CQtMainWindow::FitOuterSize);
    }
}

void CQtMainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // A window manager reports its frame some time after the window appears, with a move.
    if (!m_fitted && isVisible()) {
        FitOuterSize();
    }
}

void CQtMainWindow::FitOuterSize() {
    const QSize frame = frameGeometry().size() - size();
    if (m_fitted || (frame.width() <= 0 && frame.height() <= 0)) {
        return;
    }
    m_fitted = true;
    resize(kOuterWidth - frame.width(), kOuterHeight - frame.height());
    // Centred again with the final outer size (the frame may have shifted the window).
    CentreTopLevel(*this, nullptr, QSize(kOuterWidth, kOuterHeight));
}

QAction* CQtMainWindow::Action(int commandId) const {
    auto it = m_actions.find(commandId);
    return it == m_actions.end() ? nullptr : it->second;
}

MessageAnswer CQtMainWindow::ShowMessage(std::u16string_view text, MessageButtons buttons) {
    auto box = MakeMessageBox(this, text, buttons);
    return RunMessageBox(*box);
}

std::optional<std::u16string> CQtMainWindow::ChooseFile(bool save) {
    auto dialog = MakeFileDialog(this, save, m_useNativeDialogs);
    if (dialog->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList files = dialog->selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) {
        return std::nullopt;
    }
    return FromQString(files.first());
}

std::optional<std::u16string> CQtMainWindow::ChooseFileToOpen() {
    return ChooseFile(false);
}

std::optional<std::u16string> CQtMainWindow::ChooseFileToSave() {
    return ChooseFile(true);
}

void CQtMainWindow::SetMenuState(int commandId, MenuState state) {
    if (QAction* action = Action(commandId)) {
        action->setEnabled(state == MenuState::kEnabled);
    }
}

void CQtMainWindow::StartTimer(int timerId, int periodMs) {
    KillTimer(timerId);  // starting a running timer again restarts it with the new period
    const int qtId = QObject::startTimer(std::max(periodMs, 0));
    if (qtId != 0) {
        m_timers[timerId] = qtId;
    }
}

void CQtMainWindow::KillTimer(int timerId) {
    auto it = m_timers.find(timerId);
    if (it != m_timers.end()) {
        QObject::killTimer(it->second);
        m_timers.erase(it);
    }
}

void CQtMainWindow::timerEvent(QTimerEvent* event) {
    for (const auto& [id, qtId] : m_timers) {
        if (qtId == event->timerId()) {
            const int timerId = id;  // OnTimer may kill the timer and so change m_timers
            if (m_frame) {
                m_frame->OnTimer(timerId);
            }
            return;
        }
    }
    QMainWindow::timerEvent(event);
}

void CQtMainWindow::SetListItemCount(std::size_t count) {
    m_model->SetItemCount(count);
}

void CQtMainWindow::RepaintListNow() {
    m_list->viewport()->repaint();
}

std::vector<std::size_t> CQtMainWindow::GetSelectedRows() {
    return m_list->SelectedRows();
}

void CQtMainWindow::SelectAllRows() {
    m_list->selectAll();
}

void CQtMainWindow::SetClipboardText(std::u16string_view text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

namespace {

// The first local file a drag carries, or an empty text.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

}  // namespace

void CQtMainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (m_frame && !DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CQtMainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // The question and the messages are modal: they wait until the drag source has been told
    // that the drop is done.
    QTimer::singleShot(0, this, [this, file = FromQString(path)] {
        if (m_frame && !m_destroyed) {
            m_frame->OnOpenFile(file);
        }
    });
}

void CQtMainWindow::PostToWindowThread(std::function<void()> fn) {
    // Posting an event is safe from any thread; the call runs when this thread's loop takes it.
    QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
}

void CQtMainWindow::SetStatusText(std::u16string_view text) {
    m_status->setText(ToQString(text));
}

namespace {

QUrl ToUrl(std::u16string_view pathOrUrl) {
    const QString text = ToQString(pathOrUrl);
    return text.contains(QStringLiteral("://")) ? QUrl(text) : QUrl::fromLocalFile(text);
}

}  // namespace

bool CQtMainWindow::OpenWithSystem(std::u16string_view pathOrUrl) {
    const QUrl url = ToUrl(pathOrUrl);
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        // No desktop opener: whatever Qt itself knows (an in-process handler, a portal).
        return QDesktopServices::openUrl(url);
    }
    // xdg-open's exit status tells what Qt's detached launch would hide: no browser, or one that
    // refuses to run (as some do for root). A failure reported soon after shows the page in the
    // tool's own viewer; the process object goes with the window at the latest.
    auto process = std::make_unique<QProcess>(this);
    process->setProgram(opener);
    process->setArguments({url.toString()});
    QProcess* launched = process.release();
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    const std::u16string path(pathOrUrl);
    connect(launched, &QProcess::finished, this,
            [this, launched, started, path](int exitCode, QProcess::ExitStatus status) {
                launched->deleteLater();
                constexpr qint64 kSoonMs = 20000;
                if ((status != QProcess::NormalExit || exitCode != 0) &&
                    started->elapsed() < kSoonMs && !m_destroyed) {
                    ShowHelpPage(path);
                }
            });
    launched->start();
    if (!launched->waitForStarted(5000)) {
        launched->deleteLater();
        return false;
    }
    return true;
}

void CQtMainWindow::ShowHelpPage(std::u16string_view path) {
    if (!m_helpViewer) {
        m_helpViewer = std::make_unique<CHelpViewer>(this);
    }
    m_helpViewer->ShowPage(ToUrl(path));
}

void CQtMainWindow::ShowAboutDialog() {
    QWidget* owner = QApplication::activeWindow();
    CAboutDialog dialog(owner ? owner : this, m_helpPage);
    dialog.exec();
}

void CQtMainWindow::DestroyWindow() {
    if (m_destroyed) {
        return;
    }
    m_destroyed = true;
    for (const auto& [id, qtId] : m_timers) {
        QObject::killTimer(qtId);
    }
    m_timers.clear();
    if (!m_inCloseEvent) {
        close();  // closeEvent grants it: the window is destroyed
    }
    emit WindowDestroyed();
}

void CQtMainWindow::closeEvent(QCloseEvent* event) {
    if (!m_destroyed && m_frame) {
        // The frame decides: it stops a run, waits for it and then calls DestroyWindow.
        m_inCloseEvent = true;
        m_frame->OnClose();
        m_inCloseEvent = false;
    }
    if (m_destroyed || !m_frame) {
        m_destroyed = true;
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace quorvane
