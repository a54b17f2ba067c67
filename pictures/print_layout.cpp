#include "pictures/print_layout.h"

#include "pictures/percent_input.h"

#include <cmath>

namespace PrintLayout {

namespace {

constexpr double kAreaMiddleY = kMaxOutlineHeight / 2 + kAreaTop; // 3217.5 + 60
constexpr double kAreaMiddleX = kMaxOutlineWidth / 2;             // 2275

bool usable(double v) { return std::isfinite(v); }

// Twips on the preview for a length in millimetres on the paper, and back.
double previewTwips(const PreviewState& s, double mm)
{
    return mm * kTwipsPerMm / s.paper_per_preview;
}
double paperMm(const PreviewState& s, double twips)
{
    return twips / kTwipsPerMm * s.paper_per_preview;
}

// A slider takes a value only inside its range.
void setSlider(PreviewSlider& slider, double value)
{
    if (usable(value) && value >= slider.min && value <= slider.max)
        slider.value = int(value);
}

bool setBoxText(PreviewBox& box, const QString& text)
{
    if (box.text == text)
        return false;
    box.text = text;
    return true;
}

void selectPaperText(PreviewState& s)
{
    const double width = boxValue(s.Text2[0]);
    const double height = boxValue(s.Text2[1]);
    for (const Paper& paper : papers()) {
        if (paper.width == width && paper.height == height) {
            s.Combo1 = paper.text;
            return;
        }
    }
    s.Combo1 = papers()[kCustomPaper].text;
}

void orientationFromPrinter(PreviewState& s, int orientation)
{
    if (orientation == 1)
        s.Option1 = {true, false};
    else if (orientation == 2)
        s.Option1 = {false, true};
}

// A paper without a width or height, of no number, so large that its
// outline's sums overflow, or so narrow or so long that its outline would
// lose a side, leaves the outline as it was: such an outline, or the paper
// per preview ratio of it, would be infinite.
bool drawablePaper(double PW, double PH)
{
    if (!usable(PW) || !usable(PH) || PW <= 0 || PH <= 0)
        return false;
    const double height = kMaxOutlineWidth * PH / PW; // as placeOutline works them out
    const double width = kMaxOutlineHeight * PW / PH;
    return usable(height) && usable(width) && nearest(height) >= 1 && nearest(width) >= 1;
}

// The outline keeps the paper's aspect inside 4550 x 6435, centred in the
// area.
void placeOutline(PreviewState& s, double PW, double PH)
{
    TwipsRect& o = s.Shape1;
    const double h = nearest(kMaxOutlineWidth * PH / PW);
    if (h <= kMaxOutlineHeight) {
        if (o.width != kMaxOutlineWidth || o.left != 0) {
            o.width = kMaxOutlineWidth;
            o.left = 0;
        }
        const double height = nearest(o.width * PH / PW);
        if (height != o.height) {
            o.height = height;
            o.top = kAreaMiddleY - o.height / 2;
        }
    } else {
        if (o.height != kMaxOutlineHeight || o.top != kAreaTop) {
            o.height = kMaxOutlineHeight;
            o.top = kAreaTop;
        }
        const double width = nearest(o.height * PW / PH);
        if (width != o.width) {
            o.width = width;
            o.left = kAreaMiddleX - o.width / 2;
        }
    }
    s.Shape2 = o;
}

// The picture fitted into the outline by the shown picture's aspect, then
// scaled. Without a shown picture, or at a negative scale, it keeps its size.
void sizePicture(PreviewState& s, QSizeF shown)
{
    const TwipsRect& o = s.Shape1;
    if (shown.width() <= 0 || shown.height() <= 0 || o.width <= 0 || o.height <= 0)
        return;
    const double iw = shown.width();
    const double ih = shown.height();
    double fitW = 0;
    double fitH = 0;
    if (o.width / o.height <= iw / ih) {
        fitW = o.width;
        fitH = o.width * ih / iw;
    } else {
        fitH = o.height;
        fitW = o.height * iw / ih;
    }
    const double scale = boxValue(s.Text1[0].text);
    const double width = nearest(scale * fitW / 100);
    const double height = nearest(scale * fitH / 100);
    if (usable(width) && usable(height) && width >= 0 && height >= 0) {
        s.Image1.width = width;
        s.Image1.height = height;
    }
}

// Centring along one axis: the margin box is disabled and shows the margin
// that centres the picture, and its slider follows.
bool centre(PreviewState& s, int axis)
{
    PreviewBox& box = s.Text1[1 + axis];
    box.enabled = s.Check1[axis] != 1;
    if (box.enabled)
        return false;
    const double outline = axis == 0 ? s.Shape1.width : s.Shape1.height;
    const double picture = axis == 0 ? s.Image1.width : s.Image1.height;
    const double margin = paperMm(s, outline / 2 - picture / 2);
    if (!usable(margin))
        return false;
    const bool changed = setBoxText(box, oneDecimal(margin));
    const double rounded = boxValue(box.text);
    setSlider(s.Slider1[1 + axis], nearest(previewTwips(s, rounded) / outline * 100));
    return changed;
}

void placePicture(PreviewState& s)
{
    const double left = nearest(s.Shape1.left + previewTwips(s, boxValue(s.Text1[1].text)));
    const double top = nearest(s.Shape1.top + previewTwips(s, boxValue(s.Text1[2].text)));
    if (usable(left) && usable(top)) {
        s.Image1.left = left;
        s.Image1.top = top;
    }
    s.Shape3 = s.Image1;
}

void setTips(PreviewState& s)
{
    const char* names[] = {"缩放 ", "左距 ", "顶距 "};
    for (int i = 0; i < 3; ++i)
        s.Slider1[i].tip = QString::fromUtf8(names[i]) + QString::number(s.Slider1[i].value) + '%';
}

bool printedSize(PreviewState& s)
{
    const double width = paperMm(s, s.Image1.width);
    const double height = paperMm(s, s.Image1.height);
    bool changed = false;
    if (usable(width))
        changed |= setBoxText(s.Text1[3], oneDecimal(width));
    if (usable(height))
        changed |= setBoxText(s.Text1[4], oneDecimal(height));
    return changed;
}

} // namespace

const std::array<Paper, 7>& papers()
{
    static const std::array<Paper, 7> list{{
        {QStringLiteral("  A2  "), 420, 594},
        {QStringLiteral("  A3  "), 297, 420},
        {QStringLiteral("  A4  "), 210, 297},
        {QStringLiteral("  A5  "), 148, 210},
        {QStringLiteral("  B4  "), 250, 354},
        {QStringLiteral("  B5  "), 182, 257},
        {QStringLiteral("自定义"), 0, 0},
    }};
    return list;
}

double boxValue(const QString& text) { return PercentInput::leadingNumber(text); }

double nearest(double v)
{
    const double rounded = std::nearbyint(v); // halves to even in the default mode
    return rounded == 0 ? 0.0 : rounded;
}

QString oneDecimal(double v)
{
    const double tenths = nearest(v * 10);
    return QString::number(tenths == 0 ? 0.0 : tenths / 10, 'f', 1);
}

QString trimmedNumber(const QString& text) { return QString::number(boxValue(text)); }

bool runOnce(PreviewState& s, QSizeF shown, int orientation)
{
    selectPaperText(s);
    orientationFromPrinter(s, orientation);
    const bool landscape = s.Option1[1];
    const double PW = boxValue(s.Text2[landscape ? 1 : 0]) * kTwipsPerMm;
    const double PH = boxValue(s.Text2[landscape ? 0 : 1]) * kTwipsPerMm;
    if (drawablePaper(PW, PH)) {
        placeOutline(s, PW, PH);
        s.paper_per_preview = PW / s.Shape1.width;
    }
    sizePicture(s, shown);
    bool changed = centre(s, 0);
    changed |= centre(s, 1);
    placePicture(s);
    setTips(s);
    changed |= printedSize(s);
    return changed;
}

void slidersFromBoxes(PreviewState& s)
{
    setSlider(s.Slider1[0], nearest(boxValue(s.Text1[0].text)));
    setSlider(s.Slider1[1],
              nearest(boxValue(s.Text1[1].text) / s.Shape1.width * 100 * kTwipsPerMm /
                      s.paper_per_preview));
    setSlider(s.Slider1[2],
              nearest(boxValue(s.Text1[2].text) / s.Shape1.height * 100 * kTwipsPerMm /
                      s.paper_per_preview));
}

std::optional<QString> sliderText(const PreviewState& s, int index, int value)
{
    if (index == 0)
        return oneDecimal(value);
    if (index < 1 || index > 2 || s.Check1[index - 1] == 1)
        return std::nullopt;
    const double outline = index == 1 ? s.Shape1.width : s.Shape1.height;
    const double mm = paperMm(s, outline * value / 100);
    if (!usable(mm))
        return std::nullopt;
    return oneDecimal(mm);
}

} // namespace PrintLayout
