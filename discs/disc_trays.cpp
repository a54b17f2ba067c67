// Opening and closing a drive's tray through the CD command device.
#include "discs/discs.h"

#include "core/form1.h"
#include "discs/mount_table.h"
#include "playback/cd_entry.h"
#include "playback/control_items.h"
#include "playlist/playlist_entries.h"

namespace {

bool liesUnder(const QString& path, const QString& folder)
{
    return !folder.isEmpty() && path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

void Discs::tankai1_Click(int Index)
{
    const QString device = captionOf(form_.tankai1, Index);
    if (device.isEmpty())
        return; // no drive there
    releaseDevice();
    form_.state.cd_drive = device;
    stopWhenPlayingFrom(device);
    openDevice();
    CdEntry::send(form_.mci, QStringLiteral("set cd door open wait"));
}

void Discs::guanshang1_Click(int Index)
{
    const QString device = captionOf(form_.guanshang1, Index);
    if (device.isEmpty())
        return;
    releaseDevice();
    form_.state.cd_drive = device;
    openDevice();
    CdEntry::send(form_.mci, QStringLiteral("set cd door closed wait"));
    releaseDevice();
}

// The current entry is a track of the disc, or a file of its mounted file
// system: the tray must not open under the player.
void Discs::stopWhenPlayingFrom(const QString& device)
{
    const int current = PlaylistEntries::current(form_.liebiao);
    if (current < 0)
        return;
    const QString path = PlaylistEntries::fullPath(form_.liebiao, form_.state.entry_dirs, current);
    if (liesUnder(path, device) || liesUnder(path, mounts_.mountPointOf(device)))
        form_.kongzhi1_Click(ControlItem::Stop);
}

// Any device left open is released.
void Discs::releaseDevice()
{
    CdEntry::send(form_.mci, QStringLiteral("stop cd"));
    CdEntry::send(form_.mci, QStringLiteral("close cd"));
}

void Discs::openDevice()
{
    CdEntry::send(form_.mci, "open  " + form_.state.cd_drive + " type cdaudio alias cd wait shareable");
    CdEntry::send(form_.mci, QStringLiteral("set cd time format tmsf"));
}
