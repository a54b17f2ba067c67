#pragma once

#include <QDeadlineTimer>
#include <functional>

struct pa_context;
struct pa_mainloop;
struct pa_operation;

// One short connection to the PulseAudio server (or PipeWire's stand-in)
// for one operation, with a deadline for the whole of it. Never starts a
// server: without one the connection fails at once.
class PulseSession {
public:
    explicit PulseSession(int timeoutMs = 500);
    ~PulseSession();
    PulseSession(const PulseSession&) = delete;
    PulseSession& operator=(const PulseSession&) = delete;

    bool ready() const { return ready_; }
    pa_context* context() const { return context_; }
    // Runs the connection until the operation has ended; false when it
    // failed to start or the deadline came first. Takes the operation.
    bool finish(pa_operation* operation);

private:
    bool runUntil(const std::function<bool()>& done);

    QDeadlineTimer deadline_;
    pa_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    bool ready_ = false;
};
