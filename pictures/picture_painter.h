#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>

class QPainter;

// Paints a picture stretched over a rectangle of any size, drawing only the
// part that is exposed, straight from the picture: a zoomed picture costs
// no more than the screen it covers, whatever the zoom.
//
// Reducing a picture by more than half in one draw leaves the smoothing of
// most source pixels out and shows moiré. So the painter keeps reduced
// copies, each half the size of the one before (a third of the picture's
// memory in all), and draws from the smallest one that still has at
// least the detail shown.
class PicturePainter {
public:
    void setImage(const QImage& image);
    const QImage& image() const { return levels_.isEmpty() ? empty_ : levels_.first(); }

    // Paints the part of `exposed` (device pixels) that the picture covers
    // when stretched over `target` (device pixels, any size, may lie far
    // outside the device). A target that is empty or not finite draws nothing.
    void paint(QPainter& painter, const QRectF& target, const QRect& exposed) const;

    // The copy drawn for a target of this size: 0 the picture, 1 half, ...
    int levelFor(const QSizeF& target) const;

private:
    QList<QImage> levels_;
    QImage empty_;
};
