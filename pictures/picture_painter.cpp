#include "pictures/picture_painter.h"

#include <QPainter>
#include <cmath>

namespace {

constexpr int kSmallestLevel = 64; // no copy below this many pixels a side

bool isFinite(const QRectF& r)
{
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width())
        && std::isfinite(r.height());
}

QImage halved(const QImage& image)
{
    return image.scaled(qMax(1, image.width() / 2), qMax(1, image.height() / 2),
                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

void PicturePainter::setImage(const QImage& image)
{
    if (!levels_.isEmpty() && levels_.first().cacheKey() == image.cacheKey())
        return;
    levels_.clear();
    if (image.isNull())
        return;
    levels_ << image;
    while (qMax(levels_.last().width(), levels_.last().height()) / 2 >= kSmallestLevel)
        levels_ << halved(levels_.last());
}

int PicturePainter::levelFor(const QSizeF& target) const
{
    int level = 0;
    while (level + 1 < levels_.size()) {
        const QImage& next = levels_.at(level + 1);
        if (next.width() < target.width() || next.height() < target.height())
            break;
        ++level;
    }
    return level;
}

void PicturePainter::paint(QPainter& painter, const QRectF& target, const QRect& exposed) const
{
    if (levels_.isEmpty() || !isFinite(target) || target.width() <= 0 || target.height() <= 0)
        return;
    const QRectF shown = target.intersected(QRectF(exposed));
    if (shown.isEmpty())
        return;
    const QImage& source = levels_.at(levelFor(target.size()));
    // Map the shown rectangle back onto the source picture.
    const double sx = source.width() / target.width();
    const double sy = source.height() / target.height();
    const QRectF from((shown.left() - target.left()) * sx, (shown.top() - target.top()) * sy,
                      shown.width() * sx, shown.height() * sy);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(shown, source, from);
    painter.restore();
}
