#include "desktop/mpris_state.h"

#include "core/display_mode.h"
#include "core/form1.h"
#include "playback/loop_mode.h"
#include "playback/status_texts.h"
#include "playlist/playlist_entries.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

namespace {

QString statusOf(const Form1& form)
{
    const QString line = form.ditiao.caption();
    if (line.startsWith(StatusTexts::Playing.left(4)))
        return QStringLiteral("Playing");
    if (line.startsWith(StatusTexts::Paused))
        return QStringLiteral("Paused");
    return QStringLiteral("Stopped");
}

QString loopOf(const Form1& form)
{
    switch (LoopMode::current(form.xunhuan1)) {
    case LoopMode::All: return QStringLiteral("Playlist");
    case LoopMode::RepeatOne: return QStringLiteral("Track");
    default: return QStringLiteral("None");
    }
}

bool playsMedium(const Form1& form)
{
    const QString& mode = form.state.display_mode;
    return mode == DisplayMode::Audio || mode == DisplayMode::Video || mode == DisplayMode::Cd;
}

// "…/Track05.cda" is track 5.
int cdTrackOf(const QString& path)
{
    static const QRegularExpression track(QStringLiteral("(\\d+)\\.cda$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto match = track.match(path);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// Object path elements take letters, digits and "_" only; the hash keeps
// an entry's id apart from the one a replaced list puts at its index.
QString trackIdOf(int entry, const QString& path)
{
    return QStringLiteral("/io/github/xuanyinfang/track/e%1_%2")
        .arg(entry)
        .arg(qHash(path), 0, 16);
}

} // namespace

MprisState MprisState::read(const Form1& form)
{
    MprisState s;
    const Form1State& w = form.state;
    s.playbackStatus = statusOf(form);
    s.loopStatus = loopOf(form);
    s.volume = qBound(0.0, w.shengyin_shu / 32767.0, 1.0);
    s.rate = w.sudu_shu > 0 ? w.sudu_shu / 100.0 : 1.0;

    const int count = PlaylistEntries::count(form.liebiao);
    s.entry = PlaylistEntries::current(form.liebiao);
    if (s.entry >= 0) {
        s.path = PlaylistEntries::fullPath(form.liebiao, form.state.entry_dirs, s.entry);
        s.title = QFileInfo(s.path).completeBaseName();
        s.trackId = trackIdOf(s.entry, s.path);
        s.cdTrack = cdTrackOf(s.path);
    } else {
        s.trackId = kNoTrack;
    }
    const bool medium = playsMedium(form);
    if (medium && s.entry >= 0) {
        s.lengthUs = std::llround(w.length_ms * 1000);
        s.positionUs = std::llround(qBound(0.0, w.position_ms, qMax(0.0, w.length_ms)) * 1000);
    }
    s.canPlay = count > 0;
    s.canPause = medium && s.playbackStatus != QLatin1String("Stopped");
    s.canSeek = medium && w.length_ms > 0;
    s.canGoNext = count > 0;
    s.canGoPrevious = count > 0;
    return s;
}

QStringList changedPlayerProperties(const MprisState& a, const MprisState& b)
{
    QStringList changed;
    auto note = [&](bool differs, const char* name) {
        if (differs)
            changed << QString::fromLatin1(name);
    };
    note(a.playbackStatus != b.playbackStatus, "PlaybackStatus");
    note(a.loopStatus != b.loopStatus, "LoopStatus");
    note(a.volume != b.volume, "Volume");
    note(a.rate != b.rate, "Rate");
    note(a.trackId != b.trackId || a.path != b.path || a.lengthUs != b.lengthUs, "Metadata");
    note(a.canPlay != b.canPlay, "CanPlay");
    note(a.canPause != b.canPause, "CanPause");
    note(a.canSeek != b.canSeek, "CanSeek");
    note(a.canGoNext != b.canGoNext, "CanGoNext");
    note(a.canGoPrevious != b.canGoPrevious, "CanGoPrevious");
    return changed;
}

bool positionJumped(const MprisState& a, const MprisState& b, qint64 elapsedMs)
{
    if (a.trackId != b.trackId || b.lengthUs <= 0)
        return false;
    const bool wasPlaying = a.playbackStatus == QLatin1String("Playing");
    const double expected = a.positionUs + (wasPlaying ? elapsedMs * 1000.0 * a.rate : 0.0);
    // The status line moves in whole seconds, so a small slack.
    constexpr double kSlackUs = 1'500'000;
    return std::abs(b.positionUs - expected) > kSlackUs + (wasPlaying ? elapsedMs * 1000.0 : 0.0) * 0.5;
}
