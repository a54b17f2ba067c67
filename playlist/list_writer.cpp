#include "playlist/list_writer.h"

#include "core/event_delivery.h"
#include "core/flags.h"
#include "core/form1_state.h"
#include "core/menu_array.h"
#include "core/operation.h"
#include "platform/placed_control.h"
#include "playlist/busy_cursor.h"
#include "playlist/list_text.h"
#include "playlist/playlist_entries.h"

#include <QTimer>

void ListWriter::write_liebiao(const QString& xiang, const QString& aa)
{
    EventDelivery::deliverPending();
    parts_.Timer1.stop();

    QStringList paths;
    int oldCurrent = 0;
    if (xiang == Replace || xiang == Append)
        parts_.ditiao.setCaption(Status);
    if (xiang == Append) {
        paths = PlaylistEntries::fullPaths(parts_.liebiao, parts_.state.entry_dirs);
        oldCurrent = qMax(0, PlaylistEntries::current(parts_.liebiao));
    }

    const BusyCursor busy;
    const int oldCount = PlaylistEntries::count(parts_.liebiao);
    paths += splitListText(aa, Playlist::kMaxEntries - int(paths.size()));
    // With nothing written, item 0 stays as the one entry, whole.
    if (paths.isEmpty())
        paths << PlaylistEntries::fullPath(parts_.liebiao, parts_.state.entry_dirs, 0);
    rebuild(paths);
    parts_.state.liebiao_max_index = int(paths.size()) - 1;

    // A drop plays its first entry; should the list be full so that nothing
    // was added, the current entry at least keeps its check mark.
    PlaylistEntries::checkOnly(parts_.liebiao, oldCurrent);
    if (parts_.state.tuofang == Flag::Dropping)
        parts_.liebiao_Click(oldCount);
    for (int i = 0; i < 3; ++i)
        parts_.paixu1[i].checked = false;
    parts_.Timer1.start();
}

// Item 0 lives as long as the window; the others are made afresh.
void ListWriter::rebuild(const QStringList& paths)
{
    MenuArray& items = parts_.liebiao;
    MenuItem first = items[0];
    first.checked = false;
    items.clear();
    items[0] = first;
    PlaylistEntries::showPaths(parts_.liebiao, parts_.state.entry_dirs, parts_.xuanxiang1, paths);
}
