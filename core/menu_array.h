#pragma once

#include <QMap>
#include <QString>

// One item of a menu control array. A caption of "-" is a separator.
struct MenuItem {
    QString caption;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
};

// A menu control array: items by index. Indexes may have gaps, as in the
// designed menus; the window builds its menus from these items.
class MenuArray {
public:
    MenuItem& operator[](int index) { return items_[index]; }
    // Only for an index the array holds (see contains()).
    const MenuItem& at(int index) const
    {
        Q_ASSERT(contains(index));
        return items_.find(index).value();
    }
    bool contains(int index) const { return items_.contains(index); }
    const QMap<int, MenuItem>& items() const { return items_; }
    void clear() { items_.clear(); }
    void remove(int index) { items_.remove(index); }

private:
    QMap<int, MenuItem> items_;
};
