#include "chrome/window/panel_piece.h"

#include "platform/twips.h"

#include <QMouseEvent>
#include <QPainter>

PanelPiece::PanelPiece(Kind kind, int index, QWidget* parent)
    : QWidget(parent), kind_(kind), index_(index)
{
    // Knobs light up and tracks reset the hover under a pointer without buttons.
    setMouseTracking(kind == Knob || kind == Track);
}

void PanelPiece::setImage(const QImage& image)
{
    if (image.cacheKey() == image_.cacheKey())
        return;
    image_ = image;
    update();
}

void PanelPiece::paintEvent(QPaintEvent*)
{
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()), image_);
}

void PanelPiece::forward(QMouseEvent* event)
{
    // Taken here: the window beneath must not treat it as its own.
    event->accept();
    if (mouse)
        mouse(event->type(), event->button(), event->buttons(), event->position() * kTwipsPerPixel);
}

void PanelPiece::mousePressEvent(QMouseEvent* event)
{
    forward(event);
}

void PanelPiece::mouseMoveEvent(QMouseEvent* event)
{
    forward(event);
}

void PanelPiece::mouseReleaseEvent(QMouseEvent* event)
{
    forward(event);
}

void PanelPiece::mouseDoubleClickEvent(QMouseEvent* event)
{
    forward(event);
}
