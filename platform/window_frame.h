#pragma once

#include <QString>

// The main window's outer frame as the display logic sees it, in twips:
// the outer size (border and caption included) and the client size
// (ScaleWidth / ScaleHeight). Setting the outer size changes the client
// size by the same amount.
class WindowFrame {
public:
    enum State { Normal = 0, Minimized = 1, Maximized = 2 };

    virtual ~WindowFrame() = default;

    virtual double width() const = 0;
    virtual double height() const = 0;
    virtual void setWidth(double twips) = 0;
    virtual void setHeight(double twips) = 0;
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    virtual State windowState() const = 0;

    // The caption in the window's title bar.
    virtual QString caption() const = 0;
    virtual void setCaption(const QString& text) = 0;
};
