#pragma once

#include "platform/cd/cd_toc.h"

#include <QString>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class CdioDrive;
class PulseOutput;

// What the drive thread found for a job; ready once done is set.
struct DriveAnswer {
    std::atomic<bool> done{false};
    bool opened = false;  // libcdio took the path
    bool image = false;
    bool ok = false;      // the job's own success (a tray that moved)
    std::optional<CdToc> toc;
};

// The one thread that talks to the drive: opening it, its table of
// contents, its tray, and reading the sectors of a play into the sound
// output. The window's thread only hands it jobs and never waits on it
// but through the event loop.
class CdDriveThread {
public:
    explicit CdDriveThread(PulseOutput& output);
    ~CdDriveThread();
    CdDriveThread(const CdDriveThread&) = delete;
    CdDriveThread& operator=(const CdDriveThread&) = delete;

    // Opens the drive or image (letting go of the one before) and reads
    // its table of contents.
    std::shared_ptr<DriveAnswer> open(const QString& path);
    // Reads the table of contents again when a real drive's disc may have
    // changed (or none was read before).
    std::shared_ptr<DriveAnswer> refresh(bool always);
    // Moves a real drive's tray; a closed tray's disc is read again.
    std::shared_ptr<DriveAnswer> moveTray(const QString& path, bool open);
    // Lets go of the drive.
    void release();

    // Reads sectors [from, to) into the output's session.
    void startReading(quint64 session, qint32 from, qint32 to, const CdToc& toc);
    void stopReading();

private:
    using Job = std::function<void()>;
    std::shared_ptr<DriveAnswer> post(const std::function<void(DriveAnswer&)>& work);
    void run();
    void readChunk();
    int readSectors(qint32 lsn, int count, char* pcm);
    void wake();

    PulseOutput& output_;
    std::unique_ptr<CdioDrive> drive_; // the drive thread's alone
    std::optional<CdToc> toc_;         // the drive thread's alone

    std::mutex mutex_;
    std::condition_variable wakeUp_;
    std::deque<Job> jobs_;
    bool quit_ = false;
    bool room_ = false;
    // The play being read; a new play or a stop replaces it.
    struct Reading {
        quint64 session = 0;
        qint32 from = 0;
        qint32 next = 0;
        qint32 to = 0;
        CdToc toc;
    };
    std::optional<Reading> reading_;
    quint64 readingGeneration_ = 0;
    std::thread thread_;
};
