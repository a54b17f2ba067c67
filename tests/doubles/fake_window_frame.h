#pragma once

#include "platform/window_frame.h"

// A window frame with fixed borders: the outer size is the client size
// plus the borders, and setting one moves the other.
class FakeWindowFrame : public WindowFrame {
public:
    static constexpr double kBorderWidth = 120;  // both side borders
    static constexpr double kBorderHeight = 600; // caption and borders

    double width() const override { return clientWidth + kBorderWidth; }
    double height() const override { return clientHeight + kBorderHeight; }
    void setWidth(double twips) override { clientWidth = twips - kBorderWidth; }
    void setHeight(double twips) override { clientHeight = twips - kBorderHeight; }
    double scaleWidth() const override { return clientWidth; }
    double scaleHeight() const override { return clientHeight; }
    State windowState() const override { return state; }
    QString caption() const override { return title; }
    void setCaption(const QString& text) override { title = text; }

    double clientWidth = 12000;
    double clientHeight = 8400;
    State state = Normal;
    QString title;
};
