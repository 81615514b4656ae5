// The result list's view: a report list over CResultListModel. The columns start at their
// designed widths; when its window grows wider than its designed outer width, the last column
// takes the extra width. A cell too narrow for its text shows the whole text as a tooltip, and
// Home/End jump to the first/last row. Ctrl+C and Ctrl+A are not the view's own: they are
// handed on as the commands ID_CMD_COPY and ID_CMD_SELECT_ALL.
#ifndef QUORVANE_UI_QT_QT_RESULT_LIST_VIEW_H_
#define QUORVANE_UI_QT_QT_RESULT_LIST_VIEW_H_

#include <QElapsedTimer>
#include <QTableView>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

class CResultListView : public QTableView {
    Q_OBJECT

  public:
    explicit CResultListView(QWidget* parent = nullptr);

    // Also gives the columns their designed widths (CResultListModel::ColumnWidth).
    void setModel(QAbstractItemModel* model) override;

    // The outer width (frame included) of the top-level window at which the columns have their
    // designed widths; the last column takes whatever the window is wider. Without it the
    // columns keep their widths.
    void SetReferenceOuterWidth(int outerWidth);

    // True when the cell's text is wider than the room the cell gives it.
    bool IsElided(const QModelIndex& index) const;

    // The selected rows, ascending, each once.
    std::vector<std::size_t> SelectedRows() const;

    // Answers type-to-find: the row, from start on and wrapping, whose address begins with the
    // text typed (CMainFrame::FindRowByAddress); without one, typing moves nothing.
    using RowFinder =
        std::function<std::optional<std::size_t>(std::u16string_view typed, std::size_t start)>;
    void SetRowFinder(RowFinder finder) { m_finder = std::move(finder); }

    // Typing goes to the next row whose address starts with the text typed, as in the system's
    // own lists: one letter typed again and again steps from row to row, letters typed quickly
    // one after another make one text, searched from the focused row on.
    void keyboardSearch(const QString& search) override;

  signals:
    // A key the frame logic handles, as its command identifier.
    void CommandRequested(int commandId);

  protected:
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

  private:
    void FitLastColumn();
    // How much wider the top-level window is than its reference width.
    int Growth() const;

    int m_referenceWidth = -1;  // -1: none
    int m_lastBase = 0;         // the last column's width without growth
    bool m_fitting = false;     // a resize of the last column made by FitLastColumn
    RowFinder m_finder;
    QString m_typed;             // the text typed so far
    QElapsedTimer m_typedClock;  // since the last letter typed
};

}  // namespace quorvane

#endif  // QUORVANE_UI_QT_QT_RESULT_LIST_VIEW_H_
