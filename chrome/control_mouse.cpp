#include "chrome/control_mouse.h"

QList<ControlMouse::Event> ControlMouse::events(QEvent::Type type, Qt::MouseButton button, bool inside)
{
    switch (type) {
    case QEvent::MouseButtonDblClick:
        if (button == Qt::LeftButton) {
            secondPress_ = true;
            return {DblClick};
        }
        [[fallthrough]];
    case QEvent::MouseButtonPress:
        secondPress_ = false;
        return {MouseDown};
    case QEvent::MouseButtonRelease: {
        const bool click = button == Qt::LeftButton && inside && !secondPress_;
        if (button == Qt::LeftButton)
            secondPress_ = false;
        return click ? QList<Event>{MouseUp, Click} : QList<Event>{MouseUp};
    }
    case QEvent::MouseMove:
        return {MouseMove};
    default:
        return {};
    }
}
