#include "playlist/playlist_sorter.h"

#include "core/form1_state.h"
#include "core/menu_array.h"
#include "playlist/playlist_entries.h"
#include "playlist/sort_key.h"

QString sortKey(const QString& path, int index)
{
    QString key;
    SortKeys::append(key, QStringView(), path, index);
    return key;
}

// Entries move with their captions and folder parts, which already have
// the form the directory option wants; the check mark moves with its entry.
void PlaylistSorter::paixu1_Click(int Index)
{
    if (Index < 0 || Index > 2)
        return;
    const QList<PlaylistEntries::Entry> entries = PlaylistEntries::entries(liebiao_, state_.entry_dirs);
    const int current = PlaylistEntries::current(liebiao_);
    std::vector<SortKeys::Path> paths;
    paths.reserve(entries.size());
    for (const PlaylistEntries::Entry& entry : entries)
        paths.push_back({entry.dir, entry.caption});

    QList<PlaylistEntries::Entry> sorted;
    sorted.reserve(entries.size());
    int newCurrent = -1;
    for (const int from : SortKeys::order(paths, Index)) {
        if (from == current)
            newCurrent = int(sorted.size());
        sorted << entries.at(from);
    }
    PlaylistEntries::setEntries(liebiao_, state_.entry_dirs, xuanxiang1_, sorted);
    PlaylistEntries::checkOnly(liebiao_, newCurrent);
    for (int i = 0; i < 3; ++i)
        paixu1_[i].checked = (i == Index);
}
