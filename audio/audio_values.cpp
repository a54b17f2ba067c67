#include "audio/audio_values.h"

#include <algorithm>
#include <cmath>

namespace AudioValues {

namespace {
constexpr double kStep = kFullVolume / 20; // 1638.35
constexpr double kMixerFull = 65535;
} // namespace

double preset(int Index)
{
    return (Index + 1) * kFullVolume / 10;
}

double up(double volume)
{
    return std::min(volume + kStep, kFullVolume);
}

double down(double volume)
{
    return std::max(volume - kStep, 0.0);
}

// A volume outside 0 ... 32767 is held at the nearer end rather than
// wrapping round in the 32-bit value.
quint32 mixerValue(double volume)
{
    const double value = std::floor(volume / kFullVolume * kMixerFull);
    if (!(value > 0))
        return 0;
    return quint32(std::min(value, kMixerFull));
}

QString speedText(double sudu_shu, bool timesTen)
{
    const double rate = sudu_shu / 100 * (timesTen ? 10 : 1);
    return QString::number(rate, 'f', 2) + QStringLiteral("倍速");
}

} // namespace AudioValues

QString VolumeBackend::forOsName(const QString& name)
{
    const bool endpoint = name == QLatin1String("Windows Vista") || name == Endpoint
                          || name == QStringLiteral("未知系统版本");
    return endpoint ? Endpoint : Mixer;
}
