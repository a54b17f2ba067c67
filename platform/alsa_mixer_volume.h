#pragma once

#include "platform/system_volume.h"

#include <QLoggingCategory>
#include <QString>

// ALSA's own complaints, and what fails once a mixer is open. Debug
// messages are off unless asked for (QT_LOGGING_RULES="xuanyinfang.alsa.debug=true");
// warnings show.
Q_DECLARE_LOGGING_CATEGORY(alsaLog)

// The ALSA library prints its errors on stderr by default ("ALSA lib
// pcm.c:…"), also the expected ones of a machine without a sound card or
// with no sound server running. Sends them to alsaLog as debug messages.
void routeAlsaMessagesToLog();

// The mixer back-end over the ALSA simple mixer element "Master" of a card
// ("default": the sound card, or the sound server through ALSA's plug-ins).
// Every call opens the mixer afresh, so it reads what the card holds now;
// a card whose mixer cannot be opened once is not tried again.
// 0 ... 65535 is spread over the element's own range; mute is its switch
// (switch off = muted).
class AlsaMixerVolume : public MixerVolume {
public:
    explicit AlsaMixerVolume(const QString& card = QStringLiteral("default"));

    bool setValue(quint32 value) override;
    MixerLevel level() override;
    bool mute() override;
    bool setMute(bool muted) override;

private:
    QByteArray card_;
    bool unavailable_ = false;
};
