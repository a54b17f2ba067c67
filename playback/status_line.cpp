#include "playback/status_line.h"

#include "core/display_mode.h"
#include "core/flags.h"
#include "core/form1.h"
#include "playback/cd_entry.h"
#include "playback/rate_rule.h"
#include "playback/status_texts.h"
#include "playback/time_text.h"
#include "playlist/playlist_entries.h"

#include <cmath>

namespace {

constexpr double kStandInLengthMs = 10000; // for no length, and for streams
constexpr double kStreamSeconds = 900000;

} // namespace

void StatusLine::shijian3()
{
    const bool cd = form_.state.display_mode == DisplayMode::Cd;
    const Times times = cd ? cdTimes() : playerTimes();
    const QString counter = StatusTexts::entryCounter(PlaylistEntries::current(form_.liebiao),
                                                      PlaylistEntries::count(form_.liebiao));
    const QString line = stateText(times) + counter + StatusTexts::padding(form_.window.width())
        + times.position + u'/' + times.length;
    if (form_.ditiao.caption() != line)
        form_.ditiao.setCaption(line);

    if (cd)
        updateCdSeekValues(times);
    else
        updatePlayerSeekValues(times);
    if (form_.state.length_ms == 0)
        form_.state.length_ms = kStandInLengthMs;
}

StatusLine::Times StatusLine::cdTimes()
{
    QString& reply = form_.state.mci_reply;
    const QString position = CdEntry::ask(form_.mci, reply, QStringLiteral("status cd position"));
    const QString length =
        CdEntry::ask(form_.mci, reply, "status cd length track " + position.mid(0, 2));
    return {"00:" + position.mid(3, 5), "00:" + length.mid(0, 5)};
}

StatusLine::Times StatusLine::playerTimes() const
{
    const MediaPlayer& player = form_.WindowsMediaPlayer1;
    const auto duration = player.duration();
    const auto position = player.currentPosition();
    if (!duration || !(*duration >= 0) || !position || *position == -1)
        return {TimeText::Zero, TimeText::Zero};
    const auto length = TimeText::hms(*duration);
    if (!length)
        return {TimeText::Zero, TimeText::Zero};
    return {TimeText::hms(*position).value_or(TimeText::Zero), *length};
}

QString StatusLine::stateText(const Times& times)
{
    const Form1State& s = form_.state;
    const QString& mode = s.display_mode;
    if (mode == DisplayMode::Video || mode == DisplayMode::Audio) {
        if (s.varispeed_state == Flag::Selected)
            return StatusTexts::speed(s.sudu_shu, s.speed_x10_state == Flag::Selected);
        return StatusTexts::playerState(form_.WindowsMediaPlayer1.playState());
    }
    if (mode == DisplayMode::Cd) {
        const QString cdMode = CdEntry::ask(form_.mci, form_.state.mci_reply, QStringLiteral("status cd mode"));
        if (cdMode.startsWith(QLatin1String("playing")))
            return StatusTexts::Playing;
        return times.position != TimeText::Zero ? StatusTexts::Paused : StatusTexts::Stopped;
    }
    const QString zoom = StatusTexts::zoom(form_.Picture1.width(), form_.Image2.width());
    if (mode == DisplayMode::Picture)
        return StatusTexts::ShowingPicture + zoom;
    if (mode == DisplayMode::Zoom)
        return StatusTexts::ZoomingPicture + zoom;
    if (mode == DisplayMode::Idle)
        return StatusTexts::Ready;
    return {};
}

void StatusLine::updateCdSeekValues(const Times& times)
{
    Form1State& s = form_.state;
    s.length_ms = TimeText::seconds(times.length) * 1000;
    s.position_ms = TimeText::seconds(times.position) * 1000;
    if (s.position_ms > s.length_ms)
        s.position_ms = s.length_ms;
}

// The length follows the medium only when it moves by more than 3 seconds,
// so that the progress knob's scale keeps still while a length settles.
void StatusLine::updatePlayerSeekValues(const Times& times)
{
    Form1State& s = form_.state;
    MediaPlayer& player = form_.WindowsMediaPlayer1;
    const double d = player.duration().value_or(0);
    if (d > 0 && std::abs(s.length_ms / 1000 - d) > 3)
        s.length_ms = d >= kStreamSeconds ? kStandInLengthMs : d * 1000;
    else if (d == 0)
        s.length_ms = kStandInLengthMs;
    applyRateRule(form_.state, form_.WindowsMediaPlayer1);
    if (times.length == TimeText::Zero) {
        s.position_ms = 0;
    } else if (const auto position = player.currentPosition()) {
        s.position_ms = *position * 1000;
    }
}
