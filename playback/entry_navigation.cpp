#include "playback/entry_navigation.h"

#include "core/designed_menus.h"
#include "core/form1.h"
#include "playlist/playlist_entries.h"

void EntryNavigation::previous()
{
    mark(ShortcutItem::Previous);
    const int c = qMax(0, PlaylistEntries::current(form_.liebiao));
    form_.liebiao_Click(c == 0 ? form_.state.liebiao_max_index : c - 1);
}

void EntryNavigation::next()
{
    mark(ShortcutItem::Next);
    const int c = qMax(0, PlaylistEntries::current(form_.liebiao));
    form_.liebiao_Click(c == form_.state.liebiao_max_index ? 0 : c + 1);
}

void EntryNavigation::replay()
{
    mark(ShortcutItem::Replay);
    const int c = PlaylistEntries::current(form_.liebiao);
    if (c >= 0)
        form_.liebiao_Click(c);
}

// Only shows which of the three was used last.
void EntryNavigation::mark(int item)
{
    for (const int i : {ShortcutItem::Previous, ShortcutItem::Next, ShortcutItem::Replay})
        form_.kuaijiecaidan1[i].checked = (i == item);
}
