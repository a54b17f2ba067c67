#pragma once

// The content area of the main window, in which video and pictures are
// placed: left 180, right ScaleWidth - 1720, top 850 - top_offset,
// bottom ScaleHeight - 350 (twips, client coordinates).
struct ContentArea {
    double L = 0;
    double R = 0;
    double T = 0;
    double B = 0;

    double W() const { return R - L; }
    double H() const { return B - T; }
};

ContentArea contentArea(double scaleWidth, double scaleHeight, double topOffset);

// A player that shows nothing is parked this far down, out of sight.
inline constexpr double kParkedTop = 20000;
