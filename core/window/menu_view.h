#pragma once

#include "core/menu_array.h"

#include <QMap>
#include <QMenu>
#include <QPointer>

// A popup menu that shows a menu control array. The items are built from
// the array each time the menu opens, so it always shows the current
// captions, check marks and enabled states. Chosen items may open
// submenus (the Options menu's loop modes, the File menu's folder filters).
class MenuView : public QMenu {
    Q_OBJECT
public:
    MenuView(const QString& title, const MenuArray& items, QWidget* parent = nullptr);

    // Item index opens the submenu instead of being clicked.
    void setSubmenu(int index, QMenu* submenu);

signals:
    void itemClicked(int index);

private:
    void rebuild();

    const MenuArray& items_;
    QMap<int, QPointer<QMenu>> submenus_;
};
