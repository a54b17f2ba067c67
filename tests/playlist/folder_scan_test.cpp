// File ▸ 播放目录 / 增加目录 and the shortcut menu's 播放目录: the folder
// dialog, the filters, list files found by the scan, cancelling and the
// no-files message.
#include "playlist/folder_scan.h"
#include "playlist/list_file.h"
#include "playlist_fixture.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct ScanFixture : PlaylistFixture {
    ScanFixture() { QDir(dir.path()).mkpath("m/x"); }
    QString m() const { return path("m"); }
    void touch(const QString& relative) { putBytes(relative, "x"); }
    void chooseFolder(const QString& folder) { dialogs.answers.enqueue(folder); }
    FolderScanParts parts()
    {
        return {.state = form.state,
                .dialogs = form.dialogs,
                .Timer1 = form.Timer1,
                .ditiao = form.ditiao,
                .WindowsMediaPlayer1 = form.WindowsMediaPlayer1,
                .liebiao = form.liebiao,
                .bofangmulu = form.bofangmulu,
                .write_liebiao = form.write_liebiao,
                .liebiao_Click = form.liebiao_Click};
    }
    QStringList messages() const
    {
        QStringList result;
        for (const ScriptedDialogs::Shown& shown : dialogs.shown)
            if (shown.kind == "message")
                result << shown.text;
        return result;
    }
};

TEST(FolderScan, PlayFolderReplacesTheListWithTheFilteredFilesAndPlaysTheFirst)
{
    ScanFixture f;
    f.setList({"/old/z.mp3"});
    f.touch("m/x/c.mp3");
    f.touch("m/x/notes.txt");
    f.touch("m/a.MP3");
    f.chooseFolder(f.m());
    f.form.bofangmulu_Click(2); // audio files
    EXPECT_EQ(f.paths(), (QStringList{f.m() + "/x/c.mp3", f.m() + "/a.MP3"}));
    EXPECT_EQ(f.form.clicks, QList<int>{0});
    EXPECT_EQ(f.form.state.chosen_folder, f.m());
    EXPECT_TRUE(f.form.Timer1.isActive());
    EXPECT_EQ(f.form.dialogs->folder("", ""), QString()); // script used up
}

TEST(FolderScan, AddFolderAppendsAndPlaysNothing)
{
    ScanFixture f;
    f.setList({"/old/z.mp3"});
    f.touch("m/a.mp3");
    f.chooseFolder(f.m());
    f.form.zunjiamulu_Click(0);
    EXPECT_EQ(f.paths(), (QStringList{"/old/z.mp3", f.m() + "/a.mp3"}));
    EXPECT_TRUE(f.form.clicks.isEmpty());
}

TEST(FolderScan, DialogOpensAtTheCurrentEntrysFolderWithTheCommandsTitle)
{
    ScanFixture f;
    f.setList({"/music/one/z.mp3", "/music/two/y.mp3"});
    PlaylistEntries::checkOnly(f.form.liebiao, 1);
    f.form.bofangmulu_Click(3);
    ASSERT_EQ(f.dialogs.shown.size(), 1);
    EXPECT_EQ(f.dialogs.shown[0].kind, "folder");
    EXPECT_EQ(f.dialogs.shown[0].title, "播放目录--视频文件(*.avi;*.mpg;*.wmv;*.rm)");
    EXPECT_EQ(f.dialogs.shown[0].request.startFolder, "/music/two/");
}

TEST(FolderScan, CancelledDialogChangesNothingAndSaysNothing)
{
    ScanFixture f;
    f.setList({"/old/z.mp3"});
    f.touch("m/a.mp3");
    f.form.bofangmulu_Click(0);
    EXPECT_EQ(f.paths(), QStringList{"/old/z.mp3"});
    EXPECT_EQ(f.form.state.chosen_folder, "取消");
    EXPECT_TRUE(f.messages().isEmpty());
    EXPECT_TRUE(f.form.clicks.isEmpty());
}

TEST(FolderScan, NothingMatchingNamesTheFolder)
{
    ScanFixture f;
    f.setList({"/old/z.mp3"});
    f.touch("m/notes.txt");
    f.chooseFolder(f.m());
    f.form.bofangmulu_Click(2);
    EXPECT_EQ(f.messages(), QStringList{"\"" + f.m() + "\"文件夹中没有文件被选中!"});
    EXPECT_EQ(f.paths(), QStringList{"/old/z.mp3"});
}

TEST(FolderScan, EscDuringTheScanLeavesTheListAndNamesTheFolder)
{
    ScanFixture f;
    f.setList({"/old/z.mp3"});
    f.touch("m/a.mp3");
    f.chooseFolder(f.m());
    QTimer::singleShot(0, [&f] { f.form.state.scan_cancel = "取消"; });
    f.form.bofangmulu_Click(0);
    EXPECT_EQ(f.paths(), QStringList{"/old/z.mp3"});
    EXPECT_EQ(f.messages(), QStringList{"\"" + f.m() + "\"文件夹中没有文件被选中!"});
    EXPECT_EQ(f.form.state.scan_cancel, QString());
    EXPECT_TRUE(f.form.Timer1.isActive());
}

TEST(FolderScan, ListFilesFoundAreExpandedIntoTheirEntries)
{
    ScanFixture f;
    ASSERT_TRUE(ListFile::write(f.path("m/x/list.QMX"), {"/d/一.mp3", "", "/d/two.avi"}));
    f.chooseFolder(f.m());
    const QString text = FolderScan::fenxiangxuanzewenjian(f.parts(), 6, "播放目录");
    EXPECT_EQ(text, "/d/一.mp3\r\r/d/two.avi\r");
}

TEST(FolderScan, GarbageListFileEndsTheScan)
{
    ScanFixture f;
    f.putBytes("m/bad.qmx", QByteArray("\xff\xfe\x00\x81\r\n\x80", 7));
    f.chooseFolder(f.m());
    FolderScan::fenxiangxuanzewenjian(f.parts(), 6, "播放目录");
    EXPECT_EQ(f.form.state.chosen_folder, f.m());
}

TEST(FolderScan, CustomFilterUsesTheAnswer)
{
    ScanFixture f;
    f.touch("m/a.dat");
    f.touch("m/b.mp3");
    f.dialogs.answers.enqueue("*.dat");
    f.chooseFolder(f.m());
    EXPECT_EQ(FolderScan::fenxiangxuanzewenjian(f.parts(), 8, "增加目录"), f.m() + "/a.dat\r");
    EXPECT_EQ(f.dialogs.shown.last().title, "增加目录--自定义后缀(" + QString("*.dat") + ")");
}

TEST(FolderScan, EmptyCustomAnswerAsksNoFolder)
{
    ScanFixture f;
    f.form.bofangmulu_Click(8);
    ASSERT_EQ(f.dialogs.shown.size(), 1);
    EXPECT_EQ(f.dialogs.shown[0].kind, "input");
    EXPECT_TRUE(f.messages().isEmpty());
}

TEST(FolderScan, ShortcutItemLeavesFullScreenFirst)
{
    ScanFixture f;
    f.player1.setFullScreen(true);
    f.form.kuaijie_mulu_Click(0);
    EXPECT_FALSE(f.player1.fullScreen());
    EXPECT_EQ(f.dialogs.shown.size(), 1);
}

} // namespace
