#pragma once

#include <QString>

class Form1;

// What the desktop's media controls ask of the player, carried out through
// the window's own handlers (the Control and shortcut menus, the manual
// control), so that the window, the status line and the list stay in step.
// Every command returns whether it was carried out.
namespace MprisCommands {

// Commands wait while the window is busy inside a handler (an entry
// opening, a scan, the start sequence) or closing.
bool accepted(const Form1& form);

bool play(Form1& form);
bool pause(Form1& form);
bool playPause(Form1& form);
bool stop(Form1& form);
bool next(Form1& form);
bool previous(Form1& form);
// Jumps to a position, clamped to the medium; false when it can't seek.
bool seekToUs(Form1& form, qint64 positionUs);
bool seekByUs(Form1& form, qint64 offsetUs);
// 0 … 1; values outside are clamped.
bool setVolume(Form1& form, double volume);
// "Playlist", "Track" or "None"; anything else is ignored.
bool setLoopStatus(Form1& form, const QString& status);
// A file:// address or an absolute path of an existing file: added to the
// list and played, as a dropped file is.
bool openUri(Form1& form, const QString& uri);

} // namespace MprisCommands
