#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <atomic>
#include <optional>

struct mpv_handle;
struct mpv_event;

enum class MpvEndReason : int { Eof, Stop, Quit, Error, Redirect };

// One libmpv instance. Its events reach the GUI thread as signals: mpv's
// wakeup callback only queues a drain of the event queue. The properties
// the player reads all the time are observed: their changes come in the
// same queue, in order with the file events.
// When libmpv cannot be created or started, the core has no engine: every
// command and read fails and no event ever comes.
class MpvCore : public QObject {
    Q_OBJECT
public:
    enum class Observed { Pause, Buffering, Duration, TimePos, Width, Height, AlbumArt };
    Q_ENUM(Observed)

    // options: "name=value" pairs, set before the instance starts.
    explicit MpvCore(const QStringList& options, QObject* parent = nullptr);
    ~MpvCore() override;

    mpv_handle* handle() const { return mpv_; }
    bool hasEngine() const { return mpv_ != nullptr; }

    // Replaces whatever plays; returns the new playlist entry id, 0 on failure.
    qint64 loadFile(const QString& path);
    bool command(const QStringList& args);

    bool setString(const char* name, const QString& value);
    bool setFlag(const char* name, bool value);
    bool setDouble(const char* name, double value);
    std::optional<QString> getString(const char* name) const;
    std::optional<bool> getFlag(const char* name) const;
    std::optional<double> getDouble(const char* name) const;
    std::optional<qint64> getInt(const char* name) const;

    // From now on mpv stops before each file's decoders start, once the
    // file's tracks are known, and emits preloaded(); it goes on after
    // continueHook() with the same id.
    void holdBeforeDecoding();
    void continueHook(quint64 hookId);
    // Whether the file being opened has a video track (a cover picture too).
    bool hasVideoTrack() const;

signals:
    void fileStarted(qint64 entryId);
    void fileLoaded();
    void fileEnded(qint64 entryId, MpvEndReason reason);
    void playbackRestarted();
    void preloaded(quint64 hookId);
    // value: a double for Duration and TimePos, an integer for Width and
    // Height, a bool for the flags; invalid while mpv has no value.
    void propertyChanged(MpvCore::Observed which, const QVariant& value);

private:
    bool start(const QStringList& options);
    void observe();
    static void wakeup(void* self);
    void drainEvents();
    void handleEvent(const mpv_event& event);

    mpv_handle* mpv_ = nullptr;
    std::atomic<bool> drainQueued_{false};
};
