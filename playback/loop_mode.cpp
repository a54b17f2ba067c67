#include "playback/loop_mode.h"

#include "core/designed_menus.h"
#include "core/menu_array.h"

namespace LoopMode {

bool isChecked(const MenuArray& xunhuan1, int mode)
{
    return xunhuan1.contains(mode) && xunhuan1.at(mode).checked;
}

int current(const MenuArray& xunhuan1)
{
    for (int mode : {All, RepeatOne, None}) {
        if (isChecked(xunhuan1, mode))
            return mode;
    }
    return -1;
}

bool noPicturesInLoopAll(const MenuArray& xuanxiang1)
{
    return xuanxiang1.contains(OptionsItem::NoPicturesInLoopAll)
        && xuanxiang1.at(OptionsItem::NoPicturesInLoopAll).checked;
}

} // namespace LoopMode
