#include "browse/window/panel_parts.h"

#include "platform/twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

int buttonCodes(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

double twips(double pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace

void KnobView::mousePressEvent(QMouseEvent* event)
{
    emit pressed(buttonCodes(event->button()), shiftCode(event->modifiers()),
                 twips(event->position().x()), twips(event->position().y()));
}

void KnobView::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(buttonCodes(event->buttons()), shiftCode(event->modifiers()),
               twips(event->position().x()), twips(event->position().y()));
}

void KnobView::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(buttonCodes(event->button()), shiftCode(event->modifiers()),
                  twips(event->position().x()), twips(event->position().y()));
}

void TrackView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF rail = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = rail.height() / 2;
    painter.setPen(QColor(0xa9, 0xb6, 0xc4));
    painter.setBrush(QColor(0xdd, 0xe4, 0xeb));
    painter.drawRoundedRect(rail, radius, radius);
    const double grooveHeight = qMax(2.0, rail.height() / 4);
    const QRectF groove(rail.left() + radius, rail.center().y() - grooveHeight / 2,
                        rail.width() - 2 * radius, grooveHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3b, 0x4a, 0x5c));
    painter.drawRoundedRect(groove, grooveHeight / 2, grooveHeight / 2);
}
