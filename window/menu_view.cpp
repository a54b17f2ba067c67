#include "window/menu_view.h"

MenuView::MenuView(const QString& title, const MenuArray& items, QWidget* parent)
    : QMenu(title, parent), items_(items)
{
    connect(this, &QMenu::aboutToShow, this, &MenuView::rebuild);
    rebuild();
}

void MenuView::setSubmenu(int index, QMenu* submenu)
{
    submenus_[index] = submenu;
    rebuild();
}

void MenuView::setCheckItems(const QList<int>& indexes)
{
    checkItems_ = QSet<int>(indexes.cbegin(), indexes.cend());
    rebuild();
}

void MenuView::setEveryItemCheckable()
{
    everyItemCheckable_ = true;
    rebuild();
}

bool MenuView::isCheckItem(int index, const MenuItem& item) const
{
    return item.checked || everyItemCheckable_ || checkItems_.contains(index);
}

void MenuView::rebuild()
{
    clear();
    for (auto it = items_.items().cbegin(); it != items_.items().cend(); ++it) {
        const MenuItem& item = it.value();
        if (!item.visible)
            continue;
        if (item.caption == QLatin1String("-")) {
            addSeparator();
            continue;
        }
        const int index = it.key();
        if (QMenu* submenu = submenus_.value(index)) {
            submenu->setTitle(item.caption);
            QAction* action = addMenu(submenu);
            action->setEnabled(item.enabled);
            continue;
        }
        QAction* action = addAction(item.caption);
        action->setCheckable(isCheckItem(index, item));
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
        connect(action, &QAction::triggered, this, [this, index] { emit itemClicked(index); });
    }
}
