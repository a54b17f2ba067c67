#pragma once

#include "core/operation.h"

class ImageControl;
class PlacedControl;
class WindowFrame;
struct Form1State;

// What the zoom works on: the frame, the natural-size picture, the
// window's size and the refresh that follows.
struct PictureZoomParts {
    Form1State& state;
    PlacedControl& Picture1;
    ImageControl& Image2;
    WindowFrame& window;
    Operation<void()>& shijian2;
};

// Zooming the viewer frame: by a factor of its current size, by a
// percentage or to the natural size of the picture, and carrying the zoom
// over to the next picture. The picture itself is never scaled: only the
// frame's geometry changes, and the frame shows the picture stretched.
class PictureZoom {
public:
    explicit PictureZoom(const PictureZoomParts& parts) : parts_(parts) {}

    // "放大一倍" (f = 2) and "缩小一半" (f = 1/2): steps compound.
    void step(double f);
    // A percentage p (as a factor) of the natural size; the layout follows
    // on the next tick.
    void percent(double p);
    // "原始尺寸": the natural size.
    void actualSize();
    // A newly loaded picture at the ratio r of the one before.
    void carryOver(double r);

private:
    void enterZoomMode();
    void setFrameSize(double width, double height);
    void centre(double f);

    PictureZoomParts parts_;
};
