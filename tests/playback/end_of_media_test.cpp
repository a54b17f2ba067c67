// The end of a medium or of a CD track, and what plays next.
#include "playback_fixture.h"

#include "core/display_mode.h"
#include "core/flags.h"
#include "playback/loop_mode.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct EndCase {
    int loop;
    int playing;
    int next; // -1: nothing starts
    friend void PrintTo(const EndCase& c, std::ostream* os)
    {
        *os << c.loop << " " << c.playing << " " << c.next;
    }
};

class EndOfMedium : public ::testing::TestWithParam<EndCase> {};

TEST_P(EndOfMedium, PlaysTheNextEntryByTheLoopMode)
{
    const EndCase& c = GetParam();
    PlaybackFixture f;
    f.setList({f.medium("0.mp3", 0, 0), f.medium("1.mp3", 0, 0), f.medium("2.mp3", 0, 0)});
    f.selectLoop(c.loop);
    f.form.liebiao_Click(c.playing);
    const int opens = f.player1.opens;

    f.player1.report(MediaPlayer::MediaEnded);
    EXPECT_EQ(f.form.state.media_ended, Flag::MediaEnded);
    f.tick();
    EXPECT_TRUE(f.form.state.media_ended.isEmpty());
    if (c.next < 0) {
        EXPECT_EQ(f.player1.opens, opens);
        EXPECT_TRUE(f.player1.url().isEmpty());
        EXPECT_EQ(f.form.state.display_mode, DisplayMode::Audio);
        f.tick();
        EXPECT_TRUE(f.ditiao.caption().endsWith("00:00:00/00:00:00")) << "the player holds nothing";
    } else {
        EXPECT_EQ(f.player1.opens, opens + 1);
        EXPECT_TRUE(f.form.liebiao[c.next].checked);
        EXPECT_EQ(f.player1.url(), f.form.state.lincunwei_weijian_mingcheng);
    }
}

INSTANTIATE_TEST_SUITE_P(LoopModes, EndOfMedium,
                         ::testing::Values(EndCase{LoopMode::All, 1, 2}, EndCase{LoopMode::All, 2, 0},
                                           EndCase{LoopMode::RepeatOne, 1, 1},
                                           EndCase{LoopMode::None, 1, -1}));

TEST(EndOfMedium, OnlyTheEndedStateMarksTheEnd)
{
    PlaybackFixture f;
    f.setList({f.medium("0.mp3", 0, 0)});
    f.form.liebiao_Click(0);
    for (MediaPlayer::PlayState state : {MediaPlayer::Paused, MediaPlayer::Stopped, MediaPlayer::Ready})
        f.player1.report(state);
    EXPECT_TRUE(f.form.state.media_ended.isEmpty());
}

TEST(EndOfMedium, AnInvisibleNextEntryWrapsToTheFirst)
{
    PlaybackFixture f;
    f.setList({f.medium("0.mp3", 0, 0), f.medium("1.mp3", 0, 0), f.medium("2.mp3", 0, 0)});
    f.form.liebiao_Click(1);
    f.form.liebiao[2].visible = false;
    f.player1.report(MediaPlayer::MediaEnded);
    f.form.shijian6();
    EXPECT_TRUE(f.form.liebiao[0].checked);
}

// A loop-all list of three CD tracks, track 3 (the last entry) playing.
struct CdFixture : PlaybackFixture {
    CdFixture()
    {
        QStringList tracks;
        for (int i = 1; i <= 3; ++i)
            tracks << dir.filePath(QString("Track%1.cda").arg(i, 2, 10, QChar('0')));
        setList(tracks);
        mci.replies["status cd number of tracks wait"] = "3";
        form.liebiao_Click(2);
        mci.sent.clear();
    }
};

struct CdEndCase {
    const char* position; // reply to "status cd position"
    const char* times;    // the status line's last 17 characters
    bool ended;
    friend void PrintTo(const CdEndCase& c, std::ostream* os)
    {
        *os << c.position << " " << c.times << " " << c.ended;
    }
};

class CdTrackEnd : public ::testing::TestWithParam<CdEndCase> {};

