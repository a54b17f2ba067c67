#include "audio/toggles.h"

#include "core/designed_menus.h"
#include "core/flags.h"
#include "core/form1.h"
#include "playback/player_wait.h"

#include <QImage>

namespace {

const QString kResumePlaying = QStringLiteral("播放");

template <class State>
auto& switchOf(State& s, int Index)
{
    switch (Index) {
    case Toggles::Mute: return s.mute_state;
    case Toggles::VariableSpeed: return s.varispeed_state;
    default: return s.speed_x10_state;
    }
}

// A video whose length the status line shows.
bool playableVideo(MediaPlayer& player, const LabelControl& ditiao)
{
    return player.imageSourceWidth().value_or(0) > 0
           && ditiao.caption().right(8) != QLatin1String("00:00:00");
}

} // namespace

void Toggles::xuan_Click(int Index)
{
    switch (Index) {
    case Mute: mute(); break;
    case VariableSpeed: variableSpeed(); break;
    case TimesTen: flip(TimesTen); break;
    default: break;
    }
}

// Flips the switch; true when it is now on.
bool Toggles::flip(int Index)
{
    QString& on = switchOf(parts_.state, Index);
    if (on == Flag::Selected)
        on.clear();
    else
        on = Flag::Selected;
    showPicture(parts_.state, parts_.xuan, parts_.programPath, Index);
    return on == Flag::Selected;
}

void Toggles::mute()
{
    parts_.yinping1[AudioItem::Mute].checked = flip(Mute);
    parts_.rengong_kongzhi(0);
}

// Variable speed stays on only with a playable video; the next status
// refresh gives the player its rate.
void Toggles::variableSpeed()
{
    const bool on = flip(VariableSpeed);
    Form1State& s = parts_.state;
    MediaPlayer& player = parts_.WindowsMediaPlayer1;
    if (!playableVideo(player, parts_.ditiao)) {
        if (on)
            parts_.xuan_Click(VariableSpeed);
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
void Toggles::showPicture(const Form1State& state, std::array<PanelImage, 3>& xuan,
                          const ProgramPathOf& programPath, int Index)
{
    if (Index < 0 || Index >= int(xuan.size()))
        return;
    const bool on = switchOf(state, Index) == Flag::Selected;
    const QString name = on ? QStringLiteral("已选框.bmp") : QStringLiteral("未选框.bmp");
    const QImage picture(programPath(QStringLiteral("tubiao/skin/") + name));
    if (!picture.isNull())
        xuan[Index].setPicture(picture);
}
