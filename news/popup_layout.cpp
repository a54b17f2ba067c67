#include "news/popup_layout.h"

#include <algorithm>
#include <cmath>

namespace NewsPopupLayout {

QPointF loadPosition(QSizeF screenTwips, int workAreaBottomPixels, double twipsPerPixelY)
{
    const double taskbar = std::round(screenTwips.height() - twipsPerPixelY * workAreaBottomPixels);
    return {screenTwips.width() - kWidth, screenTwips.height() - kHeight - taskbar};
}

std::vector<int> fadeAlphas()
{
    std::vector<int> alphas;
    for (int alpha = 255; alpha >= 10; alpha -= 10)
        alphas.push_back(alpha);
    return alphas;
}

} // namespace NewsPopupLayout

RevealBand::RevealBand(double widthTwips, double heightTwips, double twipsPerPixelX,
                       double twipsPerPixelY)
    : width_px(int(widthTwips / twipsPerPixelX)),
      reveal_edge(int(heightTwips / twipsPerPixelY) - 1)
{
}

QRect RevealBand::visible() const
{
    const int top = std::min(reveal_edge, width_px);
    const int bottom = std::max(reveal_edge, width_px);
    return QRect(0, top, width_px, bottom - top);
}

bool RevealBand::rise()
{
    reveal_edge -= reveal_step;
    return reveal_edge >= 1;
}
