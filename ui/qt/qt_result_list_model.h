// The result list's model: a virtual table that holds no copy of the rows. It knows only the item
// count it was given and asks its cell source for the text of each cell the view paints.
#ifndef QUORVANE_UI_QT_QT_RESULT_LIST_MODEL_H_
#define QUORVANE_UI_QT_QT_RESULT_LIST_MODEL_H_

#include <QAbstractTableModel>
#include <cstddef>
#include <functional>
#include <string>

namespace quorvane {

class CResultListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Gives the text of one cell (row, column 0..4); may be asked for a row past the table and
    // must then answer empty.
    using CellSource = std::function<std::u16string(std::size_t row, int column)>;

    static constexpr int kColumnCount = 5;

    explicit CResultListModel(QObject* parent = nullptr);

    // Replaces the cell source; an empty one makes every cell empty (the frame is gone).
    void SetCellSource(CellSource source);

    // The number of items the view shows; the view drops everything it painted or selected.
    void SetItemCount(std::size_t count);
    std::size_t ItemCount() const { return m_itemCount; }

    // Header text and width in pixels of column; an empty text and 0 outside 0..4.
    static QString ColumnHeader(int column);
    static int ColumnWidth(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    CellSource m_source;
    std::size_t m_itemCount = 0;
};

}  // namespace quorvane

#endif  // QUORVANE_UI_QT_QT_RESULT_LIST_MODEL_H_
