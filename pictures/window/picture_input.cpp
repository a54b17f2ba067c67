#include "pictures/window/picture_input.h"

#include "core/form1.h"
#include "pictures/window/picture_view.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPixmap>

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

PictureInput::PictureInput(PictureView* view, Form1& form)
    : QObject(view), view_(view), form_(form)
{
    view->installEventFilter(this);
}

bool PictureInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != view_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        forward(event->type(), *static_cast<QMouseEvent*>(event));
        applyPointer();
        return true;
    default:
        return false;
    }
}

void PictureInput::forward(QEvent::Type type, const QMouseEvent& event)
{
    // Image1's own coordinates: from its corner, which may lie far outside
    // the widget when the picture is zoomed.
    const QPointF at = (event.position() - view_->target().topLeft()) * kTwipsPerPixel;
    const int shift = shiftCode(event.modifiers());
    switch (type) {
    case QEvent::MouseButtonDblClick:
        if (event.button() == Qt::LeftButton) {
            form_.Image1_DblClick();
            break;
        }
        [[fallthrough]]; // a double click of another button is a press
    case QEvent::MouseButtonPress:
        form_.Image1_MouseDown(buttonCode(event.button()), shift, at.x(), at.y());
        break;
    case QEvent::MouseButtonRelease:
        form_.Image1_MouseUp(buttonCode(event.button()), shift, at.x(), at.y());
        break;
    default:
        form_.Image1_MouseMove(buttonCode(event.buttons()), shift, at.x(), at.y());
        break;
    }
}

// The cursor is made again only when the handlers loaded another one.
void PictureInput::applyPointer()
{
    const MousePointerState& pointer = form_.Image1Pointer;
    const bool custom = pointer.MousePointer == MousePointerState::Custom
        && !pointer.MouseIcon.isNull();
    if (!custom) {
        if (custom_)
            view_->unsetCursor();
        custom_ = false;
        return;
    }
    if (custom_ && shownIcon_ == pointer.MouseIcon.cacheKey() && shownHotSpot_ == pointer.hotSpot)
        return;
    view_->setCursor(QCursor(QPixmap::fromImage(pointer.MouseIcon), pointer.hotSpot.x(),
                             pointer.hotSpot.y()));
    custom_ = true;
    shownIcon_ = pointer.MouseIcon.cacheKey();
    shownHotSpot_ = pointer.hotSpot;
}
