#include "playback/loop_mode.h"

#include "core/designed_menus.h"
#include "core/form1.h"

namespace LoopMode {

bool isChecked(const Form1& form, int mode)
{
    return form.xunhuan1.contains(mode) && form.xunhuan1.at(mode).checked;
}

int current(const Form1& form)
{
    for (int mode : {All, RepeatOne, None}) {
        if (isChecked(form, mode))
            return mode;
    }
    return -1;
}

bool noPicturesInLoopAll(const Form1& form)
{
    return form.xuanxiang1.contains(OptionsItem::NoPicturesInLoopAll)
        && form.xuanxiang1.at(OptionsItem::NoPicturesInLoopAll).checked;
}

} // namespace LoopMode
