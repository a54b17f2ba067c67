#pragma once

#include "platform/twips.h"

#include <QSizeF>
#include <QString>
#include <array>
#include <optional>

// The print preview's controls as its layout sees them. The page outline
// and the picture are in twips inside the preview area; paper measures are
// millimetres in the boxes' texts.
struct PreviewBox {
    QString text;
    bool enabled = true;
};

struct PreviewSlider {
    int value = 0;
    int min = 0;
    int max = 0;
    QString tip;
};

struct PreviewState {
    QString Combo1 = QStringLiteral("  A4  ");     // paper size
    std::array<QString, 2> Text2{QStringLiteral("210"), QStringLiteral("297")}; // width, height
    std::array<bool, 2> Option1{true, false};       // portrait, landscape
    // Scale %, left and top margin, printed width and height (mm).
    std::array<PreviewBox, 5> Text1{{{QStringLiteral("100.0")}, {QStringLiteral("0.0")},
                                     {QStringLiteral("0.0")}, {}, {}}};
    std::array<int, 2> Check1{0, 0}; // centre horizontally, vertically
    std::array<PreviewSlider, 3> Slider1{{{100, 0, 200, {}}, {0, -100, 100, {}}, {0, -100, 100, {}}}};
    TwipsRect Shape1{0, 60, 4550, 6435}; // the page outline
    TwipsRect Shape2{0, 60, 4550, 6435}; // always where the outline is
    TwipsRect Image1{0, 60, 4550, 6435}; // the preview picture
    TwipsRect Shape3{0, 60, 4550, 6435}; // always where the picture is
    bool Shape3Visible = false;
    double paper_per_preview = 11907.0 / 4550.0; // paper twips per preview twip
};

namespace PrintLayout {

inline constexpr double kTwipsPerMm = 56.7;
inline constexpr double kMaxOutlineWidth = 4550;
inline constexpr double kMaxOutlineHeight = 6435;
inline constexpr double kAreaTop = 60;
inline constexpr int kCustomPaper = 6;

struct Paper {
    QString text;
    double width = 0; // millimetres, portrait
    double height = 0;
};
const std::array<Paper, 7>& papers(); // the list's entries; the last is "自定义"

// The number a box's text starts with; none counts as 0.
double boxValue(const QString& text);
// One decimal, halves to even, as "###0.0".
QString oneDecimal(double v);
// A size box's text after it loses the focus: its leading number, trimmed.
QString trimmedNumber(const QString& text);
// Rounds to a whole number, halves to the even neighbour.
double nearest(double v);

// One run of the layout. shown is the size of the picture as the main
// window shows it; orientation is the printer's (1 portrait, 2
// landscape). Answers whether it changed the text of a box whose change
// runs the layout again.
bool runOnce(PreviewState& s, QSizeF shown, int orientation);

// The sliders follow the boxes (what a changed box does before its layout).
void slidersFromBoxes(PreviewState& s);
// A slider moved by the user to value: the text its box gets (the margin
// sliders only while their centring is off), or nothing.
std::optional<QString> sliderText(const PreviewState& s, int index, int value);

} // namespace PrintLayout
