#pragma once

#include "core/menu_array.h"

#include <QMap>
#include <QMenu>
#include <QPointer>
#include <QSet>

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
    // Check items take and lose the check mark: they are shown (and told to
    // screen readers) as check items also while unchecked. Items not named
    // here are check items only while they carry the mark.
    void setCheckItems(const QList<int>& indexes);
    // Every item is a choice that carries the mark when chosen (loop modes,
    // sort keys, pictures), however many items the array grows to.
    void setEveryItemCheckable();

signals:
    void itemClicked(int index);

private:
    void rebuild();
    bool isCheckItem(int index, const MenuItem& item) const;

    const MenuArray& items_;
    QMap<int, QPointer<QMenu>> submenus_;
    QSet<int> checkItems_;
    bool everyItemCheckable_ = false;
};
