#pragma once

#include <QRect>
#include <cmath>

// Geometry is kept in twips, as the window's algorithms compute it;
// it becomes pixels only where a widget is placed.
inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }
inline double pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool operator==(const TwipsRect&) const = default;
    QRect toPixels() const
    {
        return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                     twipsToPixels(height));
    }
};
