#include "core/window/menu_view.h"

MenuView::MenuView(const QString& title, const MenuArray& items, QWidget* parent)
    : QMenu(title, parent), items_(items)
{
    connect(this, &QMenu::aboutToShow, this, &MenuView::rebuild);
    rebuild();
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
        QAction* action = addAction(item.caption);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
        const int index = it.key();
        connect(action, &QAction::triggered, this, [this, index] { emit itemClicked(index); });
    }
}
