#include "audio/system_volume_link.h"

#include "audio/audio_values.h"
#include "core/designed_menus.h"
#include "core/flags.h"
#include "core/form1_state.h"
#include "core/menu_array.h"
#include "platform/os_name.h"
#include "platform/system_volume.h"

namespace {

using AudioValues::kFullVolume;
using AudioValues::kStartupVolume;

// A level that cannot be read counts as 0 dB, which gives the start-up volume.
double endpointVolume(EndpointVolume& endpoint)
{
    if (endpoint.masterVolumeLevel().value_or(0) == 0)
        return kStartupVolume;
    return endpoint.masterVolumeLevelScalar().value_or(0) * kFullVolume;
}

double mixerVolume(const MixerLevel& level)
{
    if (level.max == 0)
        return kStartupVolume;
    return level.value ? *level.value / level.max * kFullVolume : kFullVolume;
}

} // namespace

void SystemVolumeLink::readAtStartup(Form1State& s, SystemVolume* system, MenuArray& yinping1,
                                     const std::function<void()>& showMuteToggle)
{
    // A version record that cannot be had is all zeros.
    const OsVersionRecord record = system ? system->versionRecord() : OsVersionRecord{};
    s.volume_backend = VolumeBackend::forOsName(get_os_name(record));
    bool muted = false;
    if (!system) {
        s.shengyin_shu = kStartupVolume;
    } else if (s.volume_backend == VolumeBackend::Endpoint) {
        s.shengyin_shu = endpointVolume(system->endpoint());
        muted = system->endpoint().mute().value_or(false);
    } else {
        s.shengyin_shu = mixerVolume(system->mixer().level());
        muted = system->mixer().mute();
    }
    if (muted) {
        yinping1[AudioItem::Mute].checked = true;
        s.mute_state = Flag::Selected;
        showMuteToggle();
    } else {
        s.mute_state.clear();
    }
}

void SystemVolumeLink::push(SystemVolume* system, const Form1State& s)
{
    if (!system)
        return;
    const bool muted = s.mute_state == Flag::Selected;
    if (s.volume_backend == VolumeBackend::Endpoint) {
        EndpointVolume& endpoint = system->endpoint();
        endpoint.setMasterVolumeLevelScalar(float(s.shengyin_shu / kFullVolume));
        endpoint.setMute(muted);
    } else {
        MixerVolume& mixer = system->mixer();
        mixer.setValue(AudioValues::mixerValue(s.shengyin_shu));
        if (mixer.mute() != muted)
            mixer.setMute(muted);
    }
}
