#pragma once

#include "core/content_area.h"

#include <QSizeF>

#include "core/operation.h"

class ImageControl;
class MediaPlayer;
class PlacedControl;
class WindowFrame;
struct Form1State;

// What the placement works on: the frame, what gives the picture's size,
// the window and the skin painter the content area is computed after.
struct PicturePlacementParts {
    Form1State& state;
    PlacedControl& Picture1;
    ImageControl& Image2;
    MediaPlayer& WindowsMediaPlayer2;
    WindowFrame& window;
    Operation<void(const QString& text)>& chengxutuxiang;
};

// Where the viewer frame Picture1 goes at each run of the display refresh:
// fitted to the content width (pictures and start pictures), or kept in
// the content area by the zoom placement rule (the zoom mode). In a window
// in the normal state the window's height follows the fitted picture.
class PicturePlacement {
public:
    explicit PicturePlacement(const PicturePlacementParts& parts) : parts_(parts) {}

    void fittedPlacement();
    void windowHeightRule();
    void zoomPlacement();

private:
    ContentArea area();
    QSizeF sourceSize() const;
    void fitMaximized(const ContentArea& a, double fitH, QSizeF source);
    void fitNormal(const ContentArea& a, double fitH);
    void setWindowHeightFor(double fitH);

    PicturePlacementParts parts_;
};
