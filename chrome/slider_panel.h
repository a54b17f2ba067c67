#pragma once

#include "chrome/control_mouse.h"
#include "chrome/knob_drag.h"

#include <QPointF>

#include <array>

class Form1;

// The slider panel at the window's right edge: its designed controls,
// the knobs (KnobDrag), the step buttons, the track pieces and captions
// under the mouse, and the panel's part of the hover reset.
class SliderPanel {
public:
    static constexpr int kStepBack = 0;
    static constexpr int kStepForward = 1;

    explicit SliderPanel(Form1& form);

    KnobDrag knobs;

    // The toolkit's mouse on a knob, a toggle or a step button (points in
    // twips inside the control), raised as the control's own events: a
    // toggle switches on its Click, a step button steps on its MouseDown.
    void knobMouse(int i, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
                   QPointF at);
    void toggleMouse(int i, QEvent::Type type, Qt::MouseButton button, bool inside);
    void stepButtonMouse(int i, QEvent::Type type, Qt::MouseButton button);

    void shang_xia_MouseDown(int i, Qt::MouseButton button);
    void shang_xia_MouseUp(int i, Qt::MouseButton button);
    void jingdutiao_MouseMove(int i);
    void jingdutiao_MouseUp(int i, Qt::MouseButton button);
    void Lab_biaoji_MouseUp(Qt::MouseButton button);
    void Label3_MouseUp(Qt::MouseButton button);

    // Hides the tip and darkens all knobs.
    void hoverReset();
    // The tracks' skin, given once the start step runs.
    void loadTrackSkins();
    // The pictures the controls show from the start: the skin as it ships.
    void showDesignedPictures();

    // Knob i moved to a fraction of its track (by assistive technology):
    // the value follows and goes out as a drag's release sends it.
    void setKnobFraction(int i, double r);

private:
    Form1& form_;
    ProgramPathOf programPath_;
    std::array<ControlMouse, 4> knobMouse_;
    std::array<ControlMouse, 3> toggleMouse_;
    std::array<ControlMouse, 2> stepButtonMouse_;
};
