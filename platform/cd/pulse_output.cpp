#include "platform/cd/pulse_output.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

namespace {

// A few seconds of sound read ahead: a drive that spins up again or
// re-reads a sector does not break the sound.
constexpr qsizetype kQueueBytes = 3 * PulseOutput::kFramesPerSecond * PulseOutput::kBytesPerFrame;
// What the server keeps queued. A play ends by removing the stream, so this
// only sets how often the server asks for more.
constexpr uint32_t kTargetBytes = PulseOutput::kFramesPerSecond * PulseOutput::kBytesPerFrame * 2 / 5;

class Locked {
public:
    explicit Locked(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~Locked() { pa_threaded_mainloop_unlock(loop_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

void forget(pa_operation* operation)
{
    if (operation)
        pa_operation_unref(operation);
}

} // namespace

PulseOutput::PulseOutput() = default;

void PulseOutput::connect()
{
    if (loop_)
        return;
    loop_ = pa_threaded_mainloop_new();
    if (loop_ && pa_threaded_mainloop_start(loop_) < 0) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }
    if (!loop_)
        return;
    Locked lock(loop_);
    connectContext();
}

PulseOutput::~PulseOutput()
{
    if (!loop_)
        return;
    {
        Locked lock(loop_);
        endStream();
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
            context_ = nullptr;
        }
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

void PulseOutput::setOnRoom(std::function<void()> onRoom)
{
    if (!loop_) { // no server thread yet
        onRoom_ = std::move(onRoom);
        return;
    }
    Locked lock(loop_);
    onRoom_ = std::move(onRoom);
}

void PulseOutput::connectContext()
{
    if (context_) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_unref(context_);
    }
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "璇音坊");
    if (!context_)
        return;
    pa_context_set_state_callback(context_, contextChanged, this);
    pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

bool PulseOutput::connecting() const
{
    if (!loop_)
        return false;
    Locked lock(loop_);
    return context_ && PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))
        && pa_context_get_state(context_) != PA_CONTEXT_READY;
}

bool PulseOutput::connected() const
{
    if (!loop_)
        return false;
    Locked lock(loop_);
    return context_ && pa_context_get_state(context_) == PA_CONTEXT_READY;
}

quint64 PulseOutput::start()
{
    if (!loop_)
        return 0;
    Locked lock(loop_);
    endStream();
    if (!context_ || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
        connectContext(); // a server that has come (back) since
    if (!context_ || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
        return 0;
    ++session_;
    wanted_ = true;
    if (pa_context_get_state(context_) == PA_CONTEXT_READY)
        createStream();
    return session_;
}

void PulseOutput::stop()
{
    if (!loop_)
        return;
    Locked lock(loop_);
    endStream();
}

void PulseOutput::push(quint64 session, const char* data, qsizetype size, bool last)
{
    if (!loop_)
        return;
    Locked lock(loop_);
    if (session != session_ || !wanted_)
        return;
    if (queueHead_ > 0 && queueHead_ * 2 >= queue_.size()) {
        queue_.remove(0, queueHead_);
        queueHead_ = 0;
    }
    queue_.append(data, size);
    pushedFrames_ += size / kBytesPerFrame;
    last_ = last;
    feed();
}

qsizetype PulseOutput::room(quint64 session) const
{
    if (!loop_)
        return 0;
    Locked lock(loop_);
    if (session != session_ || !wanted_ || last_)
        return 0;
    return std::max<qsizetype>(0, kQueueBytes - (queue_.size() - queueHead_));
}

qint64 PulseOutput::heardFrames() const
{
    if (!loop_)
        return 0;
    Locked lock(loop_);
    return finished_ ? endFrames_ : timedFrames();
}

qint64 PulseOutput::timedFrames() const
{
    pa_usec_t usec = 0;
    if (!stream_ || pa_stream_get_state(stream_) != PA_STREAM_READY
        || pa_stream_get_time(stream_, &usec) < 0)
        return 0;
    return std::min<qint64>(qint64(usec) * kFramesPerSecond / 1000000, pushedFrames_);
}

void PulseOutput::endSession(qint64 heardFrames)
{
    if (finished_ || !wanted_)
        return;
    endFrames_ = heardFrames;
    finished_ = true;
}

bool PulseOutput::finished() const
{
    if (!loop_)
        return false;
    Locked lock(loop_);
    return finished_;
}

void PulseOutput::createStream()
{
    static const pa_sample_spec format{PA_SAMPLE_S16LE, uint32_t(kFramesPerSecond), 2};
    stream_ = pa_stream_new(context_, "CD", &format, nullptr);
    if (!stream_)
        return;
    pa_stream_set_write_callback(stream_, streamWritable, this);
    pa_stream_set_state_callback(stream_, streamChanged, this);
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(-1);
    attr.tlength = kTargetBytes;
    attr.prebuf = uint32_t(-1);
    attr.minreq = uint32_t(-1);
    attr.fragsize = uint32_t(-1);
    const auto flags = pa_stream_flags_t(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE
                                         | PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) < 0) {
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_unref(stream_);
        stream_ = nullptr;
        endSession(0);
    }
}

void PulseOutput::endStream()
{
    if (stream_) {
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    queue_.clear();
    queueHead_ = 0;
    wanted_ = false;
    last_ = false;
    draining_ = false;
    finished_ = false;
    pushedFrames_ = 0;
    endFrames_ = 0;
}

// Hands the server what it asks for; at the end of the session lets the
// server play out what it holds.
void PulseOutput::feed()
{
    if (!stream_ || pa_stream_get_state(stream_) != PA_STREAM_READY)
        return;
    const size_t writable = pa_stream_writable_size(stream_);
    const qsizetype queued = queue_.size() - queueHead_;
    const qsizetype n = std::min<qsizetype>(queued, qsizetype(writable == size_t(-1) ? 0 : writable));
    if (n > 0) {
        pa_stream_write(stream_, queue_.constData() + queueHead_, size_t(n), nullptr, 0, PA_SEEK_RELATIVE);
        queueHead_ += n;
        if (onRoom_)
            onRoom_();
    }
    if (queueHead_ == queue_.size() && last_ && !draining_) {
        draining_ = true;
        forget(pa_stream_drain(stream_, drained, this));
    }
}

void PulseOutput::contextChanged(pa_context* context, void* self)
{
    auto* out = static_cast<PulseOutput*>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY && out->wanted_ && !out->stream_)
        out->createStream();
    else if (!PA_CONTEXT_IS_GOOD(state))
        out->endSession(out->timedFrames()); // the server went away: the play ends
}

void PulseOutput::streamChanged(pa_stream* stream, void* self)
{
    auto* out = static_cast<PulseOutput*>(self);
    if (stream == out->stream_ && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
        out->endSession(0);
}

void PulseOutput::streamWritable(pa_stream*, size_t, void* self)
{
    static_cast<PulseOutput*>(self)->feed();
}

void PulseOutput::drained(pa_stream* stream, int success, void* self)
{
    auto* out = static_cast<PulseOutput*>(self);
    if (success && stream == out->stream_)
        out->endSession(out->pushedFrames_);
}
