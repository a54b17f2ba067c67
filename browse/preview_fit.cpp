#include "browse/preview_fit.h"

#include "browse/form5_design.h"

namespace PreviewFit {

namespace {

constexpr double kBoxWidth = Form5Design::Box.width;
constexpr double kBoxHeight = Form5Design::Box.height;

// Scales w x h to the box's height, or to its width when that is too wide.
TwipsRect fitted(double w, double h)
{
    const double a = w / h * kBoxHeight;
    if (a <= kBoxWidth)
        return centred(a, a * h / w);
    return centred(kBoxWidth, h / w * kBoxWidth);
}

} // namespace

TwipsRect picture(int w, int h)
{
    const double width = pixelsToTwips(w);
    const double height = pixelsToTwips(h);
    if (width <= kBoxWidth && height <= kBoxHeight)
        return centred(width, height);
    return fitted(w, h);
}

TwipsRect video(int vw, int vh)
{
    return fitted(vw, vh);
}

TwipsRect centred(double width, double height)
{
    return {(kBoxWidth - width) / 2 + Form5Design::Box.left,
            (kBoxHeight - height) / 2 + Form5Design::Box.top, width, height};
}

} // namespace PreviewFit
