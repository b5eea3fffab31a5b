#include "ui/module_list_model.h"

#include <algorithm>

namespace zorvane {
namespace {

bool rowBefore(int column, const ModuleListModel::Row& a, const ModuleListModel::Row& b) {
    if (column == ModuleListModel::kCountColumn) {
        const long long x = a.count.toLongLong(), y = b.count.toLongLong();
        if (x != y) return x < y;
    }
    return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
}

QVariant alignment(int column) {
    return column == ModuleListModel::kCountColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace

void ModuleListModel::SetRows(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ModuleListModel::SortBy(int column, bool descending) {
    beginResetModel();
    std::stable_sort(rows_.begin(), rows_.end(), [&](const Row& a, const Row& b) {
        return descending ? rowBefore(column, b, a) : rowBefore(column, a, b);
    });
    endResetModel();
}

int ModuleListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ModuleListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant ModuleListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::TextAlignmentRole) return alignment(index.column());
    if (role != Qt::DisplayRole) return {};
    const Row& row = RowAt(index.row());
    return index.column() == kCountColumn ? row.count : row.name;
}

QVariant ModuleListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole) return alignment(section);
    if (role != Qt::DisplayRole) return {};
    return section == kCountColumn ? QStringLiteral("数量") : QStringLiteral("ファイル名");
}

}  // namespace zorvane
