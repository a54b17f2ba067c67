#include "playback/player_wait.h"

#include "core/event_delivery.h"
#include "core/flags.h"
#include "core/form1_state.h"
#include "platform/media_player.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace PlayerWait {

namespace {

constexpr int kLookAgainMs = 10;

bool above0(const std::optional<double>& v)
{
    return v.value_or(0) > 0;
}

// One stage of the open wait; false when a media error ended it.
bool openStage(Form1State& state, MediaPlayer& player, int timeoutMs,
               const std::function<bool()>& done)
{
    QString& error = state.media_error;
    until(player, timeoutMs, [&] { return error == Flag::MediaError || done(); });
    if (error != Flag::MediaError)
        return true;
    error.clear();
    return false;
}

} // namespace

bool until(MediaPlayer& player, int timeoutMs, const std::function<bool()>& done)
{
    if (done())
        return true;
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    const auto look = [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    };
    QTimer again;
    again.setInterval(kLookAgainMs);
    QObject::connect(&again, &QTimer::timeout, &loop, look);
    QObject::connect(&player, &MediaPlayer::StatusChange, &loop, look);
    QObject::connect(&player, &MediaPlayer::MediaError, &loop, look);
    again.start();
    const EventDelivery::InsideHandler inside;
    loop.exec();
    return done();
}

void forLength(MediaPlayer& player)
{
    until(player, 3000, [&] { return above0(player.duration()); });
}

void openWait(Form1State& state, MediaPlayer& player)
{
    const bool going = openStage(state, player, 1000, [&] {
        const auto d = player.duration();
        return !d || *d > 0;
    });
    if (!going)
        return;
    openStage(state, player, 2000, [&] {
        const auto w = player.imageSourceWidth();
        const auto p = player.currentPosition();
        return !w || !p || *w > 0 || *p > 0;
    });
}

} // namespace PlayerWait
