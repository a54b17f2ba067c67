#include "pictures/picture_mouse.h"

#include "core/content_area.h"
#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "core/flags.h"
#include "core/form1.h"
#include "pictures/picture_cursor.h"

namespace {

const QString kFromPopup = QStringLiteral("快捷");
const QString kPlaying = QStringLiteral("正在播放");

// One axis of the drag step. The frame moves by the pointer's offset from
// the pressed point (measured in the moving picture, so the pressed point
// stays under the pointer), only while it is larger than the area and only
// in a direction that does not open a gap; the next layout pulls back an
// overshoot.
double dragged(double pos, double size, double lo, double hi, double at, double pressed)
{
    if (size <= hi - lo)
        return pos;
    const double d = at - pressed;
    if (pos + size > hi) {
        if (at < pressed || (at > pressed && pos < lo))
            return pos + d;
    } else if (pos + size == hi && at > pressed) {
        return pos + d;
    }
    return pos;
}

} // namespace

bool PictureMouse::zoomed() const
{
    return parts_.state.display_mode == DisplayMode::Zoom;
}

void PictureMouse::Image1_DblClick()
{
    const QString& mode = parts_.state.display_mode;
    if (mode == DisplayMode::Zoom) {
        parts_.tuxiang1_Click(ImageItem::Normal);
    } else if (mode == DisplayMode::Cd || mode == DisplayMode::Audio) {
        const bool playing = parts_.ditiao.caption().left(4) == kPlaying;
        parts_.kongzhi1_Click(playing ? ControlItem::Pause : ControlItem::Play);
    }
}

void PictureMouse::Image1_MouseDown(int Button, int Shift, double x, double y)
{
    (void)Shift;
    if (Button != MouseButton::Left || !zoomed())
        return;
    PictureCursor::show(parts_.Image1Pointer, parts_.state, parts_.programPath, PictureCursor::kDown);
    Form1State& s = parts_.state;
    s.drag_state = Flag::Dragging;
    s.press_y = y;
    s.press_x = x;
}

void PictureMouse::Image1_MouseUp(int Button, int Shift, double x, double y)
{
    (void)Shift;
    (void)y;
    if (!zoomed()) {
        if (Button == MouseButton::Right && x <= parts_.Image1.width() / 2)
            parts_.popupImageMenu();
        else if (Button == MouseButton::Right)
            parts_.popupShortcutMenu();
        return;
    }
    if (Button == MouseButton::Left)
        PictureCursor::show(parts_.Image1Pointer, parts_.state, parts_.programPath, PictureCursor::kUp);
    parts_.state.drag_state.clear();
    if (Button == MouseButton::Right) {
        parts_.state.popup_origin = kFromPopup;
        parts_.popupImageMenu();
    } else if (Button == MouseButton::Middle) {
        parts_.popupShortcutMenu();
    }
}

void PictureMouse::Image1_MouseMove(int Button, int Shift, double x, double y)
{
    (void)Button;
    (void)Shift;
    parts_.hoverReset();
    if (!zoomed()) {
        parts_.tuxiang1[ImageItem::Normal].enabled = false;
        if (x > parts_.Image1.width() / 2)
            PictureCursor::arrow(parts_.Image1Pointer);
        else
            PictureCursor::showUnlessCurrent(parts_.Image1Pointer, parts_.state, parts_.programPath, PictureCursor::kMove);
        return;
    }
    parts_.tuxiang1[ImageItem::Normal].enabled = true;
    parts_.Image1Pointer.MousePointer = MousePointerState::Custom;
    if (parts_.state.drag_state != Flag::Dragging)
        PictureCursor::showUnlessCurrent(parts_.Image1Pointer, parts_.state, parts_.programPath, PictureCursor::kUp);
    if (parts_.state.drag_state == Flag::Dragging)
        dragStep(x, y);
}

// The layout first puts right what the previous step overshot.
void PictureMouse::dragStep(double x, double y)
{
    parts_.shijian2();
    const Form1State& s = parts_.state;
    const ContentArea a = contentArea(parts_.window.scaleWidth(), parts_.window.scaleHeight(),
                                      s.top_offset);
    PlacedControl& frame = parts_.Picture1;
    frame.setLeft(dragged(frame.left(), frame.width(), a.L, a.R, x, s.press_x));
    frame.setTop(dragged(frame.top(), frame.height(), a.T, a.B, y, s.press_y));
}
