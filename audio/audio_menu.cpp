#include "audio/audio_menu.h"

#include "audio/audio_values.h"
#include "audio/toggles.h"
#include "core/designed_menus.h"
#include "core/flags.h"
#include "core/form1_state.h"
#include "core/menu_array.h"

void AudioMenu::yinping1_Click(int Index)
{
    double& volume = parts_.state.shengyin_shu;
    switch (Index) {
    case AudioItem::Mute: muteSwitch(); break;
    case AudioItem::VolumeUp: volume = AudioValues::up(volume); break;
    case AudioItem::VolumeDown: volume = AudioValues::down(volume); break;
    case AudioItem::Volume: break; // its submenu's title: the values go out all the same
    default: reportUnhandledItem("yinping1", Index); break;
    }
    parts_.rengong_kongzhi(0);
}

// The check mark flips first; the mute toggle then follows it when the
// two disagree, and puts the mark where mute_state is.
void AudioMenu::muteSwitch()
{
    MenuItem& item = parts_.yinping1[AudioItem::Mute];
    item.checked = !item.checked;
    const bool muted = parts_.state.mute_state == Flag::Selected;
    if (item.checked != muted)
        parts_.xuan_Click(Toggles::Mute);
}

void AudioMenu::yinliang1_Click(int Index)
{
    if (!parts_.yinliang1.contains(Index))
        return;
    parts_.state.shengyin_shu = AudioValues::preset(Index);
    parts_.rengong_kongzhi(0);
}
