#include "playlist/list_writer.h"

#include "core/event_delivery.h"
#include "core/flags.h"
#include "core/form1.h"
#include "playlist/busy_cursor.h"
#include "playlist/list_text.h"
#include "playlist/playlist_entries.h"

void ListWriter::write_liebiao(const QString& xiang, const QString& aa)
{
    EventDelivery::deliverPending();
    form_.Timer1.stop();

    QStringList paths;
    int oldCurrent = 0;
    if (xiang == Replace || xiang == Append)
        form_.ditiao.setCaption(Status);
    if (xiang == Append) {
        paths = PlaylistEntries::fullPaths(form_);
        oldCurrent = qMax(0, PlaylistEntries::current(form_));
    }

    const BusyCursor busy;
    const int oldCount = PlaylistEntries::count(form_);
    paths += splitListText(aa, Playlist::kMaxEntries - int(paths.size()));
    // With nothing written, item 0 stays as the one entry, whole.
    if (paths.isEmpty())
        paths << PlaylistEntries::fullPath(form_, 0);
    rebuild(paths);
    form_.state.liebiao_max_index = int(paths.size()) - 1;

    // A drop plays its first entry; should the list be full so that nothing
    // was added, the current entry at least keeps its check mark.
    PlaylistEntries::checkOnly(form_, oldCurrent);
    if (form_.state.tuofang == Flag::Dropping)
        form_.liebiao_Click(oldCount);
    for (int i = 0; i < 3; ++i)
        form_.paixu1[i].checked = false;
    form_.Timer1.start();
}

// Item 0 lives as long as the window; the others are made afresh.
void ListWriter::rebuild(const QStringList& paths)
{
    MenuArray& items = form_.liebiao;
    MenuItem first = items[0];
    first.checked = false;
    items.clear();
    items[0] = first;
    PlaylistEntries::showPaths(form_, paths);
}
