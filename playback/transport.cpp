#include "playback/transport.h"

#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "core/event_delivery.h"
#include "core/flags.h"
#include "core/form1_state.h"
#include "platform/media_player.h"
#include "playback/cd_entry.h"
#include "playback/cd_seek.h"

namespace {

bool cdMode(const TransportParts& parts)
{
    return parts.state.display_mode == DisplayMode::Cd;
}

bool hasLength(const TransportParts& parts)
{
    return parts.WindowsMediaPlayer1.duration().value_or(0) > 0;
}

} // namespace

void Transport::kongzhi1_Click(int Index)
{
    if (Index < 6 && parts_.state.varispeed_state == Flag::Selected)
        parts_.xuan_Click(1);
    switch (Index) {
    case ControlItem::Play: play(); break;
    case ControlItem::Pause: pause(); break;
    case ControlItem::Stop: stop(); break;
    case ControlItem::Forward: forward(); break;
    case ControlItem::Back: back(); break;
    case ControlItem::PlayPoints: break; // its submenu's title
    default: reportUnhandledItem("kongzhi1", Index); break;
    }
}

void Transport::play()
{
    if (hasLength(parts_)) {
        EventDelivery::deliverPending();
        parts_.WindowsMediaPlayer1.play();
    } else if (cdMode(parts_)) {
        CdEntry::send(parts_.mci, QStringLiteral("play cd"));
    } else {
        parts_.kuaijiecaidan1_Click(ShortcutItem::Replay);
    }
}

void Transport::pause()
{
    MediaPlayer& player = parts_.WindowsMediaPlayer1;
    if (hasLength(parts_)) {
        if (player.playState() == MediaPlayer::Playing)
            player.pause();
    } else if (cdMode(parts_)) {
        CdEntry::send(parts_.mci, QStringLiteral("pause cd wait"));
    }
}

void Transport::stop()
{
    MediaPlayer& player = parts_.WindowsMediaPlayer1;
    player.setUrl(QString());
    player.setVisible(false);
    parts_.Picture1.setVisible(true);
    if (cdMode(parts_)) {
        CdEntry::send(parts_.mci, QStringLiteral("stop cd wait"));
        CdEntry::send(parts_.mci, QStringLiteral("seek cd to 1 wait"));
    }
    parts_.state.display_mode = DisplayMode::Idle;
    parts_.kaishihuamian();
    parts_.shijian2();
}

void Transport::forward()
{
    Form1State& s = parts_.state;
    s.position_ms = qMin(s.position_ms + s.length_ms / 20, s.length_ms);
    seek();
}

void Transport::back()
{
    Form1State& s = parts_.state;
    s.position_ms = qMax(s.position_ms - s.length_ms / 20, 0.0);
    seek();
}

// The next dispatcher tick shows the new position.
void Transport::seek()
{
    if (cdMode(parts_))
        seekCd(parts_.state, parts_.mci, parts_.ditiao);
    else
        parts_.WindowsMediaPlayer1.setCurrentPosition(parts_.state.position_ms / 1000);
}
