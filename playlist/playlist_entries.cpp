#include "playlist/playlist_entries.h"

#include "core/designed_menus.h"
#include "core/menu_array.h"
#include "playlist/list_text.h"

namespace PlaylistEntries {

int count(const MenuArray& liebiao)
{
    return int(liebiao.items().size());
}

QString fullPath(const MenuArray& liebiao, const QStringList& entry_dirs, int index)
{
    if (!liebiao.contains(index))
        return {};
    return entry_dirs.value(index) + liebiao.at(index).caption;
}

QStringList fullPaths(const MenuArray& liebiao, const QStringList& entry_dirs)
{
    const auto& items = liebiao.items();
    const QStringList& dirs = entry_dirs;
    QStringList paths;
    paths.reserve(items.size());
    for (auto it = items.cbegin(); it != items.cend(); ++it)
        paths << dirs.value(it.key()) + it.value().caption;
    return paths;
}

int current(const MenuArray& liebiao)
{
    const auto& items = liebiao.items();
    for (auto it = items.cbegin(); it != items.cend(); ++it) {
        if (it.value().checked)
            return it.key();
    }
    return -1;
}

void checkOnly(MenuArray& liebiao, int index)
{
    QList<int> marked;
    const auto& items = liebiao.items();
    for (auto it = items.cbegin(); it != items.cend(); ++it) {
        if (it.value().checked && it.key() != index)
            marked << it.key();
    }
    for (const int key : marked)
        liebiao[key].checked = false;
    if (liebiao.contains(index))
        liebiao[index].checked = true;
}

bool directoriesShown(const MenuArray& xuanxiang1)
{
    return xuanxiang1.contains(OptionsItem::ShowDirectories)
        && xuanxiang1.at(OptionsItem::ShowDirectories).checked;
}

void joinDirectories(MenuArray& liebiao, QStringList& entry_dirs)
{
    const int n = count(liebiao);
    QStringList& dirs = entry_dirs;
    for (int i = 0; i < n; ++i) {
        MenuItem& item = liebiao[i];
        item.caption = dirs.value(i) + item.caption;
    }
    dirs = QStringList(n, QString());
}

void splitDirectories(MenuArray& liebiao, QStringList& entry_dirs)
{
    const int n = count(liebiao);
    QStringList& dirs = entry_dirs;
    dirs = QStringList(n, QString());
    for (int i = 0; i < n; ++i) {
        MenuItem& item = liebiao[i];
        SplitPath parts = splitPath(item.caption);
        dirs[i] = parts.dir;
        item.caption = parts.name;
    }
}

void showPaths(MenuArray& liebiao, QStringList& entry_dirs, const MenuArray& xuanxiang1,
               const QStringList& paths)
{
    const bool shown = directoriesShown(xuanxiang1);
    QStringList& dirs = entry_dirs;
    dirs = QStringList(paths.size(), QString());
    for (int i = 0; i < paths.size(); ++i) {
        MenuItem& item = liebiao[i];
        if (shown) {
            item.caption = paths.at(i);
            continue;
        }
        const QString& path = paths.at(i);
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        item.caption = path.mid(slash + 1);
        // Entries of one folder share one copy of its name.
        const QStringView dir = QStringView(path).left(slash + 1);
        if (i > 0 && dirs.at(i - 1) == dir)
            dirs[i] = dirs.at(i - 1);
        else
            dirs[i] = dir.toString();
    }
}

QList<Entry> entries(const MenuArray& liebiao, const QStringList& entry_dirs)
{
    const auto& items = liebiao.items();
    const QStringList& dirs = entry_dirs;
    QList<Entry> result;
    result.reserve(items.size());
    for (auto it = items.cbegin(); it != items.cend(); ++it)
        result.append({dirs.value(it.key()), it.value().caption});
    return result;
}

void setEntries(MenuArray& liebiao, QStringList& entry_dirs, const MenuArray& xuanxiang1,
                const QList<Entry>& entries)
{
    const bool shown = directoriesShown(xuanxiang1);
    QStringList& dirs = entry_dirs;
    dirs = QStringList(entries.size(), QString());
    for (int i = 0; i < entries.size(); ++i) {
        const Entry& e = entries.at(i);
        const bool inForm = shown ? e.dir.isEmpty() : !e.caption.contains(QLatin1Char('/'));
        MenuItem& item = liebiao[i];
        if (inForm) {
            item.caption = e.caption;
            dirs[i] = e.dir;
        } else if (shown) {
            item.caption = e.dir + e.caption;
        } else {
            const SplitPath parts = splitPath(e.dir + e.caption);
            item.caption = parts.name;
            dirs[i] = parts.dir;
        }
    }
}

} // namespace PlaylistEntries
