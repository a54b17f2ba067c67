#include "pictures/picture_cursor.h"

#include "core/form1.h"
#include "pictures/cursor_file.h"

namespace PictureCursor {

void show(Form1& form, const QString& relative)
{
    const QString path = form.programPath(relative);
    form.Image1Pointer.MousePointer = MousePointerState::Custom;
    if (const std::optional<CursorPicture> cursor = CursorFile::read(path)) {
        form.Image1Pointer.MouseIcon = cursor->image;
        form.Image1Pointer.hotSpot = cursor->hotSpot;
    }
    form.state.cursor_file = path;
}

void showUnlessCurrent(Form1& form, const QString& relative)
{
    if (form.state.cursor_file != form.programPath(relative))
        show(form, relative);
    else
        form.Image1Pointer.MousePointer = MousePointerState::Custom;
}

void arrow(Form1& form)
{
    form.Image1Pointer.MousePointer = MousePointerState::Arrow;
}

} // namespace PictureCursor
