#pragma once

#include "platform/placed_control.h"

#include <QImage>
#include <QString>

// The three looks of the toolbar's strip pictures.
enum class StripLook { Normal, Pressed, Hover };

// The picture file of a look under the program directory: the restore set
// (main window minimized) or the minimize set.
QString stripPictureName(StripLook look, bool restoreSet);

// Picture1, the toolbar's button strip, and Image1, the holder of the
// strip picture loaded last. Every paint loads its picture from file into
// Image1 first; a picture that cannot be loaded leaves the strip as it was.
class ToolbarStrip {
public:
    ToolbarStrip() { ensureSurface(); }

    // The strip's surface, at the screen's pixel ratio.
    const QImage& surface() const { return surface_; }
    void setDevicePixelRatio(double ratio);

    // Loads a picture into Image1: it takes the picture and its natural
    // size in twips (from the file's own resolution). False when the file
    // holds no picture; Image1 then keeps what it held.
    bool load(const QString& path);
    // Sets Picture1's picture: the file as it stands, stretched over the strip.
    bool setPicture(const QString& path);
    // Paints Image1's picture over the whole strip, stretched.
    void paintWhole();
    // Copies the square block of the button at blockLeft (twips) from
    // Image1's picture onto the same place of the strip.
    void paintBlock(double blockLeft);

    ImageControl Image1;

private:
    void ensureSurface();

    double ratio_ = 1;
    QImage surface_;
};
