#include "pictures/backgrounds.h"

#include "core/form1.h"
#include "pictures/picture_file.h"
#include "pictures/picture_menus.h"

void Backgrounds::beijing1_Click(int Index)
{
    MenuArray& menu = form_.beijing1;
    if (!menu.contains(Index))
        return;
    ImageControl& holder = form_.beijing_linshi;
    holder.setPicture(QImage());
    for (const int j : PictureMenus::wrappedFrom(menu, Index)) {
        const QString path = form_.programPath(PictureMenus::kBackgroundDir + menu.at(j).caption);
        if (PictureFile::loadInto(holder, path))
            break;
    }
    PictureMenus::checkOnly(menu, Index);
    // The comparison is exact: ".WZH" is stretched like any picture.
    const bool frame = menu.at(Index).caption.right(4) == QLatin1String(".wzh");
    form_.state.top_offset = frame ? 480 : 500;
    form_.chengxutuxiang(QStringLiteral("改变"));
}
