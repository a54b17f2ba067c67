#include "chrome/knob_values.h"

#include "audio/audio_values.h"
#include "core/form1_state.h"

#include <cmath>

namespace {

constexpr double kFullSpeed = 1000;
constexpr double kBalanceSteps = 10;

} // namespace

namespace KnobValues {

std::optional<double> fraction(const Form1State& s, int i)
{
    switch (i) {
    case 0: return s.shengyin_shu / AudioValues::kFullVolume;
    case 1: return s.sudu_shu / kFullSpeed;
    case kProgress:
        if (!(s.length_ms > 0))
            return std::nullopt;
        return s.position_ms / s.length_ms;
    case kBalance: return (s.balance_step + kBalanceSteps / 2) / kBalanceSteps;
    default: return std::nullopt;
    }
}

void setFraction(Form1State& s, int i, double r)
{
    switch (i) {
    case 0: s.shengyin_shu = r * AudioValues::kFullVolume; break;
    case 1: s.sudu_shu = r * kFullSpeed; break;
    case kProgress: s.position_ms = r * s.length_ms; break;
    case kBalance: s.balance_step = roundHalfEven((r - 0.5) * kBalanceSteps); break;
    default: break;
    }
}

double roundHalfEven(double v)
{
    // In the default rounding mode nearbyint takes halves to the even neighbour.
    const double rounded = std::nearbyint(v);
    return rounded == 0 ? 0.0 : rounded; // no "-0"
}

} // namespace KnobValues
