#pragma once

#include "fake_media_player.h"

#include <QMap>
#include <functional>

// A fake player that opens media as the real one does: a path set with
// setUrl opens on a later turn of the event loop, from a catalogue of known
// media; any other path reports a media error. An open medium starts
// running (its position moves off 0).
class OpeningMediaPlayer : public FakeMediaPlayer {
public:
    struct Medium {
        int width = 0;
        int height = 0;
        double seconds = 60;
    };

    void setUrl(const QString& path) override;

    QMap<QString, Medium> media;
    // Runs once, in the event loop, before the next medium opens.
    std::function<void()> whileOpening;
    int opens = 0;

private:
    void arrive(const QString& path, quint64 open);

    quint64 openCount_ = 0;
};
