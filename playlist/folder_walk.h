#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Lists every file below a folder. Folders are taken depth-first, each
// folder's subfolders in the order the file system gives them; a folder's
// files come after everything in its subfolders, so the deepest folders'
// files come first and the root's own files last. Hidden entries are found;
// sockets, pipes, devices and broken links are not. A folder that cannot be
// read contributes nothing, and a link back to a folder on the way down is
// not followed again.
namespace FolderWalk {

enum class Phase { Folders, Files };

// Shows the progress line, lets the window handle its events and answers
// whether the user asked to cancel.
using Pump = std::function<bool(const QString& progressLine)>;

// The counts of the progress line are padded with blanks to four columns.
QString padded(qsizetype count);
QString progressLine(const QString& root, Phase phase, qsizetype folders, qsizetype files);

// The files below root, or nothing when the pump answered "cancel". The
// pump is called at the start and then after an entry whenever at least
// pumpIntervalMs have passed since the last call (0: after every entry).
std::optional<QStringList> files(const QString& root, const Pump& pump, int pumpIntervalMs = 25);

} // namespace FolderWalk
