#pragma once

#include "platform/twips.h"

#include <QPointF>
#include <QRect>
#include <QSizeF>
#include <vector>

// The news popup form_tan as designed, in twips: a borderless window
// holding the background picture box, the caption line (its drag handle),
// the close control in the top right corner, and the white picture box
// with the header picture beneath the news pane.
namespace NewsPopupLayout {

inline constexpr double kWidth = 3870;
inline constexpr double kHeight = 3915;
inline constexpr TwipsRect kPicture2{0, 0, 3855, 3915};  // background
inline constexpr TwipsRect kLabel2{60, 60, 3435, 255};   // caption, drag handle
inline constexpr TwipsRect kLabel1{3540, 0, 255, 255};   // close control
inline constexpr TwipsRect kPicture1{60, 360, 3675, 3435}; // header picture, panes
// The news pane inside Picture1, 400 twips larger than it, so that its
// right and bottom edges (the scroll bars) lie outside and are cut off.
inline constexpr TwipsRect kWebBrowser1{-60, -60, kPicture1.width + 400, kPicture1.height + 400};
inline constexpr char kCaption[] = "  新闻资讯";

// Where the load puts the popup, in twips: its right edge on the screen's
// right edge, its bottom on the bottom edge of the work area (the panel
// stays visible). The work area's bottom is in pixels, exclusive.
QPointF loadPosition(QSizeF screenTwips, int workAreaBottomPixels,
                     double twipsPerPixelY = kTwipsPerPixel);

// The alpha values of the fade-out on unloading: 255 down to 15 in steps of 10.
std::vector<int> fadeAlphas();

} // namespace NewsPopupLayout

// The band of the popup that its window region lets show, growing upwards
// by reveal_step pixel rows each tick of the rise until it reaches the top.
class RevealBand {
public:
    RevealBand(double widthTwips, double heightTwips, double twipsPerPixelX = kTwipsPerPixel,
               double twipsPerPixelY = kTwipsPerPixel);

    // The visible rows, full width: between reveal_edge and width_px (a
    // rectangle region takes its two vertical bounds in either order; the
    // lower one is excluded).
    QRect visible() const;
    // One tick; false once the band has reached the top and the rise stops.
    bool rise();

    int reveal_step = 100;
    int width_px = 0;
    int reveal_edge = 0;
};
