#include "platform/alsa_mixer_volume.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <memory>

Q_LOGGING_CATEGORY(alsaLog, "xuanyinfang.alsa", QtWarningMsg)

namespace {

void logAlsaMessage(const char* file, int line, const char* function, int err, const char* format, ...)
{
    if (!alsaLog().isDebugEnabled())
        return;
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    qCDebug(alsaLog, "%s:%d:(%s) %s%s%s", file, line, function, text, err ? ": " : "",
            err ? snd_strerror(err) : "");
}

constexpr auto kChannel = SND_MIXER_SCHN_FRONT_LEFT; // also the channel of a mono element

// The card's mixer, open for one call, and its "Master" element.
class MasterElement {
public:
    explicit MasterElement(const char* card)
    {
        if (snd_mixer_open(&mixer_, 0) < 0) {
            mixer_ = nullptr;
            return;
        }
        if (snd_mixer_attach(mixer_, card) < 0 || snd_mixer_selem_register(mixer_, nullptr, nullptr) < 0
            || snd_mixer_load(mixer_) < 0)
            return;
        attached_ = true;
        snd_mixer_selem_id_t* id = nullptr;
        snd_mixer_selem_id_alloca(&id);
        snd_mixer_selem_id_set_name(id, "Master");
        snd_mixer_selem_id_set_index(id, 0);
        element_ = snd_mixer_find_selem(mixer_, id);
    }
    ~MasterElement()
    {
        if (mixer_)
            snd_mixer_close(mixer_);
    }
    MasterElement(const MasterElement&) = delete;
    MasterElement& operator=(const MasterElement&) = delete;

    bool attached() const { return attached_; }

    // The element when it has a volume with a range.
    snd_mixer_elem_t* volume(long& min, long& max) const
    {
        if (!element_ || !snd_mixer_selem_has_playback_volume(element_)
            || snd_mixer_selem_get_playback_volume_range(element_, &min, &max) < 0 || max <= min)
            return nullptr;
        return element_;
    }
    snd_mixer_elem_t* muteSwitch() const
    {
        return element_ && snd_mixer_selem_has_playback_switch(element_) ? element_ : nullptr;
    }

private:
    snd_mixer_t* mixer_ = nullptr;
    snd_mixer_elem_t* element_ = nullptr;
    bool attached_ = false;
};

// The card's mixer, unless it could not be had once already: a card that
// is not there is not looked for again (ALSA reports each failed try).
std::unique_ptr<MasterElement> openMaster(const QByteArray& card, bool& unavailable)
{
    if (unavailable)
        return nullptr;
    auto master = std::make_unique<MasterElement>(card.constData());
    if (master->attached())
        return master;
    unavailable = true;
    return nullptr;
}

} // namespace

void routeAlsaMessagesToLog()
{
    snd_lib_error_set_handler(&logAlsaMessage);
}

AlsaMixerVolume::AlsaMixerVolume(const QString& card) : card_(card.toUtf8())
{
    routeAlsaMessagesToLog();
}

bool AlsaMixerVolume::setValue(quint32 value)
{
    const auto master = openMaster(card_, unavailable_);
    long min = 0;
    long max = 0;
    snd_mixer_elem_t* element = master ? master->volume(min, max) : nullptr;
    if (!element)
        return false;
    const double share = std::min<double>(value, kFullScale) / kFullScale;
    const long raw = min + std::lround(share * double(max - min));
    if (snd_mixer_selem_set_playback_volume_all(element, raw) == 0)
        return true;
    qCWarning(alsaLog, "could not set the volume of %s", card_.constData());
    return false;
}

MixerLevel AlsaMixerVolume::level()
{
    const auto master = openMaster(card_, unavailable_);
    long min = 0;
    long max = 0;
    snd_mixer_elem_t* element = master ? master->volume(min, max) : nullptr;
    MixerLevel level;
    if (!element)
        return level;
    level.max = kFullScale;
    long raw = 0;
    if (snd_mixer_selem_get_playback_volume(element, kChannel, &raw) == 0)
        level.value = double(std::clamp(raw, min, max) - min) / double(max - min) * kFullScale;
    return level;
}

bool AlsaMixerVolume::mute()
{
    const auto master = openMaster(card_, unavailable_);
    snd_mixer_elem_t* element = master ? master->muteSwitch() : nullptr;
    int on = 1;
    return element && snd_mixer_selem_get_playback_switch(element, kChannel, &on) == 0 && on == 0;
}

bool AlsaMixerVolume::setMute(bool muted)
{
    const auto master = openMaster(card_, unavailable_);
    snd_mixer_elem_t* element = master ? master->muteSwitch() : nullptr;
    if (!element)
        return false;
    if (snd_mixer_selem_set_playback_switch_all(element, muted ? 0 : 1) == 0)
        return true;
    qCWarning(alsaLog, "could not switch the sound of %s", card_.constData());
    return false;
}
