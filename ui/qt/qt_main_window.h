// The Qt main window: menu bar, result list, timers and dialogs. It decides nothing itself: menu
// commands, timer expiries, close requests and cell requests go to the attached CMainFrame, which
// answers through the IWindowPort side of this class.
#ifndef QUORVANE_UI_QT_QT_MAIN_WINDOW_H_
#define QUORVANE_UI_QT_QT_MAIN_WINDOW_H_

#include <QMainWindow>
#include <QString>
#include <map>
#include <memory>

#include "ui/qt/qt_result_list_view.h"
#include "ui/window_port.h"

class QAction;
class QLabel;

namespace quorvane {

class CHelpViewer;
class CMainFrame;
class CResultListModel;

class CQtMainWindow : public QMainWindow, public IWindowPort {
    Q_OBJECT

  public:
    // The outer size of the window, frame included.
    static constexpr int kOuterWidth = 750;
    static constexpr int kOuterHeight = 450;

    // helpPage: the local help page the About dialog's links point into.
    explicit CQtMainWindow(QString helpPage, QWidget* parent = nullptr);
    ~CQtMainWindow() override;

    // Connects the window to its frame logic, or disconnects it (nullptr) before the frame is
    // destroyed; without a frame the list is empty and close requests are granted at once.
    // REQUIRES: frame, when set, outlives the attachment.
    void AttachFrame(CMainFrame* frame);

    // Gives the window its outer size, centres it on the work area and shows it.
    void PlaceAndShow();

    // Qt's own file dialogs instead of the platform's (tests cannot reach a native one).
    void SetUseNativeDialogs(bool native) { m_useNativeDialogs = native; }

    // Access for tests, the screenshot and the benchmark.
    QAction* Action(int commandId) const;
    CResultListView* List() const { return m_list; }
    CResultListModel* Model() const { return m_model; }
    bool IsDestroyed() const { return m_destroyed; }
    bool IsTimerRunning(int timerId) const { return m_timers.count(timerId) != 0; }
    QLabel* StatusLabel() const { return m_status; }
    // The help viewer once Help has needed it; nullptr before.
    CHelpViewer* HelpViewer() const { return m_helpViewer.get(); }

    // IWindowPort.
    MessageAnswer ShowMessage(std::u16string_view text, MessageButtons buttons) override;
    std::optional<std::u16string> ChooseFileToOpen() override;
    std::optional<std::u16string> ChooseFileToSave() override;
    void SetMenuState(int commandId, MenuState state) override;
    void StartTimer(int timerId, int periodMs) override;
    void KillTimer(int timerId) override;
    void SetListItemCount(std::size_t count) override;
    void RepaintListNow() override;
    std::vector<std::size_t> GetSelectedRows() override;
    void SelectAllRows() override;
    void SetClipboardText(std::u16string_view text) override;
    void PostToWindowThread(std::function<void()> fn) override;
    void SetStatusText(std::u16string_view text) override;
    bool OpenWithSystem(std::u16string_view pathOrUrl) override;
    void ShowHelpPage(std::u16string_view path) override;
    void ShowAboutDialog() override;
    void DestroyWindow() override;

  signals:
    // The window was destroyed by DestroyWindow; the application ends.
    void WindowDestroyed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    // A text file dropped on the window is imported, as if chosen in Import's Open dialog.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildMenu();
    void BuildList();
    void BuildStatusBar();
    void FitOuterSize();
    std::optional<std::u16string> ChooseFile(bool save);

    QString m_helpPage;
    CMainFrame* m_frame = nullptr;
    CResultListModel* m_model = nullptr;
    CResultListView* m_list = nullptr;
    QLabel* m_status = nullptr;
    std::unique_ptr<CHelpViewer> m_helpViewer;  // a window of its own, owned here
    std::map<int, QAction*> m_actions;          // command identifier -> menu item
    std::map<int, int> m_timers;                // frame's timer identifier -> Qt's timer identifier
    bool m_useNativeDialogs = true;
    bool m_inCloseEvent = false;
    bool m_destroyed = false;
    bool m_fitted = false;  // the window manager's frame was taken off the client size
};

}  // namespace quorvane

#endif  // QUORVANE_UI_QT_QT_MAIN_WINDOW_H_
