// The start-picture and background menus built from their folders, the
// start pictures chosen in them, and which control shows the start picture.
#include "picture_folders.h"

#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "pictures/picture_menus.h"
#include "pictures/start_pictures.h"

namespace {

using StartPictureTest = PictureFolderTest;

TEST_F(StartPictureTest, MenusInCharacterCodeOrder)
{
    for (const QString name : {"b.jpg", "a.jpg", "C.jpg"})
        picture(start(name));
    for (const QString name : {"2.jpg", "10.wzh", "背景.jpg"})
        picture(background(name));
    damaged(start(".hidden.jpg"));
    QDir().mkpath(start("folder.jpg"));
    build();
    EXPECT_EQ(captions(f.form.huamian), (QStringList{"C.jpg", "a.jpg", "b.jpg"}));
    EXPECT_EQ(captions(f.form.beijing1), (QStringList{"10.wzh", "2.jpg", "背景.jpg"}));
    EXPECT_TRUE(f.form.huamian.at(0).enabled);
    EXPECT_EQ(checkedItems(f.form.huamian), QList<int>{0});
}

TEST_F(StartPictureTest, EmptyFoldersKeepTheDesignedItems)
{
    build();
    EXPECT_EQ(captions(f.form.huamian), QStringList{"画面1"});
    EXPECT_FALSE(f.form.huamian.at(0).enabled);
    EXPECT_EQ(captions(f.form.beijing1), QStringList{"背景图01"});
    EXPECT_TRUE(f.form.beijing1.at(0).enabled);
}

TEST_F(StartPictureTest, EmptyStartFolderShowsNothingAndSaysNothing)
{
    build();
    f.form.state.display_mode = DisplayMode::Idle;
    f.form.kaishihuamian();
    f.form.xuanxiang1[OptionsItem::RandomStartPicture].checked = true;
    f.form.kaishihuamian();
    EXPECT_TRUE(f.player2.urlsSet.isEmpty());
    EXPECT_TRUE(f.image2.picture().isNull());
    EXPECT_TRUE(f.dialogs.shown.isEmpty());
    EXPECT_EQ(f.form.refreshes, 0);
}

TEST_F(StartPictureTest, ChoosingShowsThePictureInAStartPictureMode)
{
    picture(start("a.jpg"), {40, 30});
    picture(start("b.jpg"), {80, 20});
    build();
    f.form.state.display_mode = DisplayMode::Audio;
    f.form.state.media_error = "错误";
    f.form.huamian_Click(1);
    EXPECT_TRUE(f.player2.url().isEmpty());
    EXPECT_EQ(f.image2.width(), 80 * 15);
    EXPECT_EQ(f.image2.height(), 20 * 15);
    EXPECT_EQ(checkedItems(f.form.huamian), QList<int>{1});
    EXPECT_EQ(f.form.state.media_error, QString());
    EXPECT_EQ(f.image1.picture().cacheKey(), f.image2.picture().cacheKey());
    EXPECT_EQ(f.form.refreshes, 1);
}

TEST_F(StartPictureTest, DamagedFilesAreSkippedWrappingAround)
{
    picture(start("a.jpg"));
    damaged(start("b.jpg"));
    damaged(start("c.jpg"));
    build();
    f.form.state.display_mode = DisplayMode::Idle;
    f.form.huamian_Click(1);
    EXPECT_TRUE(f.player2.urlsSet.filter("开始画面").isEmpty());
    EXPECT_EQ(checkedItems(f.form.huamian), QList<int>{0});
    EXPECT_FALSE(f.image2.picture().isNull());
}

TEST_F(StartPictureTest, NothingLoadsKeepsTheCheckAndTheLastFileTried)
{
    damaged(start("a.jpg"));
    damaged(start("b.jpg"));
    build();
    f.form.state.display_mode = DisplayMode::Idle;
    f.form.huamian_Click(1);
    EXPECT_EQ(checkedItems(f.form.huamian), QList<int>{0});
    EXPECT_TRUE(f.image2.picture().isNull());
    EXPECT_EQ(f.player2.url(), start("a.jpg"));
}

TEST_F(StartPictureTest, OutsideTheStartPictureModesOnlyTheCheckMoves)
{
    picture(start("a.jpg"));
    picture(start("b.jpg"));
    build();
    f.form.state.display_mode = DisplayMode::Video;
    f.form.huamian_Click(1);
    EXPECT_EQ(checkedItems(f.form.huamian), QList<int>{1});
    EXPECT_TRUE(f.image2.picture().isNull());
    EXPECT_TRUE(f.player2.urlsSet.filter("开始画面").isEmpty());
    EXPECT_EQ(f.form.refreshes, 1);
}

// A folder with only a video: no picture, the second player shows it at
// the frame's corner and the frame takes its shape.
TEST_F(StartPictureTest, StartFolderWithOnlyAVideo)
{
    TestPictures::putBytes(start("clip.mp4"), "video data");
    build();
    f.player2.videos[start("clip.mp4")] = QSize(320, 240);
    f.form.state.display_mode = DisplayMode::Idle;
    f.form.kaishihuamian();
    EXPECT_TRUE(f.image2.picture().isNull());
    EXPECT_EQ(f.player2.url(), start("clip.mp4"));
    EXPECT_EQ(f.player2.left(), 0);
    EXPECT_EQ(f.player2.top(), 0);
    EXPECT_EQ(f.frame(), (TwipsRect{180, 350, 10100, 7575}));
    EXPECT_EQ(f.player2.width(), 10100);
}

// A still picture is decoded once, into Image2: the second player, which
// would open it too, is not given it and stays parked.
TEST_F(StartPictureTest, APictureFileIsShownByImage1Alone)
{
    picture(start("a.jpg"), {40, 10});
    build();
    f.player2.videos[start("a.jpg")] = QSize(40, 10);
    f.form.state.display_mode = DisplayMode::Idle;
    f.form.kaishihuamian();
    EXPECT_TRUE(f.player2.urlsSet.filter("开始画面").isEmpty());
    EXPECT_EQ(f.player2.left(), 20000);
    EXPECT_EQ(f.image1.picture().cacheKey(), f.image2.picture().cacheKey());
}

TEST_F(StartPictureTest, RandomChoice)
{
    for (const QString name : {"a.jpg", "b.jpg", "c.jpg"})
        picture(start(name));
    build();
    f.form.state.display_mode = DisplayMode::Idle;
    f.form.xuanxiang1[OptionsItem::RandomStartPicture].checked = true;
    Form1& form = f.form;
    StartPictures pictures({.state = form.state,
                            .huamian = form.huamian,
                            .xuanxiang1 = form.xuanxiang1,
                            .Image1 = form.Image1,
                            .Image2 = form.Image2,
                            .WindowsMediaPlayer2 = form.WindowsMediaPlayer2,
                            .programPath = [&form](const QString& relative) { return form.programPath(relative); },
                            .shijian2 = form.shijian2,
                            .huamian_Click = form.huamian_Click});
    const QList<QPair<double, int>> cases = {{0.0, 0}, {0.5, 1}, {0.99, 2}, {0.34, 1}};
    for (const auto& [r, index] : cases) {
        pictures.random = [r = r] { return r; };
        pictures.kaishihuamian();
        EXPECT_EQ(checkedItems(f.form.huamian), QList<int>{index}) << r;
    }
}

TEST_F(StartPictureTest, RandomWithOneFileAlwaysGivesIt)
{
    picture(start("only.jpg"));
    build();
    f.form.state.display_mode = DisplayMode::Idle;
    f.form.xuanxiang1[OptionsItem::RandomStartPicture].checked = true;
    for (int i = 0; i < 20; ++i) {
        f.form.kaishihuamian();
        EXPECT_EQ(checkedItems(f.form.huamian), QList<int>{0});
    }
}

TEST_F(StartPictureTest, WithoutRandomTheLowestCheckedItemShows)
{
    picture(start("a.jpg"));
    picture(start("b.jpg"));
    picture(start("c.jpg"));
    build();
    f.form.state.display_mode = DisplayMode::Cd;
    f.form.huamian[0].checked = false;
    f.form.huamian[2].checked = true;
    f.form.kaishihuamian();
    EXPECT_EQ(checkedItems(f.form.huamian), QList<int>{2});
    const qint64 shown = f.image2.picture().cacheKey();
    PictureMenus::checkOnly(f.form.huamian, -1);
    f.player2.urlsSet.clear();
    f.form.kaishihuamian();
    EXPECT_TRUE(f.player2.urlsSet.isEmpty());
    EXPECT_EQ(f.image2.picture().cacheKey(), shown);
}

TEST_F(StartPictureTest, AnIndexThatIsNoItemChangesNothing)
{
    picture(background("1.jpg"));
    picture(start("1.jpg"));
    build();
    f.form.beijing1_Click(5);
    f.form.huamian_Click(-1);
    EXPECT_EQ(checkedItems(f.form.beijing1), QList<int>{0});
    EXPECT_EQ(captions(f.form.beijing1).size(), 1);
    EXPECT_TRUE(f.form.calls.isEmpty());
}

// Start-up without files: the idle window shows the checked start picture.
TEST_F(StartPictureTest, IdleStartShowsTheStartPicture)
{
    picture(start("a.jpg"), {160, 90});
    picture(start("b.jpg"), {40, 30});
    QDir().mkpath(f.path("数据库"));
    f.form.formLoad();
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Idle);
    EXPECT_EQ(f.image1.picture().size(), QSize(160, 90));
    EXPECT_EQ(f.frame().width, 10100);
    EXPECT_EQ(f.frame().height, std::nearbyint(10100 * 90.0 / 160));
}

} // namespace
