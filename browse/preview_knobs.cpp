// The panel's two knobs: volume (0) and the preview's progress (1).
#include "browse/form5.h"

#include "browse/form5_design.h"
#include "core/flags.h"
#include "core/form1.h"

#include <algorithm>
#include <cmath>

namespace {

// Moves of the pointer by at most this many twips leave the knob.
constexpr double kJitter = 20;

} // namespace

void Form5::huakuai_MouseDown(int Index, int Button, int, double X, double)
{
    if (Button != MouseButton::Left || Index < 0 || Index > 1)
        return;
    // A press forgets the other knob's drag.
    knob_grab = {};
    knob_drag = {};
    knob_grab[Index] = X;
    knob_drag[Index] = Flag::Dragging;
    if (Index == 1)
        Timer1.stop();
}

void Form5::huakuai_MouseMove(int Index, int Button, int, double X, double)
{
    if (Index < 0 || Index > 1)
        return;
    showKnobSkin(Index, true);
    showKnobSkin(1 - Index, false);
    if (knob_drag[Index] != Flag::Dragging || Button != MouseButton::Left)
        return;
    moveKnob(Index, X);
    applyKnob(Index);
    Timer1.start();
}

void Form5::huakuai_MouseUp(int Index, int Button, int, double, double)
{
    if (Button != MouseButton::Left || Index < 0 || Index > 1)
        return;
    knob_drag[Index].clear();
    Timer1.start();
}

void Form5::hoverReset()
{
    showKnobSkin(0, false);
    showKnobSkin(1, false);
}

// The limit is tested on the knob before the move, so one move may carry
// it past a limit; the next one in that direction puts it back.
void Form5::moveKnob(int Index, double X)
{
    ImageControl& knob = *huakuai[Index];
    const double d = X - knob_grab[Index];
    if (d > 0) {
        if (knob.left() >= Form5Design::KnobMax)
            knob.setLeft(Form5Design::KnobMax);
        else if (std::abs(d) > kJitter)
            knob.setLeft(knob.left() + d);
    } else {
        if (knob.left() <= Form5Design::KnobMin)
            knob.setLeft(Form5Design::KnobMin);
        else if (std::abs(d) > kJitter)
            knob.setLeft(knob.left() + d);
    }
}

// Volume goes to the system; progress seeks the preview and lets it play.
void Form5::applyKnob(int Index)
{
    const double value = (huakuai[Index]->left() - Form5Design::KnobMin) / Form5Design::KnobRange;
    const double r = std::clamp(value, 0.0, 1.0);
    if (Index == 0) {
        form_.state.shengyin_shu = 32767 * r;
        form_.rengong_kongzhi(0);
        return;
    }
    const double d = WindowsMediaPlayer1.duration().value_or(0);
    if (!(d > 0))
        return;
    WindowsMediaPlayer1.setCurrentPosition(d * r);
    const MediaPlayer::PlayState state = WindowsMediaPlayer1.playState();
    if (state == MediaPlayer::Paused || state == MediaPlayer::Stopped)
        WindowsMediaPlayer1.play();
}

// Skins are read from their files whenever a knob changes its look.
void Form5::showKnobSkin(int Index, bool lit)
{
    if (knobSkin_[Index] == int(lit))
        return;
    knobSkin_[Index] = int(lit);
    const QString name = lit ? QStringLiteral("form5进度条_滑块竖_亮")
                             : QStringLiteral("form5进度条_滑块竖_暗");
    const QString path = form_.programPath(QStringLiteral("tubiao/skin/") + name + ".jpg");
    huakuai[Index]->setPicture(QImage(path));
}
