#pragma once

#include "core/menu_array.h"

#include <QAbstractListModel>
#include <QList>

// The playlist's entries as rows, copied from the List menu's items when
// the menu opens: the caption as display text, the check mark as check
// state, and the item's index.
class ListMenuModel : public QAbstractListModel {
public:
    // Captions longer than this are cut for showing (a path is never as long).
    static constexpr int kShownChars = 1024;
    static constexpr int IndexRole = Qt::UserRole;

    using QAbstractListModel::QAbstractListModel;

    void load(const MenuArray& items);
    int currentRow() const { return currentRow_; }
    // The rows whose captions are the longest (at most count of them).
    QList<int> longestRows(int count) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Every entry is a check item: the current one carries the mark.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Row {
        int index;
        QString caption;
        bool checked;
    };
    QList<Row> rows_;
    int currentRow_ = -1;
};
