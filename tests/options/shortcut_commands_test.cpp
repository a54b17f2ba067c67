#include "core/display_mode.h"
#include "options/shortcut_commands.h"
#include "playlist/playlist_fixture.h"

#include <gtest/gtest.h>

namespace {

constexpr int kFullScreen = 14;
constexpr int kSaveAs = 15;

TEST(SaveCopyAs, ProposesACopyBesideTheMediumAndCopiesIt)
{
    PlaylistFixture f;
    f.putBytes("图 片.jpg", "picture bytes");
    f.form.state.lincunwei_weijian_mingcheng = f.path("图 片.jpg");
    f.form.kuaijiecaidan1[kSaveAs].caption = "图象文件另存为(&L)...";
    f.player1.setFullScreen(true);
    f.dialogs.answers << f.path("复件 图 片.jpg");

    f.form.kuaijiecaidan1_Click(kSaveAs);

    EXPECT_FALSE(f.player1.fullScreen());
    ASSERT_EQ(f.dialogs.shown.size(), 1);
    const Dialogs::FileRequest& request = f.dialogs.shown[0].request;
    EXPECT_EQ(request.startFolder, f.dir.path());
    EXPECT_EQ(request.fileName, "复件 图 片.jpg");
    EXPECT_EQ(request.filter, "图象文件(*.jpg)|*.jpg");
    EXPECT_EQ(request.title, "'" + f.path("图 片.jpg") + "' 另存为");
    EXPECT_EQ(f.bytes("复件 图 片.jpg"), "picture bytes");
}

TEST(SaveCopyAs, FiltersFollowTheCaptionAndTheSuffix)
{
    struct Case { QString caption, name, filter; };
    const Case cases[] = {
        {"音频文件另存为(&L)...", "a.b.mp3", "音频文件(*.mp3)|*.mp3"},
        {"视频文件另存为(&L)...", "clip.AVI", "视频文件(*.AVI)|*.AVI"},
        {"图象文件另存为(&L)...", "README", "图象文件(*.*)|*.*"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortcutCommands::copyFilter(c.caption, c.name), c.filter) << c.name.toStdString();
}

TEST(SaveCopyAs, AnExistingFileIsReplacedOnlyAfterYes)
{
    PlaylistFixture f;
    f.putBytes("a.mp3", "new");
    f.putBytes("b.mp3", "old");
    f.form.state.lincunwei_weijian_mingcheng = f.path("a.mp3");
    f.dialogs.answers << f.path("b.mp3") << f.path("b.mp3");
    f.dialogs.questionAnswers << false << true;

    f.form.kuaijiecaidan1_Click(kSaveAs);

    EXPECT_EQ(f.dialogs.shown.size(), 4); // save, No, save again, Yes
    EXPECT_EQ(f.dialogs.shown[2].request.fileName, "b.mp3");
    EXPECT_EQ(f.bytes("b.mp3"), "new");
}

TEST(SaveCopyAs, CancelMissingSourceAndSelfCopyLeaveFilesAlone)
{
    PlaylistFixture f;
    f.putBytes("a.mp3", "sound");
    f.form.state.lincunwei_weijian_mingcheng = f.path("a.mp3");
    f.form.kuaijiecaidan1_Click(kSaveAs); // cancelled: the script has no answer
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"a.mp3"});

    f.dialogs.answers << f.path("a.mp3");
    f.dialogs.questionAnswers << true;
    f.form.kuaijiecaidan1_Click(kSaveAs);
    EXPECT_EQ(f.bytes("a.mp3"), "sound");

    f.form.state.lincunwei_weijian_mingcheng = f.path("gone.mp3");
    f.dialogs.answers << f.path("copy.mp3");
    f.form.kuaijiecaidan1_Click(kSaveAs);
    EXPECT_FALSE(QFile::exists(f.path("copy.mp3")));
}

TEST(FullScreenItem, SwitchesOnlyWhileAVideoIsShown)
{
    PlaylistFixture f;
    MenuItem& item = f.form.kuaijiecaidan1[kFullScreen];
    f.form.state.display_mode = DisplayMode::Picture;
    f.form.kuaijiecaidan1_Click(kFullScreen);
    EXPECT_FALSE(f.player1.fullScreen());
    EXPECT_EQ(item.caption, "全屏幕(&Q)");

    f.form.state.display_mode = DisplayMode::Video;
    f.form.kuaijiecaidan1_Click(kFullScreen);
    EXPECT_TRUE(f.player1.fullScreen());
    EXPECT_EQ(item.caption, "恢复视窗(&Q)");
    EXPECT_TRUE(item.enabled);

    f.form.kuaijiecaidan1_Click(kFullScreen);
    EXPECT_FALSE(f.player1.fullScreen());
    EXPECT_EQ(item.caption, "全屏幕(&Q)");
}

} // namespace
