#include "pictures/picture_menus.h"

#include "core/menu_array.h"

#include <QDir>
#include <algorithm>

namespace PictureMenus {

namespace {

// Item i of the menu for file i; items beyond the files go.
void fill(MenuArray& menu, const QStringList& names)
{
    for (int i = 0; i < names.size(); ++i) {
        menu[i].caption = names.at(i);
        menu[i].enabled = true;
    }
    const QList<int> keys = menu.items().keys();
    for (const int key : keys) {
        if (key >= qMax(1, int(names.size())))
            menu.remove(key);
    }
}

} // namespace

QStringList fileNames(const QString& dir)
{
    QStringList names = QDir(dir).entryList(QDir::Files, QDir::NoSort);
    // QString compares UTF-16 code units: plain character-code order.
    std::sort(names.begin(), names.end());
    return names;
}

void build(MenuArray& huamian, MenuArray& beijing1, const ProgramPathOf& programPath)
{
    const QStringList starts = fileNames(programPath(kStartPictureDir));
    fill(huamian, starts);
    if (starts.isEmpty())
        huamian[0].enabled = false;
    fill(beijing1, fileNames(programPath(kBackgroundDir)));
}

void checkOnly(MenuArray& menu, int index)
{
    const QList<int> keys = menu.items().keys();
    for (const int key : keys)
        menu[key].checked = (key == index);
}

QList<int> wrappedFrom(const MenuArray& menu, int index)
{
    const QList<int> keys = menu.items().keys();
    const qsizetype start = keys.indexOf(index);
    if (start < 0)
        return {};
    return keys.mid(start) + keys.mid(0, start);
}

} // namespace PictureMenus
