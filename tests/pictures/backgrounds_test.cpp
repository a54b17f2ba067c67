// The background picture chosen from its folder, and the choices restored
// from the options file.
#include "picture_folders.h"

#include "core/designed_menus.h"

namespace {

using BackgroundTest = PictureFolderTest;

TEST_F(BackgroundTest, DamagedSecondBackgroundOfThree)
{
    picture(background("1.jpg"), {10, 10});
    damaged(background("2.jpg"));
    picture(background("3.jpg"), {30, 20});
    build();
    f.form.beijing1_Click(1);
    EXPECT_EQ(f.form.beijing_linshi.picture().size(), QSize(30, 20));
    EXPECT_EQ(checkedItems(f.form.beijing1), QList<int>{1});
    EXPECT_EQ(f.form.state.top_offset, 500);
    EXPECT_EQ(f.callsOf("chengxutuxiang"), QStringList{"chengxutuxiang:改变"});
}

TEST_F(BackgroundTest, NoBackgroundLoadsLeavesTheHolderEmpty)
{
    picture(background("1.jpg"));
    build();
    f.form.beijing1_Click(0);
    ASSERT_FALSE(f.form.beijing_linshi.picture().isNull());
    QFile::remove(background("1.jpg"));
    f.form.beijing1_Click(0);
    EXPECT_TRUE(f.form.beijing_linshi.picture().isNull());
}

TEST_F(BackgroundTest, NineFrameNamesAreExact)
{
    const QList<QPair<QString, double>> cases = {
        {"frame.wzh", 480}, {"frame.WZH", 500}, {"frame.Wzh", 500},
        {"frame.jpg", 500}, {"wzh", 500},       {"a.wzh.jpg", 500},
    };
    for (const auto& [name, offset] : cases) {
        PictureFixture g;
        TestPictures::write(g.path("背景图/" + name), {8, 6}, "png");
        g.form.buildPictureMenus();
        g.form.state.top_offset = 0;
        g.form.beijing1_Click(0);
        EXPECT_EQ(g.form.state.top_offset, offset) << name.toStdString();
        // Its content is an ordinary picture file.
        EXPECT_FALSE(g.form.beijing_linshi.picture().isNull()) << name.toStdString();
    }
}

// The options file's start picture and background indexes come back at
// start-up; the background is loaded, the start picture only checked.
TEST_F(BackgroundTest, RestoredFromTheOptionsFile)
{
    for (const QString name : {"a.jpg", "b.jpg", "c.jpg"})
        picture(start(name));
    picture(background("a.jpg"));
    picture(background("b.wzh"));
    build();
    TestPictures::putBytes(f.path("数据库/选项.bfq"), "0\r\n2\r\n-1\r\n0\r\n\r\n\r\n\r\n1\r\n");
    f.form.duquxuanxiang();
    EXPECT_EQ(checkedItems(f.form.huamian), QList<int>{2});
    EXPECT_TRUE(f.form.xuanxiang1.at(OptionsItem::RandomStartPicture).checked);
    EXPECT_EQ(checkedItems(f.form.beijing1), QList<int>{1});
    EXPECT_EQ(f.form.state.top_offset, 480);
    EXPECT_FALSE(f.form.beijing_linshi.picture().isNull());
    EXPECT_TRUE(f.image2.picture().isNull());
}

} // namespace
