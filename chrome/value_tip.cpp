#include "chrome/value_tip.h"

#include "audio/audio_values.h"
#include "chrome/knob_values.h"
#include "chrome/panel_skins.h"
#include "core/flags.h"
#include "core/form1.h"

#include <cmath>

namespace {

constexpr double kTipBelowKnob = 400;
constexpr double kTipDeadBand = 30;
constexpr double kTipHeight = 270;
constexpr double kTipWidth[KnobValues::kKnobs] = {880, 960, 880, 960};

QString percent(const QString& name, double v)
{
    const double rounded = KnobValues::roundHalfEven(v * 100);
    if (!std::isfinite(rounded))
        return {};
    return name + QLatin1Char(' ') + QString::number(qint64(rounded)) + QLatin1Char('%');
}

} // namespace

namespace ValueTip {

std::optional<QString> text(const Form1State& s, int i)
{
    QString t;
    switch (i) {
    case 0: t = percent(QStringLiteral("声音"), s.shengyin_shu / AudioValues::kFullVolume); break;
    case 1: t = AudioValues::speedText(s.sudu_shu, s.speed_x10_state == Flag::Selected); break;
    case 2:
        if (s.length_ms > 0)
            t = percent(QStringLiteral("进度"), s.position_ms / s.length_ms);
        break;
    case 3: t = percent(QStringLiteral("平衡"), s.balance_step / 5); break;
    default: break;
    }
    if (t.isEmpty())
        return std::nullopt;
    return t;
}

void show(const Form1State& s, std::array<PanelImage, 4>& huakuai, PanelLabel& xianshi_wenben,
          const ProgramPathOf& programPath, int i)
{
    if (i < 0 || i >= KnobValues::kKnobs)
        return;
    PanelSkins::showKnob(programPath, huakuai, i, true);
    const PanelImage& knob = huakuai[i];
    PanelLabel& tip = xianshi_wenben;
    TwipsRect place = tip.place();
    place.left = knob.left() - (i == KnobValues::kProgress ? 250 : 50);
    // Small moves leave the tip where it is.
    if (std::abs(place.top - (knob.top() + kTipBelowKnob)) > kTipDeadBand)
        place.top = knob.top() + kTipBelowKnob;
    place.width = kTipWidth[i];
    place.height = kTipHeight;
    tip.setPlace(place);
    // Without a value (a medium of no length) the tip would show another
    // knob's text; it stays hidden instead.
    const auto t = text(s, i);
    if (t)
        tip.setCaption(*t);
    tip.setVisible(t.has_value());
}

} // namespace ValueTip
