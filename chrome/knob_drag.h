#pragma once

#include <Qt>

class Form1;

// The four knobs `huakuai` under the mouse: the tip and highlight on every
// move, the drag that changes a value, the release that applies it and the
// double click that resets speed or balance. Coordinates are twips inside
// the knob.
class KnobDrag {
public:
    explicit KnobDrag(Form1& form) : form_(form) {}

    void huakuai_MouseDown(int i, Qt::MouseButton button, double x, double y);
    void huakuai_MouseMove(int i, Qt::MouseButtons buttons, double x, double y);
    void huakuai_MouseUp(int i, Qt::MouseButton button);
    void huakuai_DblClick(int i);

private:
    void drag(int i, double x, double y);

    Form1& form_;
};
