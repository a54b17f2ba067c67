// The toolbar's buttons and its strip: looks, clicks and the drag.
#include "chrome/floating_toolbar.h"

#include "chrome/toolbar_design.h"
#include "core/designed_menus.h"
#include "core/flags.h"
#include "core/menu_array.h"
#include "platform/window_frame.h"

void Form4::Label1_MouseDown(int Index, int, int, double, double)
{
    button_pressed = true;
    hover_drawn = false;
    paintNormalStrip();
    paintButtonBlock(StripLook::Pressed, Index);
}

void Form4::Label1_MouseMove(int Index, int, int, double, double)
{
    if (button_pressed || hover_drawn)
        return;
    paintNormalStrip();
    paintButtonBlock(StripLook::Hover, Index);
    hover_drawn = true;
}

void Form4::Label1_MouseUp(int Index, int, int, double, double)
{
    button_pressed = false;
    hover_drawn = false;
    paintNormalStrip();
    paintButtonBlock(StripLook::Hover, Index);
}

void Form4::Label1_Click(int Index)
{
    if (window)
        window->takeFocus();
    using namespace ToolbarButton;
    switch (Index) {
    case Play: parts_.kongzhi1_Click(ControlItem::Play); break;
    case Pause: parts_.kongzhi1_Click(ControlItem::Pause); break;
    case Back: parts_.kongzhi1_Click(ControlItem::Back); break;
    case Forward: parts_.kongzhi1_Click(ControlItem::Forward); break;
    case Stop: parts_.kongzhi1_Click(ControlItem::Stop); break;
    case Previous: parts_.kuaijiecaidan1_Click(ShortcutItem::Previous); break;
    case Next: parts_.kuaijiecaidan1_Click(ShortcutItem::Next); break;
    case MinimizeRestore: minimizeOrRestore(); break;
    case Close:
        parts_.xuanxiang1[OptionsItem::Toolbar].caption = QStringLiteral("打开浮动工具条(&F)");
        Hide();
        break;
    default: break;
    }
}

void Form4::minimizeOrRestore()
{
    if (!mainWindow)
        return;
    const WindowFrame::State state = parts_.window.windowState();
    if (state == WindowFrame::Minimized) {
        mainWindow->setWindowState(WindowFrame::State(saved_main_state));
        return;
    }
    saved_main_state = state;
    mainWindow->setWindowState(WindowFrame::Minimized);
}

void Form4::Picture1_MouseDown(int, int, double, double)
{
    if (!in_drag_zone)
        return;
    drag_offset = cursor_pos - toolbar_rect.topLeft();
    dragging = true;
}

void Form4::Picture1_MouseMove(int, int, double, double)
{
    hover_drawn = false;
    if (dragging && window) {
        // The height is the rectangle's bottom edge: its top is 0.
        const int bottom = toolbar_rect.top() + toolbar_rect.height();
        window->moveWindow(QRect(cursor_pos - drag_offset, QSize(toolbar_rect.width(), bottom)));
    }
    paintNormalStrip();
}

void Form4::Picture1_MouseUp(int Button, int, double, double)
{
    Get_Windows_Rect();
    dragging = false;
    if (Button == MouseButton::Right)
        popupListMenu(cursor_pos);
}
