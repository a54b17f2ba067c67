#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

// Where to put the widget of a control that may be far larger than any
// widget can be (a zoomed picture frame grows without limit): only the part
// that lies within the parent's bounds gets a widget, and the control's own
// top-left corner is kept as an offset into it.
struct ClippedPlace {
    bool shown = false; // false when nothing of the control lies in the bounds
    QRect widget;       // the widget's geometry, inside the bounds
    QPointF origin;     // the control's top-left corner in widget coordinates
};

// place: the control in pixels, relative to the parent (any size, any
// position). bounds: the part of the parent that can show anything.
ClippedPlace clipPlace(const QRectF& place, const QRect& bounds);
