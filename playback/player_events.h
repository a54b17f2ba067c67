#pragma once

#include "core/operation.h"

#include <QObject>

class MediaPlayer;
struct Form1State;

// The parts of the window that the player events touch.
struct PlayerEventsParts {
    Form1State& state;
    MediaPlayer& WindowsMediaPlayer1;
    MediaPlayer& WindowsMediaPlayer2;
    Operation<void()>& shijian2;
    Operation<void()>& hoverReset;
    Operation<void()>& popupShortcutMenu;
};

// What the two media players report and how the window answers: the end
// of a medium is only marked (the dispatcher's end-of-media step acts on
// it), a media error ends the open wait, a left click pauses or resumes,
// the right button pops up the program's shortcut menu instead of the
// player's own, and the middle button pauses or resumes a video.
class PlayerEvents {
public:
    explicit PlayerEvents(const PlayerEventsParts& parts) : parts_(parts) {}

    // Connects both players' events to the handlers below.
    void connectPlayers();

    void statusChange();
    void mediaError();
    void click(int button);
    void mouseUp(int button);
    // WindowsMediaPlayer2: the right button pops up the shortcut menu.
    void secondMouseUp(int button);

private:
    PlayerEventsParts parts_;
    QObject context_; // ends the connections with this object
};
