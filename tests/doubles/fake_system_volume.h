#pragma once

#include "platform/system_volume.h"

#include <QStringList>

// An output device that keeps what it is told and records each change
// ("scalar:0.1", "mute:1"). Reads answer from the fields; with answers
// off (no device) every call fails.
class FakeEndpointVolume : public EndpointVolume {
public:
    bool setMasterVolumeLevelScalar(float level) override;
    bool setMute(bool muted) override;
    std::optional<float> masterVolumeLevel() override;
    std::optional<float> masterVolumeLevelScalar() override;
    std::optional<bool> mute() override;

    bool answers = true;
    float levelDb = -10;
    float scalar = 0.5f;
    bool muted = false;
    QStringList changes;
};

// A mixer that keeps its value (0 ... 65535 on a scale up to max) and
// switch, and records each change ("value:6553", "mute:0").
class FakeMixerVolume : public MixerVolume {
public:
    bool setValue(quint32 value) override;
    MixerLevel level() override;
    bool mute() override { return muted; }
    bool setMute(bool on) override;

    double max = kFullScale; // 0: no volume control
    bool readFails = false;
    double value = 0;
    bool muted = false;
    QStringList changes;
};

// Both back-ends, and the version record the program chooses by.
class FakeSystemVolume : public SystemVolume {
public:
    OsVersionRecord versionRecord() override { return record; }
    EndpointVolume& endpoint() override { return endpointDevice; }
    MixerVolume& mixer() override { return mixerDevice; }

    OsVersionRecord record;
    FakeEndpointVolume endpointDevice;
    FakeMixerVolume mixerDevice;
};
