#include "chrome/window/floating_toolbar_view.h"

#include "chrome/floating_toolbar.h"
#include "chrome/toolbar_design.h"
#include "chrome/window/toolbar_spot.h"
#include "core/flags.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QWindow>

namespace {

QColor fromBgr(unsigned bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

int buttonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return 0;
    }
}

// Twips within the window.
QPointF twipsOf(const QPointF& local)
{
    return local * kTwipsPerPixel;
}

} // namespace

FloatingToolbarView::FloatingToolbarView(Form4& toolbar)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      toolbar_(toolbar)
{
    setWindowTitle(QStringLiteral("浮动工具条"));
    setAccessibleName(QStringLiteral("浮动工具条"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    resize(TwipsRect{0, 0, ToolbarDesign::Width, ToolbarDesign::Height}.toPixels().size());
    toolbar_.window = this;
    toolbar_.changed.connect(this, [this] { follow(); });
    ToolbarSpot::install();
    for (int i = 1; i <= ToolbarDesign::kButtons; ++i) {
        auto* spot = new ToolbarSpot(this, [this, i] { toolbar_.Label1_Click(i); });
        spot->setGeometry(ToolbarDesign::hotSpot(i).toPixels());
        spots_[std::size_t(i)] = spot;
    }
    follow();
}

bool FloatingToolbarView::placesItself()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QRect FloatingToolbarView::windowRect() const
{
    return geometry();
}

void FloatingToolbarView::moveWindow(const QRect& rect)
{
    setGeometry(rect);
    update();
}

void FloatingToolbarView::placeTopmost(const QRect& rect)
{
    setGeometry(rect);
    raise();
}

// Where the window system cannot tell the pointer outside the window, the
// pointer counts as on the top edge above the toolbar: it stays unfolded.
QPoint FloatingToolbarView::cursorPos() const
{
    if (placesItself())
        return QCursor::pos();
    if (underMouse() && lastLocal_.x() >= 0)
        return mapToGlobal(lastLocal_);
    return QPoint(geometry().center().x(), geometry().top());
}

QRect FloatingToolbarView::screenRect() const
{
    const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
    return on ? on->geometry() : QRect();
}

void FloatingToolbarView::setVisible(bool visible)
{
    QWidget::setVisible(visible);
}

void FloatingToolbarView::takeFocus()
{
    activateWindow();
}

int FloatingToolbarView::hotSpotAt(const QPointF& local)
{
    const QPointF at = twipsOf(local);
    for (int i = 1; i <= ToolbarDesign::kButtons; ++i) {
        const TwipsRect r = ToolbarDesign::hotSpot(i);
        if (at.x() >= r.left && at.x() < r.left + r.width && at.y() >= r.top
            && at.y() < r.top + r.height)
            return i;
    }
    return 0;
}

void FloatingToolbarView::follow()
{
    toolbar_.strip.setDevicePixelRatio(devicePixelRatioF());
    setCursor(toolbar_.movePointer ? Qt::SizeAllCursor : Qt::ArrowCursor);
    for (int i = 1; i <= ToolbarDesign::kButtons; ++i)
        spots_[std::size_t(i)]->setAccessibleName(toolbar_.toolTips[std::size_t(i)]);
    update();
}

void FloatingToolbarView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), fromBgr(toolbar_.BackColor));
    if (toolbar_.boxColor) {
        painter.setPen(*toolbar_.boxColor);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.drawImage(QPointF(0, 0), toolbar_.strip.surface());
}

void FloatingToolbarView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    const QPointF twips = twipsOf(at);
    pressedSpot_ = hotSpotAt(at);
    if (pressedSpot_) {
        toolbar_.Label1_MouseDown(pressedSpot_, buttonOf(event->button()), 0, twips.x(), twips.y());
        return;
    }
    toolbar_.Picture1_MouseDown(buttonOf(event->button()), 0, twips.x(), twips.y());
    // The compositor moves a window that cannot place itself.
    if (!placesItself() && toolbar_.dragging && windowHandle())
        windowHandle()->startSystemMove();
}

void FloatingToolbarView::mouseMoveEvent(QMouseEvent* event)
{
    lastLocal_ = event->position().toPoint();
    const QPointF twips = twipsOf(event->position());
    const int button = buttonOf(Qt::MouseButton(int(event->buttons() & 7)));
    const int spot = pressedSpot_ ? pressedSpot_ : hotSpotAt(event->position());
    if (spot)
        toolbar_.Label1_MouseMove(spot, button, 0, twips.x(), twips.y());
    else
        toolbar_.Picture1_MouseMove(button, 0, twips.x(), twips.y());
}

void FloatingToolbarView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF twips = twipsOf(event->position());
    const int spot = std::exchange(pressedSpot_, 0);
    const int button = buttonOf(event->button());
    if (!spot) {
        toolbar_.Picture1_MouseUp(button, 0, twips.x(), twips.y());
        return;
    }
    toolbar_.Label1_MouseUp(spot, button, 0, twips.x(), twips.y());
    // A click: the left button released over the hot spot that took the press.
    if (event->button() == Qt::LeftButton && hotSpotAt(event->position()) == spot)
        toolbar_.Label1_Click(spot);
}

bool FloatingToolbarView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int spot = hotSpotAt(help->pos());
        if (spot)
            QToolTip::showText(help->globalPos(), toolbar_.toolTips[std::size_t(spot)], this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
