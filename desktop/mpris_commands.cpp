#include "desktop/mpris_commands.h"

#include "core/event_delivery.h"
#include "core/flags.h"
#include "core/form1.h"
#include "desktop/mpris_state.h"
#include "options/menu_items.h"
#include "playback/control_items.h"
#include "playback/loop_mode.h"

#include <QFileInfo>
#include <QUrl>
#include <cmath>

namespace MprisCommands {

bool accepted(const Form1& form)
{
    return !EventDelivery::insideHandler() && !form.state.start_up_running &&
           form.state.closing != Flag::Closing;
}

namespace {

bool transport(Form1& form, int item)
{
    if (!accepted(form))
        return false;
    form.kongzhi1_Click(item);
    return true;
}

bool shortcut(Form1& form, int item)
{
    if (!accepted(form))
        return false;
    form.kuaijiecaidan1_Click(item);
    return true;
}

bool playing(const Form1& form)
{
    return MprisState::read(form).playbackStatus == QLatin1String("Playing");
}

QString localPath(const QString& uri)
{
    const QUrl url(uri);
    if (url.isLocalFile())
        return url.toLocalFile();
    if (url.scheme().isEmpty() && QFileInfo(uri).isAbsolute())
        return uri;
    return {};
}

} // namespace

bool play(Form1& form)
{
    return transport(form, ControlItem::Play);
}

bool pause(Form1& form)
{
    return playing(form) && transport(form, ControlItem::Pause);
}

bool playPause(Form1& form)
{
    return transport(form, playing(form) ? ControlItem::Pause : ControlItem::Play);
}

bool stop(Form1& form)
{
    return transport(form, ControlItem::Stop);
}

bool next(Form1& form)
{
    return shortcut(form, ShortcutItem::Next);
}

bool previous(Form1& form)
{
    return shortcut(form, ShortcutItem::Previous);
}

bool seekToUs(Form1& form, qint64 positionUs)
{
    if (!accepted(form) || !MprisState::read(form).canSeek)
        return false;
    form.state.position_ms = qBound(0.0, positionUs / 1000.0, form.state.length_ms);
    form.rengong_kongzhi(2);
    return true;
}

bool seekByUs(Form1& form, qint64 offsetUs)
{
    return seekToUs(form, std::llround(form.state.position_ms * 1000) + offsetUs);
}

bool setVolume(Form1& form, double volume)
{
    if (!accepted(form) || std::isnan(volume))
        return false;
    form.state.shengyin_shu = std::round(qBound(0.0, volume, 1.0) * 32767);
    form.rengong_kongzhi(0);
    return true;
}

bool setLoopStatus(Form1& form, const QString& status)
{
    int mode = -1;
    if (status == QLatin1String("Playlist"))
        mode = LoopMode::All;
    else if (status == QLatin1String("Track"))
        mode = LoopMode::RepeatOne;
    else if (status == QLatin1String("None"))
        mode = LoopMode::None;
    if (mode < 0 || !accepted(form))
        return false;
    form.xunhuan1_Click(mode);
    return true;
}

bool openUri(Form1& form, const QString& uri)
{
    const QString path = localPath(uri);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !accepted(form))
        return false;
    form.dropFiles({path});
    return true;
}

} // namespace MprisCommands
