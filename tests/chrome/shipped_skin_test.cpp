#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

// Every skin picture the panel shows ships under tubiao/skin/, drawn at
// twice its control's size (in pixels at 15 twips each).
TEST(ShippedSkin, EveryPictureLoadsAtTwiceItsControlSize)
{
    struct Case {
        const char* name;
        QSize size;
    };
    const Case cases[] = {
        {"进度条_滑块横_暗.jpg", {48, 26}}, {"进度条_滑块横_亮.jpg", {48, 26}},
        {"进度条_滑块竖_暗.jpg", {26, 48}}, {"进度条_滑块竖_亮.jpg", {26, 48}},
        {"进度条_横.jpg", {68, 26}},         {"进度条_上.jpg", {26, 66}},
        {"进度条_中.jpg", {26, 40}},         {"进度条_下.jpg", {26, 86}},
        {"已选框.bmp", {30, 30}},            {"未选框.bmp", {30, 30}},
        {"向上_按下.bmp", {30, 30}},         {"向下_按下.bmp", {30, 30}},
        {"向上_抬起.bmp", {30, 30}},         {"向下_抬起.bmp", {30, 30}},
    };
    const QDir skin(QStringLiteral(SHIPPED_DATA_DIR "/tubiao/skin"));
    for (const Case& c : cases) {
        const QImage picture(skin.filePath(QString::fromUtf8(c.name)));
        EXPECT_EQ(picture.size(), c.size) << c.name;
    }
}
