#include "platform/pulse_system_volume.h"

#include "platform/pulse_session.h"

#include <pulse/introspect.h>
#include <pulse/volume.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const char kDefaultSink[] = "@DEFAULT_SINK@";

struct SinkState {
    bool found = false;
    std::string name;
    pa_cvolume volume{};
    bool muted = false;
};

void takeSink(pa_context*, const pa_sink_info* info, int eol, void* data)
{
    if (eol != 0 || !info)
        return;
    auto* sink = static_cast<SinkState*>(data);
    sink->found = true;
    sink->name = info->name;
    sink->volume = info->volume;
    sink->muted = info->mute != 0;
}

void takeSuccess(pa_context*, int success, void* data)
{
    *static_cast<bool*>(data) = success != 0;
}

// The default sink as it is now; found is false when there is none.
SinkState defaultSink(PulseSession& session)
{
    SinkState sink;
    if (session.ready())
        session.finish(pa_context_get_sink_info_by_name(session.context(), kDefaultSink,
                                                         takeSink, &sink));
    return sink;
}

pa_volume_t masterOf(const SinkState& sink)
{
    return pa_cvolume_max(&sink.volume);
}

} // namespace

// The loudest channel is set to the level; the others keep their balance.
bool PulseEndpointVolume::setMasterVolumeLevelScalar(float level)
{
    PulseSession session;
    SinkState sink = defaultSink(session);
    if (!sink.found || !std::isfinite(level))
        return false;
    const double scalar = std::clamp(double(level), 0.0, 1.0);
    pa_cvolume_scale(&sink.volume, pa_volume_t(std::lround(scalar * PA_VOLUME_NORM)));
    bool ok = false;
    session.finish(pa_context_set_sink_volume_by_name(session.context(), sink.name.c_str(),
                                                      &sink.volume, takeSuccess, &ok));
    return ok;
}

bool PulseEndpointVolume::setMute(bool muted)
{
    PulseSession session;
    bool ok = false;
    if (session.ready())
        session.finish(pa_context_set_sink_mute_by_name(session.context(), kDefaultSink,
                                                        muted ? 1 : 0, takeSuccess, &ok));
    return ok;
}

std::optional<float> PulseEndpointVolume::masterVolumeLevel()
{
    PulseSession session;
    const SinkState sink = defaultSink(session);
    if (!sink.found)
        return std::nullopt;
    return float(pa_sw_volume_to_dB(std::min(masterOf(sink), pa_volume_t(PA_VOLUME_NORM))));
}

std::optional<float> PulseEndpointVolume::masterVolumeLevelScalar()
{
    PulseSession session;
    const SinkState sink = defaultSink(session);
    if (!sink.found)
        return std::nullopt;
    return float(std::min(1.0, double(masterOf(sink)) / PA_VOLUME_NORM));
}

std::optional<bool> PulseEndpointVolume::mute()
{
    PulseSession session;
    const SinkState sink = defaultSink(session);
    if (!sink.found)
        return std::nullopt;
    return sink.muted;
}

bool soundServerAnswers()
{
    return PulseSession().ready();
}