TEST_P(CdTrackEnd, StopsTheDiscAndPlaysTheNextEntry)
{
    CdFixture f;
    ASSERT_EQ(f.form.state.display_mode, DisplayMode::Cd);
    f.mci.replies["status cd position"] = GetParam().position;
    f.ditiao.setCaption(QString("正在播放...--第3首/总3首   ") + GetParam().times);
    f.form.shijian6();
    if (GetParam().ended) {
        EXPECT_EQ(f.mci.sent.mid(0, 3),
                  (QStringList{"status cd position", "stop cd wait", "seek cd to 1 wait"}));
        EXPECT_TRUE(f.form.liebiao[0].checked);
        EXPECT_TRUE(f.mci.sent.contains("seek cd to 1"));
    } else {
        EXPECT_EQ(f.mci.sent, QStringList{"status cd position"});
        EXPECT_TRUE(f.form.liebiao[2].checked);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CdTrackEnd,
    ::testing::Values(CdEndCase{"03:04:10:00", "00:04:10/00:04:10", true},
                      CdEndCase{"03:00:02:00", "00:00:02/00:00:02", true},
                      CdEndCase{"03:00:01:00", "00:00:01/00:00:01", false},
                      CdEndCase{"03:04:09:00", "00:04:09/00:04:10", false},
                      CdEndCase{"04:00:01:00", "00:00:01/00:03:00", true}));

TEST(CdTrackEnd, AFailingQueryKeepsTheLastTrack)
{
    CdFixture f;
    f.form.state.cd_track = 3;
    f.mci.replies["status cd position"] = "";
    f.ditiao.setCaption("正在播放...00:01:00/00:04:10");
    f.form.shijian6();
    EXPECT_EQ(f.form.state.cd_track, 3);
    EXPECT_TRUE(f.form.liebiao[2].checked);
}

TEST(PlayerEvents, ALeftClickPausesAndResumes)
{
    PlaybackFixture f;
    f.setList({f.medium("v.mp4", 320, 240)});
    f.form.liebiao_Click(0);
    emit f.player1.Click(1);
    EXPECT_EQ(f.player1.playState(), MediaPlayer::Paused);
    emit f.player1.Click(1);
    EXPECT_EQ(f.player1.playState(), MediaPlayer::Playing);
    emit f.player1.Click(2);
    EXPECT_EQ(f.player1.playState(), MediaPlayer::Playing);
    EXPECT_EQ(f.form.calls.count("hoverReset"), 3);
}

TEST(PlayerEvents, TheRightButtonPopsUpTheShortcutMenuInsteadOfThePlayers)
{
    PlaybackFixture f;
    emit f.player1.MouseUp(2, 0, 100, 100);
    EXPECT_EQ(f.form.calls.count("popupShortcutMenu"), 1);
    EXPECT_FALSE(f.player1.contextMenu_);
    EXPECT_TRUE(f.player2.contextMenu_);
    emit f.player2.MouseUp(2, 0, 100, 100);
    EXPECT_EQ(f.form.calls.count("popupShortcutMenu"), 2);
    EXPECT_FALSE(f.player2.contextMenu_);
    emit f.player2.MouseUp(1, 0, 100, 100);
    EXPECT_EQ(f.form.calls.count("popupShortcutMenu"), 2);
}

TEST(PlayerEvents, TheMiddleButtonPausesAndResumesOnlyAVideo)
{
    PlaybackFixture f;
    f.setList({f.medium("v.mp4", 320, 240), f.medium("a.mp3", 0, 0)});
    f.form.liebiao_Click(0);
    emit f.player1.MouseUp(4, 0, 0, 0);
    EXPECT_EQ(f.player1.playState(), MediaPlayer::Paused);
    emit f.player1.MouseUp(4, 0, 0, 0);
    EXPECT_EQ(f.player1.playState(), MediaPlayer::Playing);
    f.form.liebiao_Click(1);
    emit f.player1.MouseUp(4, 0, 0, 0);
    EXPECT_EQ(f.player1.playState(), MediaPlayer::Playing);
}

TEST(PlayerEvents, AMediaErrorIsMarkedAndPointerMovesResetTheHover)
{
    PlaybackFixture f;
    emit f.player1.MediaError();
    EXPECT_EQ(f.form.state.media_error, Flag::MediaError);
    emit f.player1.MouseMove(0, 0, 1, 1);
    emit f.player2.MouseMove(0, 0, 1, 1);
    EXPECT_EQ(f.form.calls.count("hoverReset"), 2);
}

struct StepCase {
    const char* direction;
    double from;
    double to; // the seek target of the first tick; negative: no seek
    friend void PrintTo(const StepCase& c, std::ostream* os)
    {
        *os << c.direction << " " << c.from << " " << c.to;
    }
};

class StepRepeat : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepRepeat, MovesOnePercentPerTickWithinTheMedium)
{
    PlaybackFixture f;
    EXPECT_FALSE(f.form.Timer3.isActive());
    EXPECT_EQ(f.form.Timer3.interval(), 200);
    f.form.state.length_ms = 100000;
    f.form.state.position_ms = GetParam().from;
    f.form.state.step_direction = GetParam().direction;
    f.form.Timer3.start();
    if (GetParam().to >= 0) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f.form.seekTargets.isEmpty(); }));
        EXPECT_EQ(f.form.seekTargets.first(), GetParam().to);
    } else {
        QTest::qWait(450);
        EXPECT_TRUE(f.form.seekTargets.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, StepRepeat,
                         ::testing::Values(StepCase{"1", 50000, 51000},
                                           StepCase{"1", 99500, 100000},
                                           StepCase{"0", 500, 0},
                                           StepCase{"2", 500, 500},
                                           StepCase{"", 500, -1}));

} // namespace
