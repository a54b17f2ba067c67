#pragma once

#include "platform/window_frame.h"

#include <QPoint>
#include <QRect>

// The floating toolbar's own window as the desktop has it, in screen
// pixels, and the pointer: what the toolbar asks of the window system.
class ToolbarWindow {
public:
    virtual ~ToolbarWindow() = default;

    // Where the window is on the screen (its outer rectangle).
    virtual QRect windowRect() const = 0;
    // Moves and sizes the window and repaints it.
    virtual void moveWindow(const QRect& rect) = 0;
    // Places the window above every window that is not itself on top.
    virtual void placeTopmost(const QRect& rect) = 0;
    // The pointer's position on the screen.
    virtual QPoint cursorPos() const = 0;
    // The screen the window is on.
    virtual QRect screenRect() const = 0;
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void takeFocus() = 0;
};

// The main window as the toolbar and the tray icon change it: its state,
// and bringing it back to the front.
class MainWindowControl {
public:
    virtual ~MainWindowControl() = default;

    virtual void setWindowState(WindowFrame::State state) = 0;
    // Shows the window, raises it and gives it the focus.
    virtual void showWithFocus() = 0;
};
