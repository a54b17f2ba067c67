#include "chrome/tray_menu.h"

#include "chrome/toolbar_window.h"
#include "chrome/tray_icon.h"
#include "core/designed_menus.h"
#include "core/event_delivery.h"
#include "core/flags.h"
#include "core/form1_state.h"
#include "platform/window_frame.h"
#include "options/file_menu.h"

MenuArray designedTrayMenu()
{
    using namespace TrayItem;
    MenuArray menu;
    const QList<QPair<int, QString>> captions = {
        {PlayFile, "播放文件(&O)"}, {1, "-"},          {Play, "播放(&B)"},
        {Pause, "暂停(&P)"},        {Stop, "停止(&T)"}, {5, "-"},
        {7, "-"},                   {HomePage, "软件主页(&H)"}, {News, "新闻资讯(&W)"},
        {10, "-"},                  {Nothing, "什么都不做(&M)"}, {Exit, "退出(&F)"},
    };
    for (const auto& [index, caption] : captions)
        menu[index].caption = caption;
    menu[News].visible = false;
    return menu;
}

void Tray::tray_add()
{
    if (!icon || added_)
        return;
    added_ = true;
    icon->add();
}

void Tray::tray_set_tip(const QString& text)
{
    if (icon && added_)
        icon->setTip(text);
}

void Tray::tray_remove()
{
    if (!icon || !added_)
        return;
    added_ = false;
    icon->remove();
}

void Tray::leftClick()
{
    if (!mainWindow || parts_.window.windowState() != WindowFrame::Minimized)
        return;
    mainWindow->setWindowState(WindowFrame::State(parts_.state.saved_window_state));
    mainWindow->showWithFocus();
}

void Tray::qmx_tuopan1_Click(int Index)
{
    using namespace TrayItem;
    switch (Index) {
    case PlayFile: parts_.wenjian1_Click(FileMenu::PlayFiles); break;
    case Play: parts_.kongzhi1_Click(ControlItem::Play); break;
    case Pause: parts_.kongzhi1_Click(ControlItem::Pause); break;
    case Stop: parts_.kongzhi1_Click(ControlItem::Stop); break;
    case HomePage: parts_.bangzhu1_Click(HelpItem::HomePage); break;
    case News: parts_.bangzhu1_Click(HelpItem::News); break;
    case Nothing: break;
    case Exit: exit(); break;
    default: reportUnhandledItem("qmx_tuopan1", Index); break;
    }
}

// Events still pending (a timer tick, a repaint) run for a tenth of a
// second before the window goes.
void Tray::exit()
{
    parts_.state.closing = Flag::Closing;
    EventDelivery::deliverFor(100);
    parts_.formUnload();
}
