#include "chrome/knob_drag.h"

#include "chrome/knob_values.h"
#include "chrome/panel_layout.h"
#include "chrome/value_tip.h"
#include "core/flags.h"
#include "core/form1.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDeadBand = 20;

bool isKnob(int i)
{
    return i >= 0 && i < KnobValues::kKnobs;
}

// Moves a knob coordinate by the pointer's distance from its grab point,
// beyond a dead band and never past the limits; returns the fraction of
// the range it then stands at.
double moveKnob(double& at, double distance, double lowest, double highest)
{
    if (distance > 0) {
        if (at >= highest)
            at = highest;
        else if (std::abs(distance) > kDeadBand)
            at = std::min(at + distance, highest);
    } else {
        if (at <= lowest)
            at = lowest;
        else if (std::abs(distance) > kDeadBand)
            at = std::max(at + distance, lowest);
    }
    return std::clamp((at - lowest) / (highest - lowest), 0.0, 1.0);
}

} // namespace

void KnobDrag::huakuai_MouseDown(int i, Qt::MouseButton button, double x, double y)
{
    if (!isKnob(i) || button != Qt::LeftButton)
        return;
    Form1State& s = parts_.state;
    // A press forgets any other knob's drag.
    s.knob_grab = {};
    s.knob_drag = {};
    s.knob_grab[i] = i == KnobValues::kBalance ? x : y;
    s.knob_drag[i] = Flag::Dragging;
    // Playback must not move the knob or position_ms under the pointer.
    if (i == KnobValues::kProgress)
        parts_.Timer1.stop();
}

void KnobDrag::huakuai_MouseMove(int i, Qt::MouseButtons buttons, double x, double y)
{
    if (!isKnob(i))
        return;
    if (buttons == Qt::LeftButton && parts_.state.knob_drag[i] == Flag::Dragging)
        drag(i, x, y);
    ValueTip::show(parts_.state, parts_.huakuai, parts_.xianshi_wenben, parts_.programPath, i);
}

void KnobDrag::drag(int i, double x, double y)
{
    const PanelLayout::Limits l = PanelLayout::limits(parts_.state, parts_.xuan);
    PanelImage& knob = parts_.huakuai[i];
    const double grab = parts_.state.knob_grab[i];
    double r = 0;
    if (i == KnobValues::kBalance) {
        double left = knob.left();
        r = moveKnob(left, x - grab, l.balanceLeft, l.balanceRight);
        knob.setLeft(left);
    } else {
        double top = knob.top();
        r = moveKnob(top, y - grab, l.trackTop, l.trackBottom);
        knob.setTop(top);
    }
    if (!std::isfinite(r))
        return;
    KnobValues::setFraction(parts_.state, i, r);
    // The progress knob seeks on release.
    if (i != KnobValues::kProgress)
        parts_.rengong_kongzhi(i);
}

void KnobDrag::huakuai_MouseUp(int i, Qt::MouseButton button)
{
    if (!isKnob(i) || button != Qt::LeftButton)
        return;
    parts_.state.knob_drag[i].clear();
    parts_.rengong_kongzhi(i);
    if (!parts_.Timer1.isActive())
        parts_.Timer1.start();
}

// Speed back to normal, balance to the centre. The knob goes where the
// value puts it, so the release that follows keeps the value.
void KnobDrag::huakuai_DblClick(int i)
{
    Form1State& s = parts_.state;
    if (i == 1)
        s.sudu_shu = s.speed_x10_state == Flag::Selected ? 10 : 100;
    else if (i == KnobValues::kBalance)
        s.balance_step = 0;
    else
        return;
    PanelLayout::placeKnobs(s, parts_.huakuai, parts_.xuan);
}
