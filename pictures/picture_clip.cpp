#include "pictures/picture_clip.h"

#include <cmath>

ClippedPlace clipPlace(const QRectF& place, const QRect& bounds)
{
    const bool finite = std::isfinite(place.x()) && std::isfinite(place.y())
        && std::isfinite(place.width()) && std::isfinite(place.height());
    if (!finite || place.width() <= 0 || place.height() <= 0)
        return {};
    const QRectF inside = place.intersected(QRectF(bounds));
    if (inside.isEmpty())
        return {};
    const QRect widget = inside.toAlignedRect().intersected(bounds);
    return {true, widget, place.topLeft() - QPointF(widget.topLeft())};
}
