#pragma once

#include <QEvent>
#include <QList>

// The mouse events one designed control raises, made from the toolkit's.
// A double click comes from the toolkit as press, release, double click,
// release; the control raises MouseDown, MouseUp, Click, DblClick, MouseUp:
// the second press is a DblClick and not a MouseDown, and its release
// raises no Click. Click and DblClick belong to the left button; a double
// click of another button is a plain press.
class ControlMouse {
public:
    enum Event { MouseDown, MouseMove, MouseUp, Click, DblClick };

    // The control's events for one toolkit event, in order. `inside`: the
    // pointer is over the control (a release elsewhere is no click).
    QList<Event> events(QEvent::Type type, Qt::MouseButton button, bool inside = true);

private:
    bool secondPress_ = false;
};
