#pragma once

#include "core/menu_array.h"

#include <QMap>
#include <QMenu>
#include <QPointer>

// A popup menu built from a menu control array each time it opens, in
// which chosen items open submenus (the Options menu's loop modes,
// backgrounds and start pictures, the File menu's folder filters).
class NestedMenuView : public QMenu {
    Q_OBJECT
public:
    NestedMenuView(const QString& title, const MenuArray& items, QWidget* parent = nullptr);

    // Item index opens the submenu instead of being clicked.
    void setSubmenu(int index, QMenu* submenu);

signals:
    void itemClicked(int index);

private:
    void rebuild();

    const MenuArray& items_;
    QMap<int, QPointer<QMenu>> submenus_;
};
