// The CD device's commands that reach the drive: open and close, the
// door, the table of contents.
#include "platform/cd/cdaudio_mci.h"
#include "platform/cd/mci_errors.h"

namespace {

using namespace MciError;

constexpr int kDriveWaitMs = 15000;

} // namespace

bool CdaudioMci::wait(const std::shared_ptr<DriveAnswer>& answer, int timeoutMs)
{
    const quint64 before = changes_;
    // An open also waits for the sound server's connection, if still under way.
    const bool done = waiter_(timeoutMs, [&] { return answer->done.load() && !output_.connecting(); });
    return done && answer->done && changes_ == before;
}

bool CdaudioMci::open(const QString& drive)
{
    // The alias stays with the drive it was opened on; opening that drive
    // again changes nothing. Another drive takes the alias over, so that a
    // track of that drive never plays from the one before.
    if (open_ && drive == drive_)
        return fail(kAliasInUse);
    output_.connect();
    const quint64 mine = ++changes_;
    const auto answer = driveThread_.open(drive);
    if (!wait(answer, kDriveWaitMs)) {
        if (changes_ != mine)
            return fail(kNotReady); // a newer command has the device
        // The drive may still be taken later: let go of it, whichever it is.
        close();
        return fail(kNotReady);
    }
    if (!answer->opened)
        return fail(kCannotOpen);
    stopPlay(); // of the drive before
    open_ = true;
    drive_ = drive;
    image_ = answer->image;
    toc_ = answer->toc;
    doorOpen_ = image_ && imageDoors_.value(drive_, false);
    format_ = CdTime::Format::Tmsf;
    mode_ = Mode::Stopped;
    position_ = toc_ ? toc_->audioStart() : 0;
    return true;
}

void CdaudioMci::close()
{
    ++changes_;
    stopPlay();
    driveThread_.release();
    open_ = false;
    toc_.reset();
    doorOpen_ = false;
}

bool CdaudioMci::setDoor(bool open)
{
    stopPlay();
    if (image_) {
        doorOpen_ = open;
        imageDoors_[drive_] = open;
        if (toc_)
            position_ = toc_->audioStart();
        return true;
    }
    ++changes_;
    const auto answer = driveThread_.moveTray(drive_, open);
    if (!wait(answer, kDriveWaitMs))
        return fail(kNotReady);
    doorOpen_ = open;
    toc_ = answer->toc;
    position_ = toc_ ? toc_->audioStart() : 0;
    return answer->ok ? true : fail(kTrayStuck);
}

// A real drive is asked whether its disc has changed (a tray pushed shut
// by hand, a disc put in); an image's disc is what it was at the open.
bool CdaudioMci::countTracks(QString& reply)
{
    if (!image_ && mode_ == Mode::Stopped) {
        const auto answer = driveThread_.refresh(doorOpen_ || !toc_);
        if (!wait(answer, kDriveWaitMs))
            return fail(kNotReady);
        if (answer->toc)
            doorOpen_ = false;
        if (answer->toc.has_value() != toc_.has_value())
            position_ = answer->toc ? answer->toc->audioStart() : 0;
        toc_ = answer->toc;
    }
    if (!hasDisc())
        return fail(kNotReady);
    reply = QString::number(toc_->audioCount());
    return true;
}
