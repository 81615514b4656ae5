#include "ui/qt/qt_result_list_model.h"

#include <climits>
#include <utility>

#include "ui/qt/qt_text.h"
#include "ui/window_texts.h"

namespace quorvane {

namespace {

const auto& kColumns = texts::kListColumns;
static_assert(texts::kListColumnCount == CResultListModel::kColumnCount);

}  // namespace

CResultListModel::CResultListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CResultListModel::SetCellSource(CellSource source) {
    beginResetModel();
    m_source = std::move(source);
    endResetModel();
}

void CResultListModel::SetItemCount(std::size_t count) {
    beginResetModel();
    m_itemCount = count;
    endResetModel();
}

QString CResultListModel::ColumnHeader(int column) {
    if (column < 0 || column >= kColumnCount) {
        return {};
    }
    return QString::fromUtf16(kColumns[column].header);
}

int CResultListModel::ColumnWidth(int column) {
    if (column < 0 || column >= kColumnCount) {
        return 0;
    }
    return kColumns[column].width;
}

int CResultListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    // The view counts in int; a table that large cannot be shown past this anyway.
    return m_itemCount > static_cast<std::size_t>(INT_MAX) ? INT_MAX
                                                           : static_cast<int>(m_itemCount);
}

int CResultListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CResultListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() < 0 ||
        static_cast<std::size_t>(index.row()) >= m_itemCount || index.column() < 0 ||
        index.column() >= kColumnCount || !m_source) {
        return {};
    }
    return ToQString(m_source(static_cast<std::size_t>(index.row()), index.column()));
}

QVariant CResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return ColumnHeader(section);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        default:
            return {};
    }
}

Qt::ItemFlags CResultListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace quorvane
