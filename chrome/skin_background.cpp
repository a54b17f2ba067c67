#include "chrome/skin_background.h"

#include "core/menu_array.h"

#include <QImage>
#include <QPainter>
#include <QRectF>

QString checkedBackgroundSuffix(const MenuArray& backgrounds)
{
    QString caption;
    for (const MenuItem& item : backgrounds.items())
        if (item.checked)
            caption = item.caption;
    return caption.right(4);
}

QList<FramePart> ninePartFrame(double w, double h)
{
    const double cw = 3000, ch = 2400;   // corner blocks
    const double midW = w - 6000, midH = h - 4220, bottom = h - 1820;
    const QList<FramePart> all = {
        {{0, 0, cw, ch}, {0, 0, cw, ch}},
        {{cw, 0, midW, ch}, {cw, 0, 6000, ch}},
        {{w - cw, 0, cw, ch}, {9000, 0, cw, ch}},
        {{0, ch, cw, midH}, {0, ch, cw, 4200}},
        {{cw, ch, midW, midH}, {cw, ch, 6000, 4200}},
        {{w - cw, ch, cw, midH}, {9000, ch, cw, 4200}},
        {{0, bottom, cw, ch}, {0, 6600, cw, ch}},
        {{cw, bottom, midW, ch}, {cw, 6600, 6000, ch}},
        {{w - cw, bottom, cw, ch}, {9000, 6600, cw, ch}},
    };
    QList<FramePart> parts;
    for (const FramePart& p : all)
        if (p.destination.width > 0 && p.destination.height > 0)
            parts << p;
    return parts;
}

namespace {

QRectF toPixelsF(const TwipsRect& r, double sx = 1.0 / kTwipsPerPixel,
                 double sy = 1.0 / kTwipsPerPixel)
{
    return QRectF(r.left * sx, r.top * sy, r.width * sx, r.height * sy);
}

} // namespace

void paintBackground(QPainter& painter, const QImage& picture, const QString& suffix,
                     double width, double height)
{
    if (picture.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (suffix != QStringLiteral(".wzh")) {
        painter.drawImage(toPixelsF({0, 0, width, height}), picture);
        return;
    }
    // Source twips map onto the picture's own pixels.
    const double sx = picture.width() / kBackgroundWidth;
    const double sy = picture.height() / kBackgroundHeight;
    for (const FramePart& p : ninePartFrame(width, height))
        painter.drawImage(toPixelsF(p.destination), picture, toPixelsF(p.source, sx, sy));
}
