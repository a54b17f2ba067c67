#pragma once

#include <QString>
#include <QtGlobal>

// The audio values' own rules: volume steps and presets, the value the
// mixer is given, the speed text, and the back-end a system name chooses.
namespace AudioValues {

inline constexpr double kFullVolume = 32767;
// The volume when the system reads full scale at start-up (about 29.5 %).
inline constexpr double kStartupVolume = 9660;

// The volume of preset Index (0 = "1(&A)" ... 9 = "10(&J)"): tenths of full.
double preset(int Index);
// One twentieth of full volume up or down, never beyond 0 ... 32767.
double up(double volume);
double down(double volume);
// The mixer's 0 ... 65535 value for a volume, rounded down.
quint32 mixerValue(double volume);
// The player's rate as text: "1.00倍速"; x10 multiplies the speed by ten.
QString speedText(double sudu_shu, bool timesTen);

} // namespace AudioValues

// The two back-ends as volume_backend names them.
namespace VolumeBackend {
inline const QString Endpoint = QStringLiteral("Windows 7");
inline const QString Mixer = QStringLiteral("Windows XP");

// The back-end for a system name: the endpoint for the systems that have
// it and for an unknown platform, the mixer for every other name.
QString forOsName(const QString& name);
} // namespace VolumeBackend
