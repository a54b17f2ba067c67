#include "pictures/window/picture_view.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

QRectF pixelPlace(const PlacedControl& control)
{
    const double k = kTwipsPerPixel;
    return QRectF(control.left() / k, control.top() / k, control.width() / k, control.height() / k);
}

namespace {

// Puts a widget where a clipped place says, or hides it.
void applyClip(QWidget* widget, const ClippedPlace& clip, bool visible)
{
    if (!widget)
        return;
    const bool shown = visible && clip.shown;
    if (shown && widget->geometry() != clip.widget)
        widget->setGeometry(clip.widget);
    if (widget->isVisibleTo(widget->parentWidget()) != shown)
        widget->setVisible(shown);
}

} // namespace

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void PictureView::setImage(const QImage& image)
{
    painter_.setImage(image);
    update();
}

void PictureView::setTarget(const QRectF& target)
{
    if (target == target_)
        return;
    target_ = target;
    update();
}

void PictureView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter_.paint(painter, target_, event->rect());
}

PictureFrameControl::PictureFrameControl(QWidget* frame) : widget_(frame)
{
    if (frame && frame->parentWidget())
        frame->parentWidget()->installEventFilter(this);
    placeChanged();
}

void PictureFrameControl::placeChanged()
{
    if (!widget_)
        return;
    const QWidget* parent = widget_->parentWidget();
    const QRect bounds = parent ? parent->rect() : QRect(QPoint(0, 0), widget_->size());
    clip_ = clipPlace(pixelPlace(*this), bounds);
    applyClip(widget_, clip_, isVisible());
    if (placed)
        placed();
}

// A larger window shows more of a large frame.
bool PictureFrameControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && widget_ && watched == widget_->parentWidget())
        placeChanged();
    return false;
}

PictureViewControl::PictureViewControl(PictureView* view, PictureFrameControl& frame)
    : view_(view), frame_(frame)
{
    frame_.placed = [this] { placeChanged(); };
    placeChanged();
}

void PictureViewControl::placeChanged()
{
    QWidget* frame = frame_.widget();
    if (!view_ || !frame)
        return;
    const QRectF place = pixelPlace(*this).translated(frame_.origin());
    const ClippedPlace clip = clipPlace(place, QRect(QPoint(0, 0), frame->size()));
    applyClip(view_, clip, isVisible());
    view_->setTarget(QRectF(clip.origin, place.size()));
}

void PictureViewControl::pictureChanged()
{
    if (view_)
        view_->setImage(picture());
}
