#include "ui/qt/qt_result_list_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <algorithm>

#include "ui/qt/qt_result_list_model.h"
#include "ui/resources/resource_ids.h"

namespace quorvane {

namespace {

constexpr int kLastColumn = CResultListModel::kColumnCount - 1;

}  // namespace

CResultListView::CResultListView(QWidget* parent) : QTableView(parent) {
    QHeaderView* columns = horizontalHeader();
    columns->setStretchLastSection(false);
    // A width the user gives the last column is its new base; growth still adds to it.
    connect(columns, &QHeaderView::sectionResized, this, [this](int column, int, int newSize) {
        if (column == kLastColumn && !m_fitting) {
            m_lastBase = std::max(1, newSize - Growth());
        }
    });
}

void CResultListView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    QHeaderView* columns = horizontalHeader();
    for (int column = 0; column < CResultListModel::kColumnCount; ++column) {
        columns->resizeSection(column, CResultListModel::ColumnWidth(column));
    }
    m_lastBase = CResultListModel::ColumnWidth(kLastColumn);
    FitLastColumn();
}

void CResultListView::SetReferenceOuterWidth(int outerWidth) {
    m_referenceWidth = outerWidth;
    FitLastColumn();
}

int CResultListView::Growth() const {
    // The window's outer width, not the list's: a scroll bar that comes and goes, or a window
    // manager's frame that arrives after the first show, must not move the columns.
    return m_referenceWidth < 0 ? 0
                                : std::max(0, window()->frameGeometry().width() - m_referenceWidth);
}

void CResultListView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FitLastColumn();
}

void CResultListView::FitLastColumn() {
    m_fitting = true;
    horizontalHeader()->resizeSection(kLastColumn, m_lastBase + Growth());
    m_fitting = false;
}

bool CResultListView::IsElided(const QModelIndex& index) const {
    if (!index.isValid()) {
        return false;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) {
        return false;
    }
    // The item delegate leaves a margin of the focus frame's width plus one on each side.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int room = visualRect(index).width() - 2 * margin;
    return viewport()->fontMetrics().horizontalAdvance(text) > room;
}

bool CResultListView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (IsElided(index)) {
            QToolTip::showText(help->globalPos(), index.data(Qt::DisplayRole).toString(),
                               viewport(), visualRect(index));
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QTableView::viewportEvent(event);
}

std::vector<std::size_t> CResultListView::SelectedRows() const {
    std::vector<std::size_t> rows;
    if (selectionModel() == nullptr) {
        return rows;
    }
    // By ranges rather than by index: a million selected rows are a single range.
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.push_back(static_cast<std::size_t>(row));
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void CResultListView::keyPressEvent(QKeyEvent* event) {
    // The view's own Ctrl+C would copy only the current cell's text.
    if (event->matches(QKeySequence::Copy)) {
        emit CommandRequested(ID_CMD_COPY);
    } else if (event->matches(QKeySequence::SelectAll)) {
        emit CommandRequested(ID_CMD_SELECT_ALL);
    } else {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
}

QModelIndex CResultListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // As in a report list, Home and End go to the first and last row, not along the row.
    const bool plain = !(modifiers & Qt::ControlModifier);
    if (plain && (action == MoveHome || action == MoveEnd) && model() && model()->rowCount() > 0) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        const int row = action == MoveHome ? 0 : model()->rowCount() - 1;
        return model()->index(row, column);
    }
    return QTableView::moveCursor(action, modifiers);
}

void CResultListView::keyboardSearch(const QString& search) {
    if (!m_finder || model() == nullptr || model()->rowCount() == 0 || search.isEmpty()) {
        return;
    }
    const bool fresh =
        !m_typedClock.isValid() || m_typedClock.elapsed() > QApplication::keyboardInputInterval();
    m_typedClock.restart();
    m_typed = fresh ? search : m_typed + search;
    const bool oneLetterRepeated = m_typed.count(m_typed.front()) == m_typed.size();
    const QString text = oneLetterRepeated ? m_typed.left(1) : m_typed;
    // One letter steps past the focused row; a longer text may still match the focused row.
    const QModelIndex current = currentIndex();
    std::size_t start = 0;
    if (current.isValid()) {
        start = static_cast<std::size_t>(current.row()) + (oneLetterRepeated ? 1 : 0);
    }
    const std::optional<std::size_t> row = m_finder(text.toStdU16String(), start);
    if (!row || *row >= static_cast<std::size_t>(model()->rowCount())) {
        return;
    }
    const QModelIndex found = model()->index(static_cast<int>(*row), 0);
    setCurrentIndex(found);
    scrollTo(found);
}

}  // namespace quorvane
