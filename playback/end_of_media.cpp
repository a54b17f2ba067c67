#include "playback/end_of_media.h"

#include "core/display_mode.h"
#include "core/flags.h"
#include "core/form1.h"
#include "playback/cd_entry.h"
#include "playback/loop_mode.h"
#include "playback/time_text.h"
#include "playlist/playlist_entries.h"

void EndOfMedia::shijian6()
{
    Form1State& s = form_.state;
    if (s.display_mode == DisplayMode::Cd) {
        if (!cdTrackEnded())
            return;
        CdEntry::send(form_.mci, QStringLiteral("stop cd wait"));
        CdEntry::send(form_.mci, QStringLiteral("seek cd to 1 wait"));
    } else {
        if (s.media_ended != Flag::MediaEnded)
            return;
        s.media_ended.clear();
        form_.WindowsMediaPlayer1.setUrl(QString());
    }
    playNext();
}

// The track has ended when the status line shows equal position and length
// of at least 2 seconds, or when the disc has moved on to another track.
bool EndOfMedia::cdTrackEnded()
{
    Form1State& s = form_.state;
    const int i = PlaylistEntries::current(form_.liebiao);
    const double track = CdEntry::trackNumber(PlaylistEntries::fullPath(form_.liebiao, s.entry_dirs, i));
    const QString reply = CdEntry::ask(form_.mci, s.mci_reply, QStringLiteral("status cd position"));
    bool isNumber = false;
    const int reported = reply.left(2).trimmed().toInt(&isNumber);
    if (isNumber)
        s.cd_track = reported;
    if (s.cd_track != track)
        return true;
    const QString times = form_.ditiao.caption().right(17);
    const double position = TimeText::seconds(QStringView(times).mid(0, 8));
    const double length = TimeText::seconds(QStringView(times).mid(9, 8));
    return position >= 2 && position == length;
}

void EndOfMedia::playNext()
{
    if (LoopMode::isChecked(form_.xunhuan1, LoopMode::None))
        return;
    const int i = PlaylistEntries::current(form_.liebiao);
    if (LoopMode::isChecked(form_.xunhuan1, LoopMode::RepeatOne)) {
        form_.liebiao_Click(i);
    } else if (LoopMode::isChecked(form_.xunhuan1, LoopMode::All)) {
        const bool nextShown = form_.liebiao.contains(i + 1) && form_.liebiao.at(i + 1).visible;
        form_.liebiao_Click(nextShown ? i + 1 : 0);
    }
}
