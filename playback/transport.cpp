#include "playback/transport.h"

#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "core/event_delivery.h"
#include "core/flags.h"
#include "core/form1.h"
#include "playback/cd_entry.h"
#include "playback/cd_seek.h"

namespace {

bool cdMode(const Form1& form)
{
    return form.state.display_mode == DisplayMode::Cd;
}

bool hasLength(const Form1& form)
{
    return form.WindowsMediaPlayer1.duration().value_or(0) > 0;
}

} // namespace

void Transport::kongzhi1_Click(int Index)
{
    if (Index < 6 && form_.state.varispeed_state == Flag::Selected)
        form_.xuan_Click(1);
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
    if (hasLength(form_)) {
        EventDelivery::deliverPending();
        form_.WindowsMediaPlayer1.play();
    } else if (cdMode(form_)) {
        CdEntry::send(form_.mci, QStringLiteral("play cd"));
    } else {
        form_.kuaijiecaidan1_Click(ShortcutItem::Replay);
    }
}

void Transport::pause()
{
    MediaPlayer& player = form_.WindowsMediaPlayer1;
    if (hasLength(form_)) {
        if (player.playState() == MediaPlayer::Playing)
            player.pause();
    } else if (cdMode(form_)) {
        CdEntry::send(form_.mci, QStringLiteral("pause cd wait"));
    }
}

void Transport::stop()
{
    MediaPlayer& player = form_.WindowsMediaPlayer1;
    player.setUrl(QString());
    player.setVisible(false);
    form_.Picture1.setVisible(true);
    if (cdMode(form_)) {
        CdEntry::send(form_.mci, QStringLiteral("stop cd wait"));
        CdEntry::send(form_.mci, QStringLiteral("seek cd to 1 wait"));
    }
    form_.state.display_mode = DisplayMode::Idle;
    form_.kaishihuamian();
    form_.shijian2();
}

void Transport::forward()
{
    Form1State& s = form_.state;
    s.position_ms = qMin(s.position_ms + s.length_ms / 20, s.length_ms);
    seek();
}

void Transport::back()
{
    Form1State& s = form_.state;
    s.position_ms = qMax(s.position_ms - s.length_ms / 20, 0.0);
    seek();
}

// The next dispatcher tick shows the new position.
void Transport::seek()
{
    if (cdMode(form_))
        seekCd(form_.state, form_.mci, form_.ditiao);
    else
        form_.WindowsMediaPlayer1.setCurrentPosition(form_.state.position_ms / 1000);
}
