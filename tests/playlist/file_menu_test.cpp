// File ▸ 播放文件 / 增加文件 and the shortcut menu's file items.
#include "options/file_menu.h"
#include "core/flags.h"
#include "playlist/list_file.h"
#include "playlist/media_types.h"
#include "playlist_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(FileMenu, PlayFilesReplacesTheListAndPlaysTheFirst)
{
    PlaylistFixture f;
    f.setList({"/old/z.mp3"});
    f.dialogs.openAnswers.enqueue({"/d/a.mp3", "/d/b.avi"});
    f.form.wenjian1_Click(FileMenu::PlayFiles);
    EXPECT_EQ(f.paths(), (QStringList{"/d/a.mp3", "/d/b.avi"}));
    EXPECT_EQ(f.form.clicks, QList<int>{0});
}

TEST(FileMenu, AddFilesAppendsWithoutPlaying)
{
    PlaylistFixture f;
    f.setList({"/old/z.mp3"});
    f.dialogs.openAnswers.enqueue({"/d/a.mp3"});
    f.form.wenjian1_Click(FileMenu::AddFiles);
    EXPECT_EQ(f.paths(), (QStringList{"/old/z.mp3", "/d/a.mp3"}));
    EXPECT_TRUE(f.form.clicks.isEmpty());
}

TEST(FileMenu, DialogTitleFilterAndStartFolder)
{
    PlaylistFixture f;
    f.setList({"/music/one/z.mp3"});
    PlaylistEntries::checkOnly(f.form.liebiao, 0);
    f.form.wenjian1_Click(FileMenu::AddFiles);
    ASSERT_EQ(f.dialogs.shown.size(), 1);
    EXPECT_EQ(f.dialogs.shown[0].kind, "open");
    EXPECT_EQ(f.dialogs.shown[0].request.title, "增加媒体文件");
    EXPECT_EQ(f.dialogs.shown[0].request.filter, MediaTypes::kOpenFilter);
    EXPECT_EQ(f.dialogs.shown[0].request.filterIndex, 1);
    EXPECT_EQ(f.dialogs.shown[0].request.startFolder, "/music/one");
}

TEST(FileMenu, CancelledDialogChangesNothing)
{
    PlaylistFixture f;
    f.setList({"/old/z.mp3"});
    f.form.wenjian1_Click(FileMenu::PlayFiles);
    EXPECT_EQ(f.paths(), QStringList{"/old/z.mp3"});
    EXPECT_TRUE(f.form.clicks.isEmpty());
}

TEST(FileMenu, ListFilesAreExpandedOnlyWithTheLowerCaseSuffix)
{
    PlaylistFixture f;
    ASSERT_TRUE(ListFile::write(f.path("l.qmx"), {"/d/一.mp3", "/d/two.avi"}));
    EXPECT_EQ(FileMenu::listText({f.path("l.qmx"), "/d/x.QMX"}), "/d/一.mp3\r/d/two.avi\r/d/x.QMX\r");
}

TEST(FileMenu, ShortcutPlayFileLeavesFullScreenAndOpensTheDialog)
{
    PlaylistFixture f;
    f.player1.setFullScreen(true);
    f.form.kuaijiecaidan1_Click(11);
    EXPECT_FALSE(f.player1.fullScreen());
    ASSERT_EQ(f.dialogs.shown.size(), 1);
    EXPECT_EQ(f.dialogs.shown[0].request.title, "播放媒体文件");
}

TEST(FileMenu, ExitFromEitherMenuStartsClosing)
{
    for (int shortcut : {0, 1}) {
        PlaylistFixture f;
        if (shortcut)
            f.form.kuaijiecaidan1_Click(18);
        else
            f.form.wenjian1_Click(FileMenu::Exit);
        EXPECT_EQ(f.form.state.closing, Flag::Closing);
        EXPECT_TRUE(f.form.Timer_end.isActive());
    }
}

} // namespace
