#pragma once

#include <QString>
#include <QStringList>

class MenuArray;

// The playlist as the List menu holds it: entry k is item k of liebiao,
// its folder part is entry_dirs(k), and its full path is the two joined.
// xuanxiang1 is the Options menu, whose item decides how paths are shown.
namespace PlaylistEntries {

int count(const MenuArray& liebiao);
QString fullPath(const MenuArray& liebiao, const QStringList& entry_dirs, int index);
QStringList fullPaths(const MenuArray& liebiao, const QStringList& entry_dirs);
// The first checked entry; -1 when none is.
int current(const MenuArray& liebiao);
// Moves the check mark to the entry (none when the index does not exist).
void checkOnly(MenuArray& liebiao, int index);

// Whether the option "显示列表文件目录(&L)" shows full paths as captions.
bool directoriesShown(const MenuArray& xuanxiang1);
// Captions become full paths; the folder parts are emptied.
void joinDirectories(MenuArray& liebiao, QStringList& entry_dirs);
// Captions keep what follows their last "/"; the folder parts take the rest.
void splitDirectories(MenuArray& liebiao, QStringList& entry_dirs);
// The captions and folder parts for the paths as the option wants them.
void showPaths(MenuArray& liebiao, QStringList& entry_dirs, const MenuArray& xuanxiang1,
               const QStringList& paths);

// An entry as the menu holds it: folder part and caption.
struct Entry {
    QString dir;
    QString caption;
};
QList<Entry> entries(const MenuArray& liebiao, const QStringList& entry_dirs);
// Puts the entries in this order into the existing items, each in the
// form the option wants (re-split only where it is not in that form).
void setEntries(MenuArray& liebiao, QStringList& entry_dirs, const MenuArray& xuanxiang1,
                const QList<Entry>& entries);

} // namespace PlaylistEntries
