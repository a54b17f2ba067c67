#include "playback_fixture.h"

#include "core/designed_menus.h"
#include "playlist/list_writer.h"

#include <QImage>

PlaybackFixture::PlaybackFixture()
{
    form.dialogs = &dialogs;
    picture1.setWidth(6000);
    picture1.setHeight(4500);
}

void PlaybackFixture::setList(const QStringList& paths)
{
    form.write_liebiao(ListWriter::Replace, paths.join(QLatin1Char('\r')) + QLatin1Char('\r'));
    form.Timer1.stop();
}

QString PlaybackFixture::medium(const QString& name, int width, int height, double seconds)
{
    const QString path = dir.filePath(name);
    player1.media.insert(path, {width, height, seconds});
    return path;
}

QString PlaybackFixture::picture(const QString& name, int width, int height)
{
    const QString path = dir.filePath(name);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(path);
    return path;
}

QStringList PlaybackFixture::opened() const
{
    QStringList paths = player1.urlsSet;
    paths.removeAll(QString());
    return paths;
}

QStringList PlaybackFixture::messages() const
{
    QStringList texts;
    for (const auto& shown : dialogs.shown) {
        if (shown.kind == QLatin1String("message"))
            texts << shown.text;
    }
    return texts;
}

void PlaybackFixture::tick()
{
    form.shijian2();
    form.shijian3();
    form.shijian6();
}

void PlaybackFixture::setNoPicturesInLoopAll(bool on)
{
    form.xuanxiang1[OptionsItem::NoPicturesInLoopAll].checked = on;
}
