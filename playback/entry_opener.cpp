#include "playback/entry_opener.h"

#include "core/display_mode.h"
#include "core/flags.h"
#include "core/form1.h"
#include "playback/cd_entry.h"
#include "playback/loop_mode.h"
#include "playback/timer_hold.h"
#include "playlist/playlist_entries.h"

namespace {

const QString kTimersHeld = QStringLiteral("未到");

} // namespace

void EntryOpener::liebiao_Click(int Index)
{
    if (deferring_) {
        deferred_ = Index;
        return;
    }
    // An entry that a rewrite of the list has taken away meanwhile.
    if (!form_.liebiao.contains(Index))
        return;
    const quint64 call = ++calls_;
    Form1State& s = form_.state;
    Opening opening(*this);
    const std::optional<int> loopBeforeDrop = enterDropMode();
    const double ratio = zoomRatio();
    CdEntry::send(form_.mci, QStringLiteral("stop cd wait"));
    CdEntry::send(form_.mci, QStringLiteral("seek cd to 1 wait"));
    const bool fullScreen = form_.WindowsMediaPlayer1.fullScreen();

    PlaylistEntries::checkOnly(form_.liebiao, Index);
    const QString caption = form_.liebiao.at(Index).caption;
    const QString path = PlaylistEntries::fullPath(form_.liebiao, form_.state.entry_dirs, Index);
    s.lincunwei_weijian_mingcheng = path;

    if (!open(path, caption, ratio, call))
        giveUp(Index, path);
    finish(fullScreen, loopBeforeDrop, opening);
}

// True when the entry is shown or plays, or a newer call took over.
bool EntryOpener::open(const QString& path, const QString& caption, double ratio, quint64 call)
{
    switch (tryPicture(path, ratio)) {
    case Kind::Shown: return true;
    case Kind::Refused: return false;
    case Kind::Neither: break;
    }
    switch (tryMedium(path, call)) {
    case Kind::Shown: return true;
    case Kind::Refused: return false;
    case Kind::Neither: break;
    }
    if (superseded(call))
        return true;
    return tryCdTrack(path, caption);
}

void EntryOpener::finish(bool fullScreen, std::optional<int> loopBeforeDrop, Opening& opening)
{
    Form1State& s = form_.state;
    MediaPlayer& player = form_.WindowsMediaPlayer1;
    player.setFullScreen(fullScreen && player.imageSourceHeight().value_or(0) > 0);
    if (loopBeforeDrop || s.tuofang == Flag::Dropping) {
        s.tuofang.clear();
        if (loopBeforeDrop)
            form_.xunhuan1_Click(*loopBeforeDrop);
    }
    opening.end();
    form_.shijian2();
}

EntryOpener::Opening::Opening(EntryOpener& opener) : opener_(opener)
{
    opener_.form_.state.opening_entry = Flag::OpeningEntry;
    opener_.holdTimers();
}

void EntryOpener::Opening::end()
{
    if (std::exchange(ended_, true))
        return;
    opener_.releaseTimers();
    opener_.form_.state.opening_entry.clear();
}

void EntryOpener::holdTimers()
{
    if (timers_held_ == kTimersHeld)
        return;
    timers_held_ = kTimersHeld;
    TimerHold::hold(form_.timersHeldWhileOpening);
}

void EntryOpener::releaseTimers()
{
    timers_held_.clear();
    TimerHold::release(form_.timersHeldWhileOpening);
}

// Dropped files open with the loop mode "禁止(&J)", so that one that cannot
// be played is reported rather than skipped. The call that switched the
// mode sets it back, also when a nested call has ended the drop first.
std::optional<int> EntryOpener::enterDropMode()
{
    if (form_.state.tuofang != Flag::Dropping)
        return std::nullopt;
    const int before = qMax(0, LoopMode::current(form_.xunhuan1));
    form_.xunhuan1_Click(LoopMode::None);
    return before;
}

double EntryOpener::zoomRatio() const
{
    if (form_.state.display_mode != DisplayMode::Zoom || form_.Image2.width() == 0)
        return 0;
    return form_.Picture1.width() / form_.Image2.width();
}

bool EntryOpener::refusedInLoopAll() const
{
    return LoopMode::isChecked(form_.xunhuan1, LoopMode::All)
        && LoopMode::noPicturesInLoopAll(form_.xuanxiang1);
}
