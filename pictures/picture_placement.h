#pragma once

#include "core/content_area.h"

#include <QSizeF>

class Form1;

// Where the viewer frame Picture1 goes at each run of the display refresh:
// fitted to the content width (pictures and start pictures), or kept in
// the content area by the zoom placement rule (the zoom mode). In a window
// in the normal state the window's height follows the fitted picture.
class PicturePlacement {
public:
    explicit PicturePlacement(Form1& form) : form_(form) {}

    void fittedPlacement();
    void windowHeightRule();
    void zoomPlacement();

private:
    ContentArea area();
    QSizeF sourceSize() const;
    void fitMaximized(const ContentArea& a, double fitH, QSizeF source);
    void fitNormal(const ContentArea& a, double fitH);
    void setWindowHeightFor(double fitH);

    Form1& form_;
};
