#include "platform/widget_window_frame.h"

#include "platform/twips.h"

#include <QScreen>

double WidgetWindowFrame::width() const
{
    return window_ ? pixelsToTwips(window_->frameGeometry().width()) : 0;
}

double WidgetWindowFrame::height() const
{
    return window_ ? pixelsToTwips(window_->frameGeometry().height()) : 0;
}

void WidgetWindowFrame::setWidth(double twips)
{
    if (!window_)
        return;
    const int border = window_->frameGeometry().width() - window_->width();
    window_->resize(twipsToPixels(twips) - border, window_->height());
}

void WidgetWindowFrame::setHeight(double twips)
{
    if (!window_)
        return;
    const int border = window_->frameGeometry().height() - window_->height();
    window_->resize(window_->width(), twipsToPixels(twips) - border);
    keepOnScreen();
}

// A window that grew past the foot of the screen moves up, never above its top.
void WidgetWindowFrame::keepOnScreen()
{
    const QScreen* screen = window_->screen();
    if (!screen || window_->isMaximized() || window_->isFullScreen())
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window_->frameGeometry();
    if (frame.bottom() <= area.bottom() || frame.top() <= area.top())
        return;
    window_->move(frame.left(), qMax(area.top(), area.bottom() - frame.height() + 1));
}

double WidgetWindowFrame::scaleWidth() const
{
    return window_ ? pixelsToTwips(window_->width()) : 0;
}

double WidgetWindowFrame::scaleHeight() const
{
    return window_ ? pixelsToTwips(window_->height()) : 0;
}

WindowFrame::State WidgetWindowFrame::windowState() const
{
    if (!window_ || window_->isMinimized())
        return Minimized;
    return window_->isMaximized() ? Maximized : Normal;
}

QString WidgetWindowFrame::caption() const
{
    return window_ ? window_->windowTitle() : QString();
}

void WidgetWindowFrame::setCaption(const QString& text)
{
    if (window_ && window_->windowTitle() != text)
        window_->setWindowTitle(text);
}
