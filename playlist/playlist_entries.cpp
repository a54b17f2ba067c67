#include "playlist/playlist_entries.h"

#include "core/designed_menus.h"
#include "core/form1.h"
#include "playlist/list_text.h"

namespace PlaylistEntries {

int count(const Form1& form)
{
    return int(form.liebiao.items().size());
}

QString fullPath(const Form1& form, int index)
{
    if (!form.liebiao.contains(index))
        return {};
    return form.state.entry_dirs.value(index) + form.liebiao.at(index).caption;
}

QStringList fullPaths(const Form1& form)
{
    const auto& items = form.liebiao.items();
    const QStringList& dirs = form.state.entry_dirs;
    QStringList paths;
    paths.reserve(items.size());
    for (auto it = items.cbegin(); it != items.cend(); ++it)
        paths << dirs.value(it.key()) + it.value().caption;
    return paths;
}

int current(const Form1& form)
{
    const auto& items = form.liebiao.items();
    for (auto it = items.cbegin(); it != items.cend(); ++it) {
        if (it.value().checked)
            return it.key();
    }
    return -1;
}

void checkOnly(Form1& form, int index)
{
    QList<int> marked;
    const auto& items = form.liebiao.items();
    for (auto it = items.cbegin(); it != items.cend(); ++it) {
        if (it.value().checked && it.key() != index)
            marked << it.key();
    }
    for (const int key : marked)
        form.liebiao[key].checked = false;
    if (form.liebiao.contains(index))
        form.liebiao[index].checked = true;
}

bool directoriesShown(const Form1& form)
{
    return form.xuanxiang1.contains(OptionsItem::ShowDirectories)
        && form.xuanxiang1.at(OptionsItem::ShowDirectories).checked;
}

void joinDirectories(Form1& form)
{
    const int n = count(form);
    QStringList& dirs = form.state.entry_dirs;
    for (int i = 0; i < n; ++i) {
        MenuItem& item = form.liebiao[i];
        item.caption = dirs.value(i) + item.caption;
    }
    dirs = QStringList(n, QString());
}

void splitDirectories(Form1& form)
{
    const int n = count(form);
    QStringList& dirs = form.state.entry_dirs;
    dirs = QStringList(n, QString());
    for (int i = 0; i < n; ++i) {
        MenuItem& item = form.liebiao[i];
        SplitPath parts = splitPath(item.caption);
        dirs[i] = parts.dir;
        item.caption = parts.name;
    }
}

void showPaths(Form1& form, const QStringList& paths)
{
    const bool shown = directoriesShown(form);
    QStringList& dirs = form.state.entry_dirs;
    dirs = QStringList(paths.size(), QString());
    for (int i = 0; i < paths.size(); ++i) {
        MenuItem& item = form.liebiao[i];
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

QList<Entry> entries(const Form1& form)
{
    const auto& items = form.liebiao.items();
    const QStringList& dirs = form.state.entry_dirs;
    QList<Entry> result;
    result.reserve(items.size());
    for (auto it = items.cbegin(); it != items.cend(); ++it)
        result.append({dirs.value(it.key()), it.value().caption});
    return result;
}

void setEntries(Form1& form, const QList<Entry>& entries)
{
    const bool shown = directoriesShown(form);
    QStringList& dirs = form.state.entry_dirs;
    dirs = QStringList(entries.size(), QString());
    for (int i = 0; i < entries.size(); ++i) {
        const Entry& e = entries.at(i);
        const bool inForm = shown ? e.dir.isEmpty() : !e.caption.contains(QLatin1Char('/'));
        MenuItem& item = form.liebiao[i];
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
