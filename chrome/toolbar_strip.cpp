#include "chrome/toolbar_strip.h"

#include "chrome/toolbar_design.h"

#include <QImageReader>
#include <QPainter>
#include <cmath>

namespace {

// A picture's natural size in twips: 1440 twips an inch at the file's own
// resolution, 96 dpi when it gives none.
double naturalTwips(int pixels, int dotsPerMeter)
{
    const double dpi = dotsPerMeter > 0 ? dotsPerMeter * 0.0254 : 96.0;
    return pixels * 1440.0 / dpi;
}

} // namespace

QString stripPictureName(StripLook look, bool restoreSet)
{
    const QString set = restoreSet ? QStringLiteral("(恢复).jpg") : QStringLiteral("(最小化).jpg");
    switch (look) {
    case StripLook::Pressed: return QStringLiteral("tubiao/蓝色按下") + set;
    case StripLook::Hover: return QStringLiteral("tubiao/亮绿色") + set;
    case StripLook::Normal: break;
    }
    return QStringLiteral("tubiao/蓝色") + set;
}

void ToolbarStrip::setDevicePixelRatio(double ratio)
{
    if (ratio <= 0 || ratio == ratio_)
        return;
    ratio_ = ratio;
    surface_ = QImage();
    ensureSurface();
    paintWhole();
}

void ToolbarStrip::ensureSurface()
{
    if (!surface_.isNull())
        return;
    const QRect pixels = ToolbarDesign::Strip.toPixels();
    surface_ = QImage(int(std::ceil(pixels.width() * ratio_)), int(std::ceil(pixels.height() * ratio_)),
                      QImage::Format_RGB32);
    surface_.setDevicePixelRatio(ratio_);
    // Until a picture is painted, the toolbar's own blue.
    surface_.fill(QColor(0, 0, 255));
}

bool ToolbarStrip::load(const QString& path)
{
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull())
        return false;
    Image1.setPicture(picture);
    Image1.setPlace({0, 720, naturalTwips(picture.width(), picture.dotsPerMeterX()),
                     naturalTwips(picture.height(), picture.dotsPerMeterY())});
    return true;
}

bool ToolbarStrip::setPicture(const QString& path)
{
    if (!load(path))
        return false;
    paintWhole();
    return true;
}

void ToolbarStrip::paintWhole()
{
    ensureSurface();
    if (Image1.picture().isNull())
        return;
    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
    const TwipsRect& strip = ToolbarDesign::Strip;
    painter.drawImage(QRectF(strip.left, strip.top, strip.width, strip.height), Image1.picture());
}

void ToolbarStrip::paintBlock(double blockLeft)
{
    ensureSurface();
    const QImage& picture = Image1.picture();
    if (picture.isNull() || Image1.width() <= 0 || Image1.height() <= 0)
        return;
    // Image1's picture in its own pixels per twip.
    const double sx = picture.width() / Image1.width();
    const double sy = picture.height() / Image1.height();
    const double size = ToolbarDesign::BlockSize;
    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
    painter.drawImage(QRectF(blockLeft, 0, size, size), picture,
                      QRectF(blockLeft * sx, 0, size * sx, size * sy));
}
