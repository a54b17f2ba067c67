#include "chrome/panel_layout.h"

#include "chrome/knob_values.h"
#include "core/form1.h"

#include <cmath>

namespace {

// Control sizes as designed, in twips.
constexpr double kKnobLong = 360, kKnobShort = 195;
constexpr double kTrackWidth = 195;
constexpr double kBalanceTrackWidth = 510;
constexpr double kTopCapHeight = 495, kBottomCapHeight = 645;
constexpr double kBoxSize = 225; // toggles and step buttons
constexpr double kLabelWidth = 1395, kLabelHeight = 195;

// Columns of the volume, speed and progress tracks and of their knobs.
constexpr double kTrackColumn[3] = {1400, 980, 570};
constexpr double kKnobColumn[3] = {1500, 1070, 640};

void place(PlacedControl& c, double left, double top, double width, double height)
{
    c.setPlace({left, top, width, height});
}

void layOutTracks(const PanelLayout::PanelLayoutParts& f, double w, double h, double t)
{
    place(f.jingdutiao[0], w - 1560, 1560 - t, kBalanceTrackWidth, kTrackWidth);
    for (int c = 0; c < 3; ++c) {
        const double left = w - kTrackColumn[c];
        place(f.jingdutiao[1 + c], left, 1920 - t, kTrackWidth, kTopCapHeight);
        place(f.jingdutiao[4 + c], left, 2400 - t, kTrackWidth, h + 580 - 4800 + t);
        place(f.jingdutiao[7 + c], left, h + 580 - 2400, kTrackWidth, kBottomCapHeight);
    }
}

void layOutKnobs(const PanelLayout::PanelLayoutParts& f, double w, double t)
{
    for (int c = 0; c < 3; ++c)
        place(f.huakuai[c], w - kKnobColumn[c], f.huakuai[c].top(), kKnobLong, kKnobShort);
    PanelImage& balance = f.huakuai[KnobValues::kBalance];
    place(balance, balance.left(), 1500 - t, kKnobShort, kKnobLong);
}

void layOutButtonsAndLabels(const PanelLayout::PanelLayoutParts& f, double w, double h, double t)
{
    place(f.xuan[0], w - 1400, h - 1080, kBoxSize, kBoxSize);
    place(f.xuan[1], w - 990, 1560 - t, kBoxSize, kBoxSize);
    place(f.xuan[2], w - 990, h - 1080, kBoxSize, kBoxSize);
    place(f.shang_xia[0], w - 590, 1560 - t, kBoxSize, kBoxSize);
    place(f.shang_xia[1], w - 590, h - 1080, kBoxSize, kBoxSize);
    place(f.Lab_biaoji, w - 1560, 1260 - t, kLabelWidth, kLabelHeight);
    place(f.Label3, w - 1440, h - 840, kLabelWidth, kLabelHeight);
}

// Start + span x fraction, or nothing when that is no number.
std::optional<double> along(double start, double end, std::optional<double> fraction)
{
    if (!fraction)
        return std::nullopt;
    const double at = start + (end - start) * *fraction;
    if (!std::isfinite(at))
        return std::nullopt;
    return at;
}

} // namespace

namespace PanelLayout {

Limits limits(const Form1State& s, const std::array<PanelImage, 3>& xuan)
{
    const double xuan1Left = xuan[1].left();
    return {1980 - s.top_offset, xuan[0].top() - 350, xuan1Left - 490, xuan1Left - 355};
}

void layOut(const PanelLayoutParts& parts)
{
    const double w = parts.window.scaleWidth(), h = parts.window.scaleHeight();
    const double t = parts.state.top_offset;
    layOutTracks(parts, w, h, t);
    layOutKnobs(parts, w, t);
    layOutButtonsAndLabels(parts, w, h, t);
    parts.ditiao.setTop(h - 280);
}

void placeKnobs(const Form1State& s, std::array<PanelImage, 4>& huakuai,
                const std::array<PanelImage, 3>& xuan)
{
    const Limits l = limits(s, xuan);
    for (int i = 0; i < 3; ++i) {
        if (const auto top = along(l.trackTop, l.trackBottom, KnobValues::fraction(s, i)))
            huakuai[i].setTop(*top);
    }
    const int b = KnobValues::kBalance;
    if (const auto left = along(l.balanceLeft, l.balanceRight, KnobValues::fraction(s, b)))
        huakuai[b].setLeft(*left);
}

} // namespace PanelLayout
