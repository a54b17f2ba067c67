#include "window/list_menu_model.h"

#include <algorithm>
#include <numeric>

void ListMenuModel::load(const MenuArray& items)
{
    beginResetModel();
    rows_.clear();
    rows_.reserve(items.items().size());
    currentRow_ = -1;
    for (auto it = items.items().cbegin(); it != items.items().cend(); ++it) {
        const MenuItem& item = it.value();
        if (!item.visible)
            continue;
        if (item.checked && currentRow_ < 0)
            currentRow_ = int(rows_.size());
        rows_.append({it.key(), item.caption, item.checked});
    }
    endResetModel();
}

QList<int> ListMenuModel::longestRows(int count) const
{
    QList<int> rows(rows_.size());
    std::iota(rows.begin(), rows.end(), 0);
    const auto longer = [this](int a, int b) {
        return rows_.at(a).caption.size() > rows_.at(b).caption.size();
    };
    if (rows.size() > count) {
        std::nth_element(rows.begin(), rows.begin() + count, rows.end(), longer);
        rows.resize(count);
    }
    return rows;
}

int ListMenuModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant ListMenuModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const Row& row = rows_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return row.caption.left(kShownChars);
    case Qt::CheckStateRole:
        return row.checked ? Qt::Checked : Qt::Unchecked;
    case IndexRole:
        return row.index;
    default:
        return {};
    }
}

Qt::ItemFlags ListMenuModel::flags(const QModelIndex& index) const
{
    return QAbstractListModel::flags(index) | Qt::ItemIsUserCheckable;
}
