#include "pictures/window/preview_page.h"

#include "pictures/print_preview.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QRectF pixels(const TwipsRect& r)
{
    return QRectF(r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
                  r.height / kTwipsPerPixel);
}

} // namespace

PreviewPage::PreviewPage(Form2& model, QWidget* parent) : QWidget(parent), model_(model)
{
    setAccessibleName(QStringLiteral("预览"));
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
}

void PreviewPage::paintEvent(QPaintEvent*)
{
    const PreviewState& s = model_.state;
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    painter.fillRect(pixels(s.Shape2), Qt::white);
    painter.setClipRect(pixels(s.Shape1));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (model_.holdsPicture() && s.Image1.width > 0 && s.Image1.height > 0)
        painter.drawImage(pixels(s.Image1), model_.picture());
    painter.setClipping(false);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(pixels(s.Shape1).adjusted(0, 0, -1, -1));
    if (s.Shape3Visible) {
        painter.setPen(QPen(Qt::blue, 1, Qt::DashLine));
        painter.drawRect(pixels(s.Shape3).adjusted(0, 0, -1, -1));
    }
}

bool PreviewPage::onPicture(const QPointF& at) const
{
    return pixels(model_.state.Image1).contains(at);
}

void PreviewPage::mousePressEvent(QMouseEvent* event)
{
    if (onPicture(event->position()))
        model_.Image1_MouseDown();
}

void PreviewPage::mouseReleaseEvent(QMouseEvent*)
{
    if (model_.state.Shape3Visible)
        model_.Image1_MouseUp();
}
