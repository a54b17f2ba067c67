#include "options/options_menu.h"

#include "core/designed_menus.h"
#include "core/form1_state.h"
#include "core/menu_array.h"
#include "core/operation.h"
#include "playlist/playlist_entries.h"

void OptionsMenu::xuanxiang1_Click(int Index)
{
    switch (Index) {
    case OptionsItem::NoPicturesInLoopAll:
    case OptionsItem::RandomStartPicture:
        toggle(Index);
        break;
    case OptionsItem::ShowDirectories:
        toggle(Index);
        if (PlaylistEntries::directoriesShown(parts_.xuanxiang1))
            PlaylistEntries::joinDirectories(parts_.liebiao, parts_.state.entry_dirs);
        else
            PlaylistEntries::splitDirectories(parts_.liebiao, parts_.state.entry_dirs);
        break;
    case OptionsItem::Toolbar: toggleToolbar(); break;
    case OptionsItem::Registration: parts_.showRegistration(); break;
    // Titles of submenus.
    case OptionsItem::Loop: case OptionsItem::Background: case OptionsItem::StartPicture: break;
    default: reportUnhandledItem("xuanxiang1", Index); break;
    }
}

void OptionsMenu::xunhuan1_Click(int Index)
{
    if (Index < 0 || Index > 2)
        return;
    for (int i = 0; i < 3; ++i)
        parts_.xunhuan1[i].checked = (i == Index);
    parts_.xuanxiang1[OptionsItem::NoPicturesInLoopAll].enabled = (Index == 0);
}

// The item's caption says what it does: "关闭…" hides the floating
// toolbar, "打开…" shows it; each then switches to the other.
void OptionsMenu::toggleToolbar()
{
    QString& caption = parts_.xuanxiang1[OptionsItem::Toolbar].caption;
    if (caption == u"关闭浮动工具条(&F)") {
        parts_.hideFloatingToolbar();
        caption = QStringLiteral("打开浮动工具条(&F)");
    } else if (caption == u"打开浮动工具条(&F)") {
        caption = QStringLiteral("关闭浮动工具条(&F)");
        parts_.showFloatingToolbar();
    }
}

void OptionsMenu::toggle(int index)
{
    MenuItem& item = parts_.xuanxiang1[index];
    item.checked = !item.checked;
}
