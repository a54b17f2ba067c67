#pragma once

#include "platform/os_version.h"

#include <QtGlobal>
#include <optional>

// The endpoint back-end: the master volume and mute of the system's default
// output device, whichever device that is at the moment of each call.
// A failed call changes nothing; a failed read gives an empty optional.
class EndpointVolume {
public:
    virtual ~EndpointVolume() = default;

    // level: 0 ... 1, the position of the desktop's own volume slider.
    virtual bool setMasterVolumeLevelScalar(float level) = 0;
    virtual bool setMute(bool muted) = 0;
    // The level in decibels; 0 dB is full volume.
    virtual std::optional<float> masterVolumeLevel() = 0;
    virtual std::optional<float> masterVolumeLevelScalar() = 0;
    virtual std::optional<bool> mute() = 0;
};

// What the mixer reads: its scale's upper bound (0 when the mixer has no
// volume control at all) and the current value on that scale (empty when
// the read failed).
struct MixerLevel {
    double max = 0;
    std::optional<double> value;
};

// The mixer back-end: the mixer's master volume control and its mute.
// Values run from 0 to 65535 whatever range the control has itself.
class MixerVolume {
public:
    static constexpr quint32 kFullScale = 65535;

    virtual ~MixerVolume() = default;

    virtual bool setValue(quint32 value) = 0;
    virtual MixerLevel level() = 0;
    // True while muted; false also when the mute cannot be read.
    virtual bool mute() = 0;
    virtual bool setMute(bool muted) = 0;
};

// The system's volume as the program reaches it: the two back-ends and the
// version record by whose name the program chooses one of them.
class SystemVolume {
public:
    virtual ~SystemVolume() = default;

    virtual OsVersionRecord versionRecord() = 0;
    virtual EndpointVolume& endpoint() = 0;
    virtual MixerVolume& mixer() = 0;
};
