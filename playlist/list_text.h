#pragma once

#include <QString>
#include <QStringList>

namespace Playlist {

// The List menu's items are indexed by 16-bit numbers: a list holds at
// most this many entries, and readers never need more lines than that.
inline constexpr int kMaxEntries = 32767;

// The line end of a list text ("\r") and of the text files ("\r\n").
inline constexpr QChar kCr = QChar(13);

} // namespace Playlist

// The paths of a list text, in order: each path is the text before the next
// CR. A rest after the last CR counts only when it holds more than blanks.
// Stops after maxEntries paths.
QStringList splitListText(const QString& aa, int maxEntries = Playlist::kMaxEntries);

// The list text of some paths: each followed by one CR.
QString joinListText(const QStringList& paths);

// A path split after its last "/": the folder part (with the "/") and the
// name. Without a "/", the folder part is empty and the name is the path.
struct SplitPath {
    QString dir;
    QString name;
};
SplitPath splitPath(const QString& path);
