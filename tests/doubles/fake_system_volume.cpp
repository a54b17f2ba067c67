#include "fake_system_volume.h"

bool FakeEndpointVolume::setMasterVolumeLevelScalar(float level)
{
    if (!answers)
        return false;
    scalar = level;
    changes << QString("scalar:%1").arg(double(level), 0, 'g', 6);
    return true;
}

bool FakeEndpointVolume::setMute(bool on)
{
    if (!answers)
        return false;
    muted = on;
    changes << QString("mute:%1").arg(int(on));
    return true;
}

std::optional<float> FakeEndpointVolume::masterVolumeLevel()
{
    return answers ? std::optional(levelDb) : std::nullopt;
}

std::optional<float> FakeEndpointVolume::masterVolumeLevelScalar()
{
    return answers ? std::optional(scalar) : std::nullopt;
}

std::optional<bool> FakeEndpointVolume::mute()
{
    return answers ? std::optional(muted) : std::nullopt;
}

bool FakeMixerVolume::setValue(quint32 v)
{
    value = v;
    changes << QString("value:%1").arg(v);
    return true;
}

MixerLevel FakeMixerVolume::level()
{
    MixerLevel level;
    level.max = max;
    if (max != 0 && !readFails)
        level.value = value;
    return level;
}

bool FakeMixerVolume::setMute(bool on)
{
    muted = on;
    changes << QString("mute:%1").arg(int(on));
    return true;
}
