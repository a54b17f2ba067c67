// The toolbar's two timers: folding and the drag handles, and the colour box.
#include "chrome/floating_toolbar.h"

#include "chrome/toolbar_design.h"
#include "core/menu_array.h"
#include "platform/window_frame.h"

#include <array>
#include <cmath>

namespace {

// The classic 16-colour palette, by colour number.
QColor classicColour(int number)
{
    static const std::array<QColor, 16> palette = {
        QColor(0, 0, 0),       QColor(0, 0, 128),     QColor(0, 128, 0),   QColor(0, 128, 128),
        QColor(128, 0, 0),     QColor(128, 0, 128),   QColor(128, 128, 0), QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),     QColor(0, 255, 0),   QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255),   QColor(255, 255, 0), QColor(255, 255, 255),
    };
    return palette[std::size_t(number % 16)];
}

// A twips value rounded to an integer, then divided by the twips in a pixel.
int wholePixels(double twips)
{
    return int(std::lround(twips)) / int(kTwipsPerPixel);
}

} // namespace

void Form4::Timer1_Timer()
{
    if (!isVisible())
        return;
    cursor_pos = window->cursorPos();
    const bool overToolbar = toolbar_rect.contains(cursor_pos) && height_ == full_height;
    if (overToolbar || cursor_pos.y() <= ToolbarDesign::TopRows) {
        unfold();
    } else if (!dragging) {
        setHeight(ToolbarDesign::FoldedHeight);
        fold_state = FoldState::Folded;
    }
    watchMainWindow();
}

void Form4::unfold()
{
    setBackColor(ToolbarDesign::BackColor);
    setHeight(full_height);
    if (fold_state != FoldState::Unfolded) {
        window->placeTopmost(QRect(int(std::lround(Left() / kTwipsPerPixel)), wholePixels(Top()),
                                   wholePixels(Width()), wholePixels(Height() + 12)));
        fold_state = FoldState::Unfolded;
    }
    const int fromLeft = cursor_pos.x() - toolbar_rect.left();
    const bool overButtons =
        fromLeft > ToolbarDesign::LeftHandle && !dragging && fromLeft < ToolbarDesign::RightHandle;
    setMovePointer(!overButtons);
    in_drag_zone = !overButtons;
}

void Form4::watchMainWindow()
{
    const int state = parts_.window.windowState();
    if (state == last_main_state)
        return;
    last_main_state = state;
    paintNormalStrip();
    toolTips[ToolbarButton::MinimizeRestore] = state == WindowFrame::Minimized
                                                   ? QStringLiteral("恢复窗口")
                                                   : QStringLiteral("最小化窗口");
    changed();
}

void Form4::Timer2_Timer()
{
    if (border_step > 64)
        border_step = 0;
    boxColor = classicColour(border_step);
    border_step += 15;
    changed();
}
