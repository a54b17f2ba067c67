#include "chrome/skin_painter.h"

#include "chrome/panel_layout.h"
#include "chrome/skin_background.h"
#include "core/form1.h"

#include <QPainter>

bool SkinRepaintRule::changed(double outerWidth, double outerHeight, const QString& arg) const
{
    return width_ != outerWidth || height_ != outerHeight || arg == QStringLiteral("改变");
}

void SkinRepaintRule::remember(double outerWidth, double outerHeight)
{
    width_ = outerWidth;
    height_ = outerHeight;
}

void SkinPainter::chengxutuxiang(const QString& arg)
{
    const WindowFrame& window = parts_.window;
    if (rule_.changed(window.width(), window.height(), arg)) {
        paintSurface();
        PanelLayout::layOut(parts_.panel);
        rule_.remember(window.width(), window.height());
    }
    PanelLayout::placeKnobs(parts_.panel.state, parts_.panel.huakuai, parts_.panel.xuan);
}

void SkinPainter::paintSurface()
{
    TwipsRect place = parts_.beijing_linshi.place();
    place.width = kBackgroundWidth;
    place.height = kBackgroundHeight;
    parts_.beijing_linshi.setPlace(place);

    const double w = parts_.window.scaleWidth(), h = parts_.window.scaleHeight();
    const QSize size = TwipsRect{0, 0, w, h}.toPixels().size();
    surface_ = QImage((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    // A client area with no room (a window shrunk to nothing) shows no skin.
    if (!surface_.isNull()) {
        surface_.setDevicePixelRatio(devicePixelRatio);
        surface_.fill(Qt::transparent);
        QPainter painter(&surface_);
        paintBackground(painter, parts_.beijing_linshi.picture(), checkedBackgroundSuffix(parts_.beijing1), w, h);
    }
    if (surfaceChanged)
        surfaceChanged();
}
