#include "panel_fixture.h"

#include "core/display_mode.h"

#include <QDir>

namespace {

const char* const kSkinFiles[] = {
    "进度条_滑块横_暗.jpg", "进度条_滑块横_亮.jpg", "进度条_滑块竖_暗.jpg", "进度条_滑块竖_亮.jpg",
    "进度条_横.jpg", "进度条_上.jpg", "进度条_中.jpg", "进度条_下.jpg",
    "已选框.bmp", "未选框.bmp", "向上_按下.bmp", "向下_按下.bmp", "向上_抬起.bmp", "向下_抬起.bmp",
};

} // namespace

PanelFixture::PanelFixture()
{
    form.programDir = dir.path();
    writeFlatSkin(dir.path());
    form.state.top_offset = 500;
    form.chengxutuxiang(QString());
}

// Far-apart hues, one for each picture.
QColor PanelFixture::colourOf(const QString& fileName)
{
    int index = 0;
    while (index < int(std::size(kSkinFiles)) && fileName != QString::fromUtf8(kSkinFiles[index]))
        ++index;
    return QColor::fromHsv(index * 360 / 15, 220, 200);
}


void writeFlatSkin(const QString& programDir)
{
    QDir(programDir).mkpath("tubiao/skin");
    for (const char* name : kSkinFiles) {
        const QString fileName = QString::fromUtf8(name);
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(PanelFixture::colourOf(fileName));
        picture.save(programDir + "/tubiao/skin/" + fileName, nullptr, 100);
    }
}

void PanelFixture::removeSkin(const QString& fileName) const
{
    QFile::remove(dir.filePath("tubiao/skin/" + fileName));
}

void PanelFixture::playSound(double seconds)
{
    player1.load(dir.filePath("a.mp3"), 0, 0, seconds);
    player1.play();
    form.state.display_mode = DisplayMode::Audio;
    form.state.length_ms = seconds * 1000;
    form.chengxutuxiang(QString());
}
