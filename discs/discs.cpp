#include "discs/discs.h"

#include "core/form1.h"
#include "core/scoped_value.h"
#include "discs/disc_folders.h"
#include "discs/disc_mounter.h"
#include "discs/mount_table.h"
#include "discs/optical_drives.h"
#include "playback/cd_entry.h"
#include "playback/numeric_value.h"
#include "playlist/list_writer.h"

#include <algorithm>

namespace {

// An audio CD holds at most 99 tracks; a larger count is no disc's.
constexpr int kMostTracks = 99;

} // namespace

QString Discs::captionOf(const MenuArray& menu, int index)
{
    return menu.contains(index) ? menu.at(index).caption : QString();
}

Discs::Discs(Form1& form, OpticalDrives& drives, const MountTable& mounts, DiscMounter& mounter)
    : form_(form), drives_(drives), mounts_(mounts), mounter_(mounter)
{
}

void Discs::dedaoguangqu()
{
    for (const QString& device : drives_.devices())
        addDrive(device);
}

void Discs::addDrive(const QString& caption)
{
    const int index = form_.bofangguangpan1[0].caption.isEmpty() ? 0 : ++driveCounter_;
    for (MenuArray* menu : {&form_.bofangguangpan1, &form_.tankai1, &form_.guanshang1}) {
        MenuItem& item = (*menu)[index];
        item.caption = caption;
        item.visible = true;
    }
}

void Discs::bofangguangpan1_Click(int Index)
{
    // Mounting and reading the disc wait with the window's events going on;
    // a second click meanwhile would play a disc into the list being made.
    if (readingDisc_)
        return;
    const QString device = captionOf(form_.bofangguangpan1, Index);
    QString text;
    if (!device.isEmpty()) {
        ScopedValue busy(readingDisc_, true);
        text = discListText(device);
    }
    if (text.isEmpty()) {
        if (form_.dialogs)
            form_.dialogs->messageBox(NotADisc);
        return;
    }
    form_.write_liebiao(ListWriter::Replace, text);
    form_.liebiao_Click(0);
}

// A video CD's .dat files, else a DVD's .vob files, else the audio tracks.
QString Discs::discListText(const QString& device)
{
    const QString root = mountPoint(device);
    QString text = DiscFolders::listText(DiscFolders::find(root, QStringLiteral("mpegav")),
                                         QStringLiteral(".dat"));
    if (text.isEmpty())
        text = DiscFolders::listText(DiscFolders::find(root, QStringLiteral("video_ts")),
                                     QStringLiteral(".vob"));
    if (text.isEmpty())
        text = audioTrackListText(device);
    return text;
}

QString Discs::mountPoint(const QString& device)
{
    QString mounted = mounts_.mountPointOf(device);
    if (mounted.isEmpty())
        mounted = mounter_.mount(device);
    // The desktop may have mounted it meanwhile, and ours then failed.
    return mounted.isEmpty() ? mounts_.mountPointOf(device) : mounted;
}

// One entry per audio track, numbered as the disc's table of contents
// counts them. A device that does not open has no tracks to count.
QString Discs::audioTrackListText(const QString& device)
{
    if (!form_.mci.send("open  " + device + " type cdaudio alias cd wait shareable"))
        return {};
    const double count = numericValue(CdEntry::ask(form_.mci, form_.state.mci_reply, QStringLiteral("status cd number of tracks wait")));
    const int tracks = count >= 1 ? int(std::min<double>(count, kMostTracks)) : 0;
    QString text;
    for (int track = 1; track <= tracks; ++track)
        text += device + QStringLiteral("/Track%1.cda\r").arg(track, 2, 10, QLatin1Char('0'));
    return text;
}
