// The start pictures, backgrounds and cursors the player ships.
#include "picture_fixture.h"

#include "core/display_mode.h"
#include "pictures/cursor_file.h"
#include "pictures/picture_file.h"
#include "pictures/picture_menus.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(SHIPPED_DATA_DIR);

TEST(ShippedDataTest, StartPicturesAreLargeEnough)
{
    const QStringList names = PictureMenus::fileNames(kData + "/开始画面");
    ASSERT_GE(names.size(), 3);
    for (const QString& name : names) {
        const PictureFile::Picture picture = PictureFile::read(kData + "/开始画面/" + name);
        EXPECT_GE(picture.naturalSize.width(), 1600) << name.toStdString();
    }
}

TEST(ShippedDataTest, OneStretchedAndOneNinePartBackground)
{
    const QStringList names = PictureMenus::fileNames(kData + "/背景图");
    const QStringList frames = names.filter(QRegularExpression("\\.wzh$"));
    ASSERT_EQ(frames.size(), 1);
    ASSERT_GE(names.size(), 2);
    // Drawn as 12000 x 9000 twips.
    EXPECT_EQ(PictureFile::read(kData + "/背景图/" + frames.first()).naturalSize, QSize(800, 600));
    for (const QString& name : names)
        EXPECT_FALSE(PictureFile::read(kData + "/背景图/" + name).image.isNull()) << name.toStdString();
}

TEST(ShippedDataTest, CursorsAreRealCursorAndIconFiles)
{
    for (const QString name : {"up.cur", "down.cur"}) {
        const auto cursor = CursorFile::read(kData + "/tubiao/" + name);
        ASSERT_TRUE(cursor) << name.toStdString();
        EXPECT_EQ(cursor->hotSpot, QPoint(16, 16));
        EXPECT_EQ(cursor->image.size(), QSize(32, 32));
    }
    EXPECT_TRUE(CursorFile::read(kData + "/tubiao/move.ico"));
}

// The idle window shows the first of our start pictures.
TEST(ShippedDataTest, IdleWindowShowsOurStartPicture)
{
    PictureFixture f;
    f.form.programDir = kData;
    f.form.buildPictureMenus();
    f.form.state.display_mode = DisplayMode::Idle;
    f.form.kaishihuamian();
    EXPECT_GE(f.image1.picture().width(), 1600);
    EXPECT_EQ(f.form.huamian.at(0).caption, PictureMenus::fileNames(kData + "/开始画面").first());
    EXPECT_GT(f.frame().height, 0);
}

} // namespace
