#include "chrome/window/widget_main_window_control.h"

void WidgetMainWindowControl::setWindowState(WindowFrame::State state)
{
    if (!window_)
        return;
    Qt::WindowStates states = window_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == WindowFrame::Minimized)
        states |= Qt::WindowMinimized;
    else if (state == WindowFrame::Maximized)
        states |= Qt::WindowMaximized;
    window_->setWindowState(states);
    if (state != WindowFrame::Minimized)
        window_->show();
}

void WidgetMainWindowControl::showWithFocus()
{
    if (!window_)
        return;
    window_->show();
    window_->raise();
    window_->activateWindow();
}
