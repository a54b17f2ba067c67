// Giving up entries that cannot be played: skip or report by the loop mode,
// the fail count, and the option "全部循环时禁止播放图片(&J)".
#include "playback_fixture.h"

#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "playback/loop_mode.h"
#include "playlist/playlist_entries.h"

#include <QThread>
#include <gtest/gtest.h>

namespace {

QString cannotPlay(const QString& path)
{
    return "'" + path + "' 不能播放或不存在!";
}

int attempts(const PlaybackFixture& f)
{
    return int(f.mci.sent.count("stop cd wait"));
}

bool noPicturesOption(const PlaybackFixture& f)
{
    return f.form.xuanxiang1.at(OptionsItem::NoPicturesInLoopAll).checked;
}

// A missing first entry followed by a playable one.
struct MissingCase {
    int loop;
    bool noPictures;
    int attempts;       // calls of liebiao_Click
    bool reported;
    int playingEntry;   // the checked entry afterwards
    friend void PrintTo(const MissingCase& c, std::ostream* os)
    {
        *os << c.loop << " " << c.noPictures << " " << c.attempts << " " << c.reported << " " << c.playingEntry;
    }
};

class MissingFile : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingFile, IsSkippedOrReportedByTheLoopMode)
{
    const MissingCase& c = GetParam();
    PlaybackFixture f;
    const QString gone = f.missing("gone.mp3");
    f.setList({gone, f.medium("next.mp3", 0, 0)});
    f.selectLoop(c.loop);
    f.setNoPicturesInLoopAll(c.noPictures);
    f.form.liebiao_Click(0);

    EXPECT_EQ(attempts(f), c.attempts);
    EXPECT_EQ(f.messages(), c.reported ? QStringList{cannotPlay(gone)} : QStringList{});
    EXPECT_EQ(f.form.state.display_mode, c.reported ? DisplayMode::Idle : DisplayMode::Audio);
    EXPECT_TRUE(f.form.liebiao[c.playingEntry].checked);
    EXPECT_FALSE(noPicturesOption(f)) << "a report always follows unchecking the option";
    EXPECT_EQ(f.form.state.fail_count, 0);
}

INSTANTIATE_TEST_SUITE_P(
    LoopModes, MissingFile,
    ::testing::Values(MissingCase{LoopMode::All, false, 2, false, 1},
                      MissingCase{LoopMode::RepeatOne, false, 1, true, 0},
                      MissingCase{LoopMode::None, false, 1, true, 0},
                      // outside loop-all the option is dropped and the entry tried once more
                      MissingCase{LoopMode::RepeatOne, true, 2, true, 0},
                      MissingCase{LoopMode::None, true, 2, true, 0}));

TEST(GivingUp, ThreeMissingFilesInLoopAllAreReportedOnceAfterTheFourthAttempt)
{
    PlaybackFixture f;
    const QStringList paths = {f.missing("1.mp3"), f.missing("2.mp3"), f.missing("3.mp3")};
    f.setList(paths);
    f.form.liebiao_Click(0);
    EXPECT_EQ(attempts(f), 4);
    EXPECT_EQ(f.messages(), QStringList{cannotPlay(paths.at(0))});
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Idle);
    EXPECT_EQ(f.form.state.fail_count, 0);
}

TEST(GivingUp, PicturesAreSkippedInLoopAllUntilOnlyPicturesAreLeft)
{
    PlaybackFixture f;
    f.setList({f.picture("1.png"), f.picture("2.png"), f.picture("3.png")});
    f.setNoPicturesInLoopAll(true);
    f.form.liebiao_Click(0);
    // 1, 2, 3, 1 refused: liebiao_max_index + 2 attempts; then the option
    // is unchecked and the checked entry shown.
    EXPECT_EQ(attempts(f), 5);
    EXPECT_FALSE(noPicturesOption(f));
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Picture);
    EXPECT_TRUE(f.form.liebiao[0].checked);
    EXPECT_TRUE(f.messages().isEmpty());
}

TEST(GivingUp, APictureIsPassedOverInLoopAllWithTheOption)
{
    PlaybackFixture f;
    f.setList({f.picture("1.png"), f.medium("2.mp4", 320, 240)});
    f.setNoPicturesInLoopAll(true);
    f.form.liebiao_Click(0);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Video);
    EXPECT_TRUE(f.form.liebiao[1].checked);
    EXPECT_TRUE(noPicturesOption(f));
}

TEST(GivingUp, TheOptionActsOnlyInLoopAll)
{
    PlaybackFixture f;
    f.setList({f.picture("1.png")});
    f.selectLoop(LoopMode::RepeatOne);
    f.setNoPicturesInLoopAll(true);
    f.form.liebiao_Click(0);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Picture);
    EXPECT_TRUE(noPicturesOption(f));
}

TEST(GivingUp, MediaOfAHundredHoursArePassedOverInLoopAllWithTheOption)
{
    PlaybackFixture f;
    f.setList({f.medium("long.mp3", 0, 0, 100 * 3600), f.medium("short.mp3", 0, 0, 99 * 3600)});
    f.setNoPicturesInLoopAll(true);
    f.form.liebiao_Click(0);
    EXPECT_TRUE(f.form.liebiao[1].checked);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Audio);
}

// Each entry of a long run of unplayable ones is opened after the one
// before has finished, not inside it: the run fits a small stack.
TEST(GivingUp, ALongRunOfMissingFilesNeedsNoDeepStack)
{
    constexpr int kEntries = 5000;
    int tried = 0;
    QStringList shown;
    QThread* thread = QThread::create([&] {
        PlaybackFixture f;
        QStringList paths;
        for (int i = 0; i < kEntries; ++i)
            paths << f.missing(QString("%1.mp3").arg(i));
        // Filled directly: the list writer's hourglass belongs to the GUI thread.
        PlaylistEntries::showPaths(f.form.liebiao, f.form.state.entry_dirs, f.form.xuanxiang1, paths);
        f.form.state.liebiao_max_index = kEntries - 1;
        f.form.liebiao_Click(0);
        tried = attempts(f);
        shown = f.messages();
    });
    thread->setStackSize(512 * 1024);
    thread->start();
    thread->wait();
    delete thread;
    EXPECT_EQ(tried, kEntries + 1);
    EXPECT_EQ(shown.size(), 1);
}

} // namespace
