#pragma once

#include "platform/window_frame.h"

#include <QPointer>
#include <QWidget>

// The outer frame of a real top-level widget, in twips. The outer size
// includes what the window manager adds (caption, borders).
class WidgetWindowFrame : public WindowFrame {
public:
    explicit WidgetWindowFrame(QWidget* window) : window_(window) {}

    double width() const override;
    double height() const override;
    void setWidth(double twips) override;
    void setHeight(double twips) override;
    double scaleWidth() const override;
    double scaleHeight() const override;
    State windowState() const override;
    QString caption() const override;
    void setCaption(const QString& text) override;

private:
    void keepOnScreen();

    QPointer<QWidget> window_;
};
