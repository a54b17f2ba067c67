#include "pictures/backgrounds.h"

#include "core/form1_state.h"
#include "core/menu_array.h"
#include "platform/placed_control.h"
#include "pictures/picture_file.h"
#include "pictures/picture_menus.h"

void Backgrounds::beijing1_Click(int Index)
{
    MenuArray& menu = parts_.beijing1;
    if (!menu.contains(Index))
        return;
    ImageControl& holder = parts_.beijing_linshi;
    holder.setPicture(QImage());
    for (const int j : PictureMenus::wrappedFrom(menu, Index)) {
        const QString path = parts_.programPath(PictureMenus::kBackgroundDir + menu.at(j).caption);
        if (PictureFile::loadInto(holder, path))
            break;
    }
    PictureMenus::checkOnly(menu, Index);
    // The comparison is exact: ".WZH" is stretched like any picture.
    const bool frame = menu.at(Index).caption.right(4) == QLatin1String(".wzh");
    parts_.state.top_offset = frame ? 480 : 500;
    parts_.chengxutuxiang(QStringLiteral("改变"));
}
