#include "audio/system_volume_link.h"

#include "audio/audio_values.h"
#include "audio/toggles.h"
#include "core/designed_menus.h"
#include "core/flags.h"
#include "core/form1.h"
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

void SystemVolumeLink::readAtStartup(Form1& form)
{
    Form1State& s = form.state;
    SystemVolume* system = form.systemVolume;
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
        form.yinping1[AudioItem::Mute].checked = true;
        s.mute_state = Flag::Selected;
        Toggles::showPicture(form, Toggles::Mute);
    } else {
        s.mute_state.clear();
    }
}

void SystemVolumeLink::push(Form1& form)
{
    SystemVolume* system = form.systemVolume;
    if (!system)
        return;
    const Form1State& s = form.state;
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
