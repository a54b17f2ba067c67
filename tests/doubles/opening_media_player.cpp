#include "opening_media_player.h"

#include <QTimer>

void OpeningMediaPlayer::setUrl(const QString& path)
{
    FakeMediaPlayer::setUrl(path);
    const quint64 open = ++openCount_;
    if (path.isEmpty())
        return;
    opens += 1;
    QTimer::singleShot(0, this, [this, path, open] { arrive(path, open); });
}

void OpeningMediaPlayer::arrive(const QString& path, quint64 open)
{
    if (whileOpening) {
        auto run = std::move(whileOpening);
        whileOpening = nullptr;
        run();
    }
    // A medium replaced meanwhile never arrives.
    if (open != openCount_)
        return;
    if (!media.contains(path)) {
        emit MediaError();
        report(Ready);
        return;
    }
    const Medium m = media.value(path);
    load(path, m.width, m.height, m.seconds);
    setCurrentPosition(0.04);
}
