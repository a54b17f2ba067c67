#include "pictures/start_pictures.h"

#include "core/content_area.h"
#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "core/form1_state.h"
#include "core/menu_array.h"
#include "platform/media_player.h"
#include "pictures/picture_file.h"
#include "pictures/picture_menus.h"

#include <QRandomGenerator>
#include <QTime>

namespace {

double timeSeededRandom()
{
    QRandomGenerator generator(quint32(QTime::currentTime().msecsSinceStartOfDay()));
    return generator.generateDouble();
}

} // namespace

StartPictures::StartPictures(const StartPicturesParts& parts)
    : random(timeSeededRandom), parts_(parts)
{
}

void StartPictures::huamian_Click(int Index)
{
    MenuArray& menu = parts_.huamian;
    if (!menu.contains(Index))
        return;
    if (!DisplayMode::isStartPictureMode(parts_.state.display_mode)) {
        PictureMenus::checkOnly(menu, Index);
        parts_.shijian2();
        return;
    }
    // The second player shows a start picture only when none loads as a
    // picture (a moving one); a still one is decoded once, into Image2.
    QString lastTried;
    bool loaded = false;
    for (const int j : PictureMenus::wrappedFrom(menu, Index)) {
        lastTried = parts_.programPath(PictureMenus::kStartPictureDir + menu.at(j).caption);
        parts_.state.media_error.clear();
        if (PictureFile::loadInto(parts_.Image2, lastTried)) {
            PictureMenus::checkOnly(menu, j);
            loaded = true;
            break;
        }
    }
    parts_.WindowsMediaPlayer2.setUrl(loaded ? QString() : lastTried);
    parts_.shijian2();
}

void StartPictures::kaishihuamian()
{
    const MenuArray& menu = parts_.huamian;
    const auto& items = menu.items();
    if (items.isEmpty() || (items.size() == 1 && !items.first().enabled))
        return;
    const MenuArray& options = parts_.xuanxiang1;
    if (options.contains(OptionsItem::RandomStartPicture)
        && options.at(OptionsItem::RandomStartPicture).checked) {
        const int k = qBound(0, int(random() * items.size()), int(items.size()) - 1);
        parts_.huamian_Click(items.keys().at(k));
        return;
    }
    for (auto it = items.cbegin(); it != items.cend(); ++it) {
        if (it.value().checked) {
            parts_.huamian_Click(it.key());
            return;
        }
    }
}

void StartPictures::chooseStartPictureControl()
{
    MediaPlayer& player = parts_.WindowsMediaPlayer2;
    if (player.imageSourceHeight().value_or(0) > 0) {
        player.setLeft(0);
        player.setTop(parts_.Image2.picture().isNull() ? 0 : kParkedTop);
    } else {
        player.setLeft(kParkedTop);
    }
    if (parts_.Image1.picture().cacheKey() != parts_.Image2.picture().cacheKey())
        parts_.Image1.setPicture(parts_.Image2.picture());
}
