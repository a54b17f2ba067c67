#pragma once

#include "platform/alsa_mixer_volume.h"
#include "platform/pulse_system_volume.h"
#include "platform/system_volume.h"

// The volume of a Linux desktop: the sound server's default sink when a
// server answers, else the sound card's "Master" through ALSA.
class DesktopSystemVolume : public SystemVolume {
public:
    OsVersionRecord versionRecord() override;
    EndpointVolume& endpoint() override { return endpoint_; }
    MixerVolume& mixer() override { return mixer_; }

private:
    PulseEndpointVolume endpoint_;
    AlsaMixerVolume mixer_;
};
