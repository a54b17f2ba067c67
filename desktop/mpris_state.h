#pragma once

#include <QString>
#include <QStringList>

class Form1;

// What the desktop's media controls see of the player: the playing state,
// the current entry and what can be done with it. Read from the window's
// model, so it shows exactly what the window shows.
struct MprisState {
    QString playbackStatus = QStringLiteral("Stopped"); // "Playing", "Paused", "Stopped"
    QString loopStatus = QStringLiteral("None");        // "Playlist", "Track", "None"
    double volume = 0;                                  // 0 ... 1
    double rate = 1;

    // The current entry: -1 when none is checked.
    int entry = -1;
    QString trackId; // a D-Bus object path
    QString path;
    QString title;
    qint64 lengthUs = 0;
    int cdTrack = 0; // the track number of a CD entry, else 0

    qint64 positionUs = 0;

    bool canPlay = false;
    bool canPause = false;
    bool canSeek = false;
    bool canGoNext = false;
    bool canGoPrevious = false;

    static MprisState read(const Form1& form);
};

// The trackid of "no track", as the desktop's media interface names it.
inline const QString kNoTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");

// The Player properties whose values differ between two readings
// ("Position" never counts: it is read, never announced).
QStringList changedPlayerProperties(const MprisState& before, const MprisState& after);

// Whether the position moved other than by playing on: a jump the desktop
// is told of. elapsedMs is the time between the two readings.
bool positionJumped(const MprisState& before, const MprisState& after, qint64 elapsedMs);
