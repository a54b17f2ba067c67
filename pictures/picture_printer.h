#pragma once

#include "platform/twips.h"

#include <QImage>

// The system's printer as the print preview uses it: one page with one
// picture on it, placed in printer twips (1440 an inch) from the top left
// of the printable area.
class PicturePrinter {
public:
    static constexpr int Portrait = 1;
    static constexpr int Landscape = 2;
    enum class Setup { Chosen, Cancelled, Failed };

    virtual ~PicturePrinter() = default;

    virtual int orientation() const = 0;
    virtual void setOrientation(int orientation) = 0;
    // Puts the picture on the page; false when it cannot.
    virtual bool paintPicture(const QImage& picture, const TwipsRect& twips) = 0;
    // Sends the page to the printer; false when that failed or nothing
    // was put on it.
    virtual bool endDoc() = 0;
    // The printer dialog; the choice becomes the printer's.
    virtual Setup setupDialog() = 0;
    // The paper in twips, as it lies in the printer's orientation.
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;
};
