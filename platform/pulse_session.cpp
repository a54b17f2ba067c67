#include "platform/pulse_session.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/operation.h>

PulseSession::PulseSession(int timeoutMs) : deadline_(timeoutMs)
{
    loop_ = pa_mainloop_new();
    if (!loop_)
        return;
    context_ = pa_context_new(pa_mainloop_get_api(loop_), "璇音坊");
    if (!context_ || pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return;
    // Connecting ends in READY, or in FAILED at once when no server listens.
    runUntil([this] {
        const pa_context_state_t state = pa_context_get_state(context_);
        return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
    });
    ready_ = pa_context_get_state(context_) == PA_CONTEXT_READY;
}

PulseSession::~PulseSession()
{
    if (context_) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
    if (loop_)
        pa_mainloop_free(loop_);
}

bool PulseSession::finish(pa_operation* operation)
{
    if (!operation)
        return false;
    const bool ended = runUntil([operation] {
        return pa_operation_get_state(operation) != PA_OPERATION_RUNNING;
    });
    if (!ended)
        pa_operation_cancel(operation);
    pa_operation_unref(operation);
    return ended;
}

// Each turn waits at most until the deadline for something to happen.
bool PulseSession::runUntil(const std::function<bool()>& done)
{
    while (!done()) {
        const qint64 leftMs = deadline_.remainingTime();
        if (leftMs <= 0 || pa_mainloop_prepare(loop_, int(leftMs * 1000)) < 0
            || pa_mainloop_poll(loop_) < 0 || pa_mainloop_dispatch(loop_) < 0)
            return false;
    }
    return true;
}
