#include "chrome/window/panel_card.h"

#include "core/form1.h"

#include <algorithm>

namespace {

constexpr double kMargin = 80; // twips around the panel's parts

// Grows r to take in c.
void take(TwipsRect& r, const TwipsRect& c)
{
    const double right = std::max(r.left + r.width, c.left + c.width);
    const double bottom = std::max(r.top + r.height, c.top + c.height);
    r.left = std::min(r.left, c.left);
    r.top = std::min(r.top, c.top);
    r.width = right - r.left;
    r.height = bottom - r.top;
}

} // namespace

PanelCard::PanelCard(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("sliderPanelCard"));
    setAttribute(Qt::WA_StyledBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QStringLiteral(
        "#sliderPanelCard { background: #f4f6f9; border: 1px solid #cfd8e3; border-radius: 6px; }"));
}

TwipsRect PanelCard::around(const Form1& form)
{
    TwipsRect r = form.jingdutiao[0].place();
    for (const PanelImage& c : form.jingdutiao)
        take(r, c.place());
    for (const PanelImage& c : form.shang_xia)
        take(r, c.place());
    // Knobs widen it (they reach past the tracks) but, moving, never lengthen it.
    for (const PanelImage& knob : form.huakuai)
        take(r, {knob.left(), r.top, knob.width(), 0});
    take(r, {r.left, form.Lab_biaoji.top(), 0, 0});
    take(r, {r.left, form.Label3.top(), 0, form.Label3.height()});
    return {r.left - kMargin, r.top - kMargin, r.width + 2 * kMargin, r.height + 2 * kMargin};
}

void PanelCard::place(const Form1& form)
{
    const TwipsRect r = around(form);
    setGeometry(r.toPixels());
    setVisible(r.width > 2 * kMargin && r.height > 2 * kMargin);
    lower();
}
