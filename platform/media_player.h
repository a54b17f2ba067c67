#pragma once

#include "platform/placed_control.h"

#include <QObject>
#include <QString>
#include <optional>

// The embedded media player as the program uses it. Members and units are
// those of the classic player control:
//  - url: a full path, or "" to empty the player; setting a path opens the
//    medium and starts it (auto start).
//  - positions and durations in seconds, picture size in pixels.
//  - playState: one of the PlayState values below (diagram under PlayState).
//  - balance: -10000 ... 10000, hundredths of a decibel by which the far
//    channel is lowered (200 lowers the left channel by 2 dB, -5000 the
//    right channel by 50 dB, 0 leaves both).
//  - the control's place (visible, left, top, width, height) in twips,
//    inherited from PlacedControl.
// A read that has no medium to answer from fails: the optional is empty,
// and callers count the value as 0.
class MediaPlayer : public QObject, public PlacedControl {
    Q_OBJECT
public:
    // The states a player goes through; each change raises StatusChange
    // (a state set again raises nothing).
    //   new player, or url set to ""         Undefined; every read fails
    //   url set to a path                    Transitioning
    //   the medium opens                     Playing (Paused when paused
    //                                        before it opened)
    //   pause / play                         Paused / Playing
    //   waiting for data                     Buffering, then back
    //   the medium cannot be opened          MediaError, then Ready; length
    //                                        and picture size read 0
    //   played to its end                    MediaEnded, then at once
    //                                        Stopped; the medium stays with
    //                                        its readings, position 0
    //   play on an ended or failed medium    Transitioning: opened anew,
    //                                        from the position set meanwhile
    // A medium that fails after it had opened reports MediaError and ends
    // as above. While Transitioning the length and picture size read 0 and
    // the position 0.
    enum PlayState {
        Undefined = 0,
        Stopped = 1,
        Paused = 2,
        Playing = 3,
        Buffering = 6,
        MediaEnded = 8,
        Transitioning = 9,
        Ready = 10,
    };

    using QObject::QObject;

    virtual QString url() const = 0;
    virtual void setUrl(const QString& path) = 0;

    // controls.play / controls.pause
    virtual void play() = 0;
    virtual void pause() = 0;

    // controls.currentPosition
    virtual std::optional<double> currentPosition() const = 0;
    virtual bool setCurrentPosition(double seconds) = 0;

    // currentMedia.duration, imageSourceWidth, imageSourceHeight
    virtual std::optional<double> duration() const = 0;
    virtual std::optional<int> imageSourceWidth() const = 0;
    virtual std::optional<int> imageSourceHeight() const = 0;

    virtual PlayState playState() const = 0;

    // settings.rate
    virtual bool setRate(double rate) = 0;
    // the "balance" property; nothing is read back
    virtual bool setBalance(int balance) = 0;

    virtual bool fullScreen() const = 0;
    virtual bool setFullScreen(bool on) = 0;

    virtual void setEnableContextMenu(bool on) = 0;

signals:
    // playState changed; read playState() for the new value.
    void StatusChange();
    void MediaError();
    // Mouse input on the player's picture; x and y in twips within the control.
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt.
    void Click(int button);
    void MouseUp(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
};
