#include "platform/cd/cd_drive_thread.h"

#include "platform/cd/cdio_drive.h"
#include "platform/cd/pulse_output.h"

#include <cdio/sector.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

// The first read of a play is short, so that its sound starts soon; later
// reads take a second at a time.
constexpr int kFirstSectors = 13;
constexpr int kSectorsPerRead = 75;

} // namespace

CdDriveThread::CdDriveThread(PulseOutput& output) : output_(output)
{
    output_.setOnRoom([this] { wake(); });
    thread_ = std::thread([this] { run(); });
}

CdDriveThread::~CdDriveThread()
{
    output_.setOnRoom(nullptr);
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wakeUp_.notify_all();
    thread_.join();
}

void CdDriveThread::wake()
{
    {
        std::lock_guard lock(mutex_);
        room_ = true;
    }
    wakeUp_.notify_all();
}

std::shared_ptr<DriveAnswer> CdDriveThread::post(const std::function<void(DriveAnswer&)>& work)
{
    auto answer = std::make_shared<DriveAnswer>();
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back([answer, work] {
            work(*answer);
            answer->done = true;
        });
    }
    wakeUp_.notify_all();
    return answer;
}

std::shared_ptr<DriveAnswer> CdDriveThread::open(const QString& path)
{
    return post([this, path](DriveAnswer& answer) {
        // A path that does not open leaves the drive before as it was.
        auto opened = CdioDrive::open(path);
        if (!opened)
            return;
        {
            std::lock_guard lock(mutex_);
            reading_.reset(); // a play of the drive before
            ++readingGeneration_;
        }
        drive_ = std::move(opened);
        toc_ = drive_->readToc();
        answer.opened = true;
        answer.image = drive_->isImage();
        answer.ok = true;
        answer.toc = toc_;
    });
}

std::shared_ptr<DriveAnswer> CdDriveThread::refresh(bool always)
{
    return post([this, always](DriveAnswer& answer) {
        if (drive_ && (always || !toc_ || drive_->mediaChanged()))
            toc_ = drive_->readToc();
        answer.opened = drive_ != nullptr;
        answer.image = drive_ && drive_->isImage();
        answer.ok = answer.opened;
        answer.toc = toc_;
    });
}

std::shared_ptr<DriveAnswer> CdDriveThread::moveTray(const QString& path, bool open)
{
    return post([this, path, open](DriveAnswer& answer) {
        // The drive is let go of first: an open handle may keep the tray shut.
        drive_.reset();
        toc_.reset();
        answer.ok = open ? CdioDrive::ejectTray(path) : CdioDrive::closeTray(path);
        drive_ = CdioDrive::open(path);
        if (drive_ && !open)
            toc_ = drive_->readToc();
        answer.opened = drive_ != nullptr;
        answer.toc = toc_;
    });
}

void CdDriveThread::release()
{
    post([this](DriveAnswer&) {
        drive_.reset();
        toc_.reset();
    });
}

void CdDriveThread::startReading(quint64 session, qint32 from, qint32 to, const CdToc& toc)
{
    {
        std::lock_guard lock(mutex_);
        reading_ = Reading{session, from, from, to, toc};
        ++readingGeneration_;
        room_ = true;
    }
    wakeUp_.notify_all();
}

void CdDriveThread::stopReading()
{
    std::lock_guard lock(mutex_);
    reading_.reset();
    ++readingGeneration_;
}

void CdDriveThread::run()
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            const auto ready = [this] { return quit_ || !jobs_.empty() || (reading_ && room_); };
            if (reading_) // room is also looked at now and then, should a wake-up be missed
                wakeUp_.wait_for(lock, std::chrono::milliseconds(100), ready);
            else
                wakeUp_.wait(lock, ready);
            if (quit_)
                return;
            room_ = false;
            if (!jobs_.empty()) {
                job = std::move(jobs_.front());
                jobs_.pop_front();
            }
        }
        if (job)
            job();
        else
            readChunk();
    }
}

// One read of the play, when the output has room for it. Sectors outside
// the audio tracks play as silence.
// A read that fails is tried again sector by sector: a scratched sector
// plays as silence. Returns how many sectors to play: up to the last one
// that read, so that a run of bad sectors at the end is tried again by the
// next read, and a play ends where nothing reads any more (0).
int CdDriveThread::readSectors(qint32 lsn, int count, char* pcm)
{
    if (!drive_)
        return 0;
    if (drive_->readAudio(lsn, count, pcm))
        return count;
    int keep = 0;
    for (int i = 0; i < count; ++i) {
        char* sector = pcm + std::size_t(i) * CDIO_CD_FRAMESIZE_RAW;
        if (drive_->readAudio(lsn + i, 1, sector))
            keep = i + 1;
        else
            std::fill(sector, sector + CDIO_CD_FRAMESIZE_RAW, '\0');
    }
    return keep;
}

void CdDriveThread::readChunk()
{
    Reading reading;
    quint64 generation = 0;
    {
        std::lock_guard lock(mutex_);
        if (!reading_)
            return;
        reading = *reading_;
        generation = readingGeneration_;
    }
    // Reads stay within one track: an image may keep each in a file of its own.
    const CdTrack* track = reading.toc.trackAt(reading.next);
    const qint32 runEnd = track && reading.next < track->end() ? track->end() : reading.next + 1;
    const int wanted = reading.next == reading.from ? kFirstSectors : kSectorsPerRead;
    const int count = std::min({wanted, reading.to - reading.next, runEnd - reading.next});
    if (count > 0 && output_.room(reading.session) < qsizetype(count) * CDIO_CD_FRAMESIZE_RAW)
        return;
    std::vector<char> pcm(std::size_t(std::max(count, 0)) * CDIO_CD_FRAMESIZE_RAW, 0);
    const int played = count == 0 || !reading.toc.isAudio(reading.next)
        ? count : readSectors(reading.next, count, pcm.data());
    // Where nothing could be read (the disc is gone) the play ends.
    const qint32 next = played > 0 || count == 0 ? reading.next + played : reading.to;
    const bool last = next >= reading.to;
    {
        std::lock_guard lock(mutex_);
        if (generation != readingGeneration_)
            return; // stopped or replaced meanwhile
        if (last)
            reading_.reset();
        else
            reading_->next = next;
        room_ = true;
    }
    output_.push(reading.session, pcm.data(), qsizetype(played) * CDIO_CD_FRAMESIZE_RAW, last);
}
