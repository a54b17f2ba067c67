#pragma once

#include <functional>

class MediaPlayer;
struct Form1State;

// Waits that keep the window alive: they run the event loop, so window
// events, timers and nested handlers go on meanwhile, and wake on the
// player's events, looking again every few milliseconds for what has no
// event of its own (a position that starts to run). They never spin.
namespace PlayerWait {

// Runs the event loop until done() holds or timeoutMs have passed.
// Returns done().
bool until(MediaPlayer& player, int timeoutMs, const std::function<bool()>& done);

// Until the medium reports a length, at most 3 seconds.
void forLength(MediaPlayer& player);

// The open wait yanshihuoqu: up to 1 s for the length, then up to 2 s for
// a picture width or a running position; a media error reported meanwhile
// (media_error "错误") is cleared and ends the wait at once.
void openWait(Form1State& state, MediaPlayer& player);

} // namespace PlayerWait
