#pragma once

#include "platform/media_player.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <vector>

// Runs the event loop until the player is in the state or has reported it
// (a passing state such as MediaEnded), or gives up.
inline bool waitForState(MediaPlayer& player, int state, int timeoutMs = 15000)
{
    bool reported = player.playState() == state;
    QObject context;
    QObject::connect(&player, &MediaPlayer::StatusChange, &context,
                     [&] { reported = reported || player.playState() == state; });
    QSignalSpy spy(&player, &MediaPlayer::StatusChange);
    const QDeadlineTimer deadline(timeoutMs);
    while (!reported) {
        if (deadline.hasExpired() || !spy.wait(int(deadline.remainingTime())))
            return false;
    }
    return true;
}

// Every state the player reports, in order.
struct StateLog {
    explicit StateLog(MediaPlayer& player)
    {
        QObject::connect(&player, &MediaPlayer::StatusChange, &context,
                         [this, &player] { states.push_back(player.playState()); });
    }
    QObject context;
    std::vector<int> states;
};
