#pragma once

#include "platform/cd/cd_drive_thread.h"
#include "platform/cd/cd_time.h"
#include "platform/cd/mci_command.h"
#include "platform/cd/pulse_output.h"
#include "platform/mci.h"

#include <QMap>
#include <functional>

// The audio-CD command device over a real drive or a disc image, keeping
// what such a device keeps: open or closed under its alias, the time
// format, the position, playing / paused / stopped, and the door. A
// command that is not of the vocabulary, carries a wrong number or finds
// the device closed fails, answers nothing and changes nothing.
class CdaudioMci : public Mci {
public:
    // Waits for the drive thread while keeping the window alive; returns
    // done(). The default runs the event loop.
    using Waiter = std::function<bool(int timeoutMs, const std::function<bool()>& done)>;
    static bool eventLoopWait(int timeoutMs, const std::function<bool()>& done);

    explicit CdaudioMci(Waiter waiter = eventLoopWait);
    ~CdaudioMci() override;

    bool send(const QString& command, QString* reply = nullptr) override;
    QString lastError() const override { return lastError_; }

private:
    enum class Mode { Stopped, Playing, Paused };

    bool run(const MciCommand& command, QString& reply);
    bool open(const QString& drive);
    void close();
    bool setDoor(bool open);
    bool countTracks(QString& reply);
    bool play(std::optional<qint32> from);
    bool statusMode(QString& reply);
    void stopPlay();
    bool fail(const QString& error);
    // Waits for the drive's answer; false when it did not come in time or
    // the device was changed meanwhile.
    bool wait(const std::shared_ptr<DriveAnswer>& answer, int timeoutMs);

    bool hasDisc() const { return toc_.has_value() && !doorOpen_; }
    // Where the device stands: what has been heard of a play.
    qint32 position();
    // Notices a play that has run to its end.
    void catchUp();

    Waiter waiter_;
    PulseOutput output_;
    CdDriveThread driveThread_{output_};

    bool open_ = false;
    QString drive_;
    bool image_ = false;
    std::optional<CdToc> toc_;
    CdTime::Format format_ = CdTime::Format::Tmsf;
    Mode mode_ = Mode::Stopped;
    qint32 position_ = 0;   // while stopped
    qint32 playFrom_ = 0;   // the play under way
    qint32 playTo_ = 0;
    bool doorOpen_ = false;
    // An image has no tray: its door is kept here, across opens.
    QMap<QString, bool> imageDoors_;
    // Counts the opens, closes and door moves: a command that waited for
    // the drive while another of them ran meanwhile (from a nested event)
    // leaves the device to that one.
    quint64 changes_ = 0;
    QString lastError_;
};
