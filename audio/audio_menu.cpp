#include "audio/audio_menu.h"

#include "audio/audio_values.h"
#include "audio/toggles.h"
#include "core/designed_menus.h"
#include "core/flags.h"
#include "core/form1.h"

void AudioMenu::yinping1_Click(int Index)
{
    double& volume = form_.state.shengyin_shu;
    switch (Index) {
    case AudioItem::Mute: muteSwitch(); break;
    case AudioItem::VolumeUp: volume = AudioValues::up(volume); break;
    case AudioItem::VolumeDown: volume = AudioValues::down(volume); break;
    case AudioItem::Volume: break; // its submenu's title: the values go out all the same
    default: reportUnhandledItem("yinping1", Index); break;
    }
    form_.rengong_kongzhi(0);
}

// The check mark flips first; the mute toggle then follows it when the
// two disagree, and puts the mark where mute_state is.
void AudioMenu::muteSwitch()
{
    MenuItem& item = form_.yinping1[AudioItem::Mute];
    item.checked = !item.checked;
    const bool muted = form_.state.mute_state == Flag::Selected;
    if (item.checked != muted)
        form_.xuan_Click(Toggles::Mute);
}

void AudioMenu::yinliang1_Click(int Index)
{
    if (!form_.yinliang1.contains(Index))
        return;
    form_.state.shengyin_shu = AudioValues::preset(Index);
    form_.rengong_kongzhi(0);
}
