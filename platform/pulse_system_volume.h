#pragma once

#include "platform/system_volume.h"

// The endpoint back-end over PulseAudio (or PipeWire's PulseAudio service):
// every call connects afresh and acts on the server's default sink of that
// moment. Full scale is the sink's normal volume (100 % on the desktop's
// volume control, 0 dB); a sink raised above it reads as full scale.
class PulseEndpointVolume : public EndpointVolume {
public:
    bool setMasterVolumeLevelScalar(float level) override;
    bool setMute(bool muted) override;
    std::optional<float> masterVolumeLevel() override;
    std::optional<float> masterVolumeLevelScalar() override;
    std::optional<bool> mute() override;
};

// Whether a sound server accepts a connection.
bool soundServerAnswers();
