#include "pictures/picture_placement.h"

#include "core/display_mode.h"
#include "core/form1_state.h"
#include "platform/media_player.h"
#include "platform/window_frame.h"

#include <cmath>

namespace {

// Rounding to whole twips: halves go to the even neighbour.
double nearest(double x)
{
    return std::nearbyint(x);
}

// W x height / width, 0 when the width is not known.
double fittedHeight(double W, QSizeF source)
{
    return source.width() > 0 ? nearest(W * source.height() / source.width()) : 0;
}

// One axis of the zoom placement rule: a frame that fits is centred
// between lo and hi; a larger one may not leave a gap at either end.
double zoomedPosition(double pos, double size, double lo, double hi)
{
    if (size <= hi - lo)
        return (lo + hi) / 2 - size / 2;
    if (pos + size < hi)
        return hi - size;
    if (pos > lo)
        return lo;
    return pos;
}

} // namespace

// The content area as the refresh computes it, skin painter call included.
ContentArea PicturePlacement::area()
{
    parts_.chengxutuxiang(QString());
    return contentArea(parts_.window.scaleWidth(), parts_.window.scaleHeight(),
                       parts_.state.top_offset);
}

// A moving start picture shown by the second player gives its own size;
// otherwise the natural-size picture does. Only the ratio matters.
QSizeF PicturePlacement::sourceSize() const
{
    MediaPlayer& player = parts_.WindowsMediaPlayer2;
    if (DisplayMode::isStartPictureMode(parts_.state.display_mode)
        && player.imageSourceHeight().value_or(0) > 0)
        return QSizeF(player.imageSourceWidth().value_or(0), player.imageSourceHeight().value_or(0));
    return QSizeF(parts_.Image2.width(), parts_.Image2.height());
}

void PicturePlacement::fittedPlacement()
{
    const ContentArea a = area();
    const QSizeF source = sourceSize();
    const double fitH = fittedHeight(a.W(), source);
    if (parts_.window.windowState() == WindowFrame::Maximized)
        fitMaximized(a, fitH, source);
    else if (parts_.window.windowState() == WindowFrame::Normal)
        fitNormal(a, fitH);
}

void PicturePlacement::fitMaximized(const ContentArea& a, double fitH, QSizeF source)
{
    PlacedControl& frame = parts_.Picture1;
    if (fitH < a.H()) {
        frame.setPlace({a.L, nearest((a.T + a.B) / 2 - fitH / 2), a.W(), fitH});
        return;
    }
    // A size that cannot be divided by keeps the frame's width.
    const double width = source.height() > 0 ? nearest(a.H() * source.width() / source.height())
                                             : frame.width();
    frame.setPlace({nearest((a.L + a.R) / 2 - width / 2), a.T, width, a.H()});
}

void PicturePlacement::fitNormal(const ContentArea& a, double fitH)
{
    const double threshold = 3990 + parts_.state.top_offset;
    if (fitH >= threshold) {
        parts_.Picture1.setPlace({a.L, a.T, a.W(), fitH});
        setWindowHeightFor(fitH);
        return;
    }
    setWindowHeightFor(fitH);
    const ContentArea b = area();
    parts_.Picture1.setPlace({b.L, nearest((b.T + b.B) / 2 - fitH / 2), a.W(), fitH});
}

// A picture fitted to the content width at least 3990 + top_offset high
// makes the window taller by the difference; a flatter one gives the
// standard height.
void PicturePlacement::setWindowHeightFor(double fitH)
{
    const double threshold = 3990 + parts_.state.top_offset;
    const double standard = parts_.state.standard_height;
    parts_.window.setHeight(fitH >= threshold ? fitH + standard - threshold : standard);
}

void PicturePlacement::windowHeightRule()
{
    if (parts_.window.windowState() != WindowFrame::Normal)
        return;
    const ContentArea a = area();
    setWindowHeightFor(fittedHeight(a.W(), QSizeF(parts_.Image2.width(), parts_.Image2.height())));
}

void PicturePlacement::zoomPlacement()
{
    const ContentArea a = area();
    PlacedControl& frame = parts_.Picture1;
    frame.setLeft(zoomedPosition(frame.left(), frame.width(), a.L, a.R));
    frame.setTop(zoomedPosition(frame.top(), frame.height(), a.T, a.B));
}
