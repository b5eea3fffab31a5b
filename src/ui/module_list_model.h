#pragma once
// The picker's rows, a module name and its icon count each, held in one vector behind a
// table model: the view asks only for the rows on screen, so a list of hundreds of
// thousands of lines shows as fast as it is read.

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace zorvane {

class ModuleListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kNameColumn = 0, kCountColumn = 1 };
    struct Row {
        QString name;
        QString count;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void SetRows(std::vector<Row> rows);
    const Row& RowAt(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    // Name column without regard to case, count column by value then name; stable.
    void SortBy(int column, bool descending);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Row> rows_;
};

}  // namespace zorvane
