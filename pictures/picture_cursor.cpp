#include "pictures/picture_cursor.h"

#include "core/form1.h"
#include "pictures/cursor_file.h"

namespace PictureCursor {

void show(MousePointerState& pointer, Form1State& s, const ProgramPathOf& programPath,
          const QString& relative)
{
    const QString path = programPath(relative);
    pointer.MousePointer = MousePointerState::Custom;
    if (const std::optional<CursorPicture> cursor = CursorFile::read(path)) {
        pointer.MouseIcon = cursor->image;
        pointer.hotSpot = cursor->hotSpot;
    }
    s.cursor_file = path;
}

void showUnlessCurrent(MousePointerState& pointer, Form1State& s,
                       const ProgramPathOf& programPath, const QString& relative)
{
    if (s.cursor_file != programPath(relative))
        show(pointer, s, programPath, relative);
    else
        pointer.MousePointer = MousePointerState::Custom;
}

void arrow(MousePointerState& pointer)
{
    pointer.MousePointer = MousePointerState::Arrow;
}

} // namespace PictureCursor
