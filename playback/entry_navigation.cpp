#include "playback/entry_navigation.h"

#include "core/form1.h"
#include "playlist/playlist_entries.h"

namespace {

constexpr int kPrevious = 7;
constexpr int kNext = 8;
constexpr int kReplay = 9;

} // namespace

void EntryNavigation::previous()
{
    mark(kPrevious);
    const int c = qMax(0, PlaylistEntries::current(form_));
    form_.liebiao_Click(c == 0 ? form_.state.liebiao_max_index : c - 1);
}

void EntryNavigation::next()
{
    mark(kNext);
    const int c = qMax(0, PlaylistEntries::current(form_));
    form_.liebiao_Click(c == form_.state.liebiao_max_index ? 0 : c + 1);
}

void EntryNavigation::replay()
{
    mark(kReplay);
    const int c = PlaylistEntries::current(form_);
    if (c >= 0)
        form_.liebiao_Click(c);
}

// Only shows which of the three was used last.
void EntryNavigation::mark(int item)
{
    for (const int i : {kPrevious, kNext, kReplay})
        form_.kuaijiecaidan1[i].checked = (i == item);
}
