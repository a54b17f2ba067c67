#include "audio/toggles.h"

#include "core/designed_menus.h"
#include "core/flags.h"
#include "core/form1.h"
#include "playback/player_wait.h"

#include <QImage>

namespace {

const QString kResumePlaying = QStringLiteral("播放");

QString& switchOf(Form1State& s, int Index)
{
    switch (Index) {
    case Toggles::Mute: return s.mute_state;
    case Toggles::VariableSpeed: return s.varispeed_state;
    default: return s.speed_x10_state;
    }
}

// Flips the switch; true when it is now on.
bool flip(Form1& form, int Index)
{
    QString& on = switchOf(form.state, Index);
    if (on == Flag::Selected)
        on.clear();
    else
        on = Flag::Selected;
    Toggles::showPicture(form, Index);
    return on == Flag::Selected;
}

// A video whose length the status line shows.
bool playableVideo(Form1& form)
{
    return form.WindowsMediaPlayer1.imageSourceWidth().value_or(0) > 0
           && form.ditiao.caption().right(8) != QLatin1String("00:00:00");
}

} // namespace

void Toggles::xuan_Click(int Index)
{
    switch (Index) {
    case Mute: mute(); break;
    case VariableSpeed: variableSpeed(); break;
    case TimesTen: flip(form_, TimesTen); break;
    default: break;
    }
}

void Toggles::mute()
{
    form_.yinping1[AudioItem::Mute].checked = flip(form_, Mute);
    form_.rengong_kongzhi(0);
}

// Variable speed stays on only with a playable video; the next status
// refresh gives the player its rate.
void Toggles::variableSpeed()
{
    const bool on = flip(form_, VariableSpeed);
    Form1State& s = form_.state;
    MediaPlayer& player = form_.WindowsMediaPlayer1;
    if (!playableVideo(form_)) {
        if (on)
            form_.xuan_Click(VariableSpeed);
        return;
    }
    if (on) {
        s.varispeed_resume = player.playState() == MediaPlayer::Playing ? kResumePlaying : QString();
    } else if (s.varispeed_resume == kResumePlaying) {
        PlayerWait::forLength(player);
        player.play();
    }
}

// A missing picture file leaves the picture shown before.
void Toggles::showPicture(Form1& form, int Index)
{
    if (Index < 0 || Index >= int(form.xuan.size()))
        return;
    const bool on = switchOf(form.state, Index) == Flag::Selected;
    const QString name = on ? QStringLiteral("已选框.bmp") : QStringLiteral("未选框.bmp");
    const QImage picture(form.programPath(QStringLiteral("tubiao/skin/") + name));
    if (!picture.isNull())
        form.xuan[Index].setPicture(picture);
}
