#pragma once

#include <QByteArray>
#include <atomic>
#include <functional>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// CD audio (44.1 kHz, 16-bit stereo) to the sound server's default sink.
// Each play is a session with a stream of its own; what has been heard of
// it counts the server's latency. The drive thread pushes PCM, the
// server's thread pulls it.
// Never starts a server.
class PulseOutput {
public:
    static constexpr int kBytesPerFrame = 4;
    static constexpr int kFramesPerSecond = 44100;

    PulseOutput();
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Starts connecting to the server, once: the program pays for the
    // connection only when a disc is used.
    void connect();
    // Whether the server connection is still being made.
    bool connecting() const;
    bool connected() const;

    // A new session; 0 when there is no server. Ends the one before.
    quint64 start();
    void stop();
    // PCM of the session; last marks the end of what it plays.
    void push(quint64 session, const char* data, qsizetype size, bool last);
    // How many more bytes the session takes now (0 for an old session).
    qsizetype room(quint64 session) const;
    // Frames of the session that have reached the listener.
    qint64 heardFrames() const;
    // Whether the session has ended: played all it was given, or lost its
    // server.
    bool finished() const;

    // Called from the server's thread when room has come free.
    void setOnRoom(std::function<void()> onRoom);

private:
    void connectContext();
    void createStream();
    void endStream();
    void feed();
    static void contextChanged(pa_context* context, void* self);
    static void streamWritable(pa_stream* stream, size_t bytes, void* self);
    static void drained(pa_stream* stream, int success, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    qint64 timedFrames() const;
    void endSession(qint64 heardFrames);

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    // The rest below is guarded by the main loop's lock.
    QByteArray queue_;
    qsizetype queueHead_ = 0; // bytes of queue_ already handed on
    quint64 session_ = 0;
    bool wanted_ = false;  // a session waits for the connection
    bool last_ = false;
    bool draining_ = false;
    bool finished_ = false;
    qint64 pushedFrames_ = 0;
    qint64 endFrames_ = 0; // what was heard of an ended session
    std::function<void()> onRoom_;
};
