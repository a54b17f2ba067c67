// The CD device's play: where it stands, starting, pausing and stopping.
#include "platform/cd/cdaudio_mci.h"
#include "platform/cd/mci_errors.h"

namespace {

using namespace MciError;

constexpr qint64 kFramesPerSector = 588;

} // namespace

qint32 CdaudioMci::position()
{
    if (mode_ != Mode::Playing)
        return position_;
    const qint64 heard = playFrom_ + output_.heardFrames() / kFramesPerSector;
    return qint32(std::min<qint64>(heard, playTo_));
}

// A play ends at the end of the disc, or where a sector could not be read.
void CdaudioMci::catchUp()
{
    if (mode_ == Mode::Playing && output_.finished()) {
        position_ = position();
        mode_ = Mode::Stopped;
        driveThread_.stopReading();
        output_.stop();
    }
}

// A play runs from the position to the end of the disc's audio, across the
// tracks. A pause ends the sound where it has been heard to, and play goes
// on from that sector: nothing is lost or heard twice, whatever the sound
// server still held.
bool CdaudioMci::play(std::optional<qint32> from)
{
    if (!from && mode_ == Mode::Playing)
        return true;
    const qint32 start = from.value_or(position_);
    stopPlay();
    const quint64 session = output_.start();
    if (session == 0)
        return fail(kNoSound);
    position_ = start;
    playFrom_ = start;
    playTo_ = toc_->audioEnd();
    driveThread_.startReading(session, playFrom_, playTo_, *toc_);
    mode_ = Mode::Playing;
    return true;
}

void CdaudioMci::stopPlay()
{
    if (mode_ == Mode::Stopped)
        return;
    position_ = position();
    mode_ = Mode::Stopped;
    driveThread_.stopReading();
    output_.stop();
}

bool CdaudioMci::statusMode(QString& reply)
{
    if (doorOpen_)
        reply = QStringLiteral("open");
    else if (!toc_)
        reply = QStringLiteral("not ready");
    else if (mode_ == Mode::Playing)
        reply = QStringLiteral("playing");
    else if (mode_ == Mode::Paused)
        reply = QStringLiteral("paused");
    else
        reply = QStringLiteral("stopped");
    return true;
}
