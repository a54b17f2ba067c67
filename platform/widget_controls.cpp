#include "platform/widget_controls.h"

#include <QPainter>
#include <QPaintEvent>

namespace {

void placeWidget(QWidget* widget, const PlacedControl& control)
{
    if (!widget)
        return;
    const QRect r = control.place().toPixels();
    if (widget->geometry() != r)
        widget->setGeometry(r);
    if (widget->isVisibleTo(widget->parentWidget()) != control.isVisible())
        widget->setVisible(control.isVisible());
}

} // namespace

WidgetControl::WidgetControl(QWidget* widget) : widget_(widget)
{
    placeChanged();
}

void WidgetControl::placeChanged()
{
    placeWidget(widget_, *this);
}

WidgetLabel::WidgetLabel(QLabel* label) : label_(label)
{
    placeChanged();
}

void WidgetLabel::placeChanged()
{
    placeWidget(label_, *this);
}

void WidgetLabel::captionChanged()
{
    if (!label_)
        return;
    label_->setText(caption());
}

void StretchedImageView::setImage(const QImage& image)
{
    image_ = image;
    update();
}

void StretchedImageView::paintEvent(QPaintEvent* event)
{
    if (image_.isNull() || width() <= 0 || height() <= 0)
        return;
    // Map the exposed rectangle back onto the source picture.
    const QRectF target = event->rect();
    const double sx = double(image_.width()) / width();
    const double sy = double(image_.height()) / height();
    const QRectF source(target.left() * sx, target.top() * sy, target.width() * sx,
                        target.height() * sy);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_, source);
}

WidgetImage::WidgetImage(StretchedImageView* view) : view_(view)
{
    placeChanged();
}

void WidgetImage::placeChanged()
{
    placeWidget(view_, *this);
}

void WidgetImage::pictureChanged()
{
    if (view_)
        view_->setImage(picture());
}
