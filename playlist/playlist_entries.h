#pragma once

#include <QString>
#include <QStringList>

class Form1;

// The playlist as the List menu holds it: entry k is item k of liebiao,
// its folder part is entry_dirs(k), and its full path is the two joined.
namespace PlaylistEntries {

int count(const Form1& form);
QString fullPath(const Form1& form, int index);
QStringList fullPaths(const Form1& form);
// The first checked entry; -1 when none is.
int current(const Form1& form);
// Moves the check mark to the entry (none when the index does not exist).
void checkOnly(Form1& form, int index);

// Whether the option "显示列表文件目录(&L)" shows full paths as captions.
bool directoriesShown(const Form1& form);
// Captions become full paths; the folder parts are emptied.
void joinDirectories(Form1& form);
// Captions keep what follows their last "/"; the folder parts take the rest.
void splitDirectories(Form1& form);
// The captions and folder parts for the paths as the option wants them.
void showPaths(Form1& form, const QStringList& paths);

// An entry as the menu holds it: folder part and caption.
struct Entry {
    QString dir;
    QString caption;
};
QList<Entry> entries(const Form1& form);
// Puts the entries in this order into the existing items, each in the
// form the option wants (re-split only where it is not in that form).
void setEntries(Form1& form, const QList<Entry>& entries);

} // namespace PlaylistEntries
