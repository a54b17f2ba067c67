#pragma once

#include "core/menu_array.h"

#include <QMenu>

// A popup menu that shows a menu control array. The items are built from
// the array each time the menu opens, so it always shows the current
// captions, check marks and enabled states.
class MenuView : public QMenu {
    Q_OBJECT
public:
    MenuView(const QString& title, const MenuArray& items, QWidget* parent = nullptr);

signals:
    void itemClicked(int index);

private:
    void rebuild();

    const MenuArray& items_;
};
