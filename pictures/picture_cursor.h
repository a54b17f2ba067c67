#pragma once

#include "core/folder_path.h"

#include <QString>
#include <functional>

struct Form1State;
struct MousePointerState;

// The mouse cursors of the picture Image1, files under the program directory.
namespace PictureCursor {

inline const QString kDown = QStringLiteral("tubiao/down.cur"); // left button held, zoomed
inline const QString kUp = QStringLiteral("tubiao/up.cur");     // over the zoomed picture
inline const QString kMove = QStringLiteral("tubiao/move.ico"); // left half, other modes

// Shows the cursor file `relative` (read afresh) and remembers it in
// cursor_file. A file that cannot be read leaves the cursor as it was.
void show(MousePointerState& pointer, Form1State& s, const ProgramPathOf& programPath,
          const QString& relative);
// As show(), unless it is the file last loaded.
void showUnlessCurrent(MousePointerState& pointer, Form1State& s,
                       const ProgramPathOf& programPath, const QString& relative);
// The ordinary arrow.
void arrow(MousePointerState& pointer);

} // namespace PictureCursor
