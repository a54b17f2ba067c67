// The Control menu, its play points, the CD seek, and previous/next/replay.
#include "playback_fixture.h"

#include "core/display_mode.h"
#include "core/flags.h"
#include "core/designed_menus.h"
#include "doubles/missing_operations.h"

#include <gtest/gtest.h>

namespace {

// A medium of 100 s open in the main player.
struct TransportFixture : PlaybackFixture {
    TransportFixture()
    {
        setList({medium("0.mp4", 320, 240, 100), medium("1.mp3", 0, 0), medium("2.mp3", 0, 0)});
        form.liebiao_Click(0);
        form.state.length_ms = 100000;
    }
};

struct StepCase {
    int command;
    double from;
    double to;
    friend void PrintTo(const StepCase& c, std::ostream* os)
    {
        *os << c.command << " " << c.from << " " << c.to;
    }
};

class ForwardBack : public ::testing::TestWithParam<StepCase> {};

TEST_P(ForwardBack, MoveByATwentiethWithinTheMedium)
{
    TransportFixture f;
    f.form.state.position_ms = GetParam().from;
    f.form.kongzhi1_Click(GetParam().command);
    EXPECT_EQ(f.form.state.position_ms, GetParam().to);
    EXPECT_EQ(f.player1.currentPosition().value_or(-1), GetParam().to / 1000);
}

INSTANTIATE_TEST_SUITE_P(Table, ForwardBack,
                         ::testing::Values(StepCase{4, 98000, 100000}, StepCase{4, 10000, 15000},
                                           StepCase{5, 3000, 0}, StepCase{5, 50000, 45000}));

TEST(Transport, ForwardFiveTimesFromTheStartReachesAQuarter)
{
    TransportFixture f;
    f.form.state.position_ms = 0;
    for (int i = 0; i < 5; ++i)
        f.form.kongzhi1_Click(4);
    EXPECT_EQ(f.form.state.position_ms, 25000);
}

TEST(Transport, PlayPauseAndStop)
{
    TransportFixture f;
    f.form.kongzhi1_Click(1);
    EXPECT_EQ(f.player1.playState(), MediaPlayer::Paused);
    f.form.kongzhi1_Click(0);
    EXPECT_EQ(f.player1.playState(), MediaPlayer::Playing);
    f.form.kongzhi1_Click(2);
    EXPECT_TRUE(f.player1.url().isEmpty());
    EXPECT_FALSE(f.player1.isVisible());
    EXPECT_TRUE(f.picture1.isVisible());
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Idle);
    EXPECT_TRUE(f.form.calls.contains("kaishihuamian"));
    EXPECT_FALSE(f.mci.sent.contains("pause cd wait"));
}

TEST(Transport, PlayWithoutAMediumReplaysTheCheckedEntry)
{
    TransportFixture f;
    f.form.liebiao_Click(1);
    f.form.kongzhi1_Click(2);
    const int opens = f.player1.opens;
    f.form.kongzhi1_Click(0);
    EXPECT_EQ(f.player1.opens, opens + 1);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Audio);
    EXPECT_TRUE(f.form.kuaijiecaidan1[9].checked);
}

TEST(Transport, CommandsInTheCdModeGoToTheDisc)
{
    TransportFixture f;
    f.form.kongzhi1_Click(2);
    f.form.state.display_mode = DisplayMode::Cd;
    f.mci.sent.clear();
    f.form.kongzhi1_Click(1);
    f.form.kongzhi1_Click(0);
    f.form.kongzhi1_Click(2);
    EXPECT_EQ(f.mci.sent,
              (QStringList{"pause cd wait", "play cd", "stop cd wait", "seek cd to 1 wait"}));
}

TEST(Transport, PauseOnAPictureDoesNothing)
{
    PlaybackFixture f;
    f.setList({f.picture("p.png")});
    f.form.liebiao_Click(0);
    f.mci.sent.clear();
    f.form.kongzhi1_Click(1);
    EXPECT_TRUE(f.mci.sent.isEmpty());
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Picture);
}

TEST(Transport, VariableSpeedIsSwitchedOffByTheCommandsUpToBack)
{
    const RecordMissingOperations missing; // 6 is a separator
    for (int index : {0, 1, 2, 4, 5, 6, ControlItem::PlayPoints}) {
        TransportFixture f;
        f.form.state.varispeed_state = Flag::Selected;
        f.form.calls.clear();
        f.form.kongzhi1_Click(index);
        EXPECT_EQ(f.form.calls.contains("xuan_Click:1"), index < 6) << index;
    }
    EXPECT_EQ(missing.names(), QStringList({"kongzhi1[6]"}));
    TransportFixture f;
    f.form.state.varispeed_state = Flag::Selected;
    f.form.calls.clear();
    f.form.baifenbi_Click(5);
    EXPECT_FALSE(f.form.calls.contains("xuan_Click:1"));
}

struct CdSeekCase {
    int track;
    const char* status;
    QStringList commands;
    friend void PrintTo(const CdSeekCase& c, std::ostream* os)
    {
        *os << c.track << " " << c.status << " " << c.commands.join(",").toStdString();
    }
};

class CdSeek : public ::testing::TestWithParam<CdSeekCase> {};

TEST_P(CdSeek, AddsTheLengthsOfTheTracksBefore)
{
    PlaybackFixture f;
    f.form.state.display_mode = DisplayMode::Cd;
    f.form.state.cd_track = GetParam().track;
    f.form.state.length_ms = 100000;
    f.form.state.position_ms = 0;
    f.mci.replies["status cd length track 1"] = "180000";
    f.mci.replies["status cd length track 2"] = "200000";
    f.ditiao.setCaption(GetParam().status);
    f.form.kongzhi1_Click(4);
    EXPECT_EQ(f.mci.sent, GetParam().commands);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CdSeek,
    ::testing::Values(
        CdSeekCase{3, "正在播放...--第3首/总3首",
                   {"set cd time format milliseconds", "status cd length track 1",
                    "status cd length track 2", "play cd from 385000", "set cd time format tmsf"}},
        CdSeekCase{3, " 暂停播放  --第3首/总3首",
                   {"set cd time format milliseconds", "status cd length track 1",
                    "status cd length track 2", "seek cd to 385000", "set cd time format tmsf"}},
        CdSeekCase{1, "正在播放...",
                   {"set cd time format milliseconds", "play cd from 5000",
                    "set cd time format tmsf"}}));

struct PointCase {
    int index;
    QStringList answers;
    int asked;
    double position; // -1: no seek
    friend void PrintTo(const PointCase& c, std::ostream* os)
    {
        *os << c.index << " " << c.answers.join(",").toStdString() << " " << c.asked << " " << c.position;
    }
};

class PlayPoints : public ::testing::TestWithParam<PointCase> {};

TEST_P(PlayPoints, SeekToTheChosenPercentage)
{
    TransportFixture f;
    f.form.state.length_ms = 240000;
    f.form.state.position_ms = 1234;
    for (const QString& a : GetParam().answers)
        f.dialogs.answers.enqueue(a);
    f.form.baifenbi_Click(GetParam().index);
    ASSERT_EQ(f.dialogs.shown.size(), GetParam().asked);
    for (const auto& shown : f.dialogs.shown) {
        EXPECT_EQ(shown.kind, "input");
        EXPECT_EQ(shown.text, "\r   请选择播放点(1-100)%:");
        EXPECT_TRUE(shown.title.isEmpty());
        EXPECT_TRUE(shown.defaultText.isEmpty());
    }
    if (GetParam().position < 0) {
        EXPECT_TRUE(f.form.seekTargets.isEmpty());
        EXPECT_EQ(f.form.state.position_ms, 1234);
    } else {
        EXPECT_EQ(f.form.seekTargets, QList<double>{GetParam().position});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlayPoints,
    ::testing::Values(PointCase{0, {}, 0, 0}, PointCase{5, {}, 0, 120000},
                      PointCase{9, {}, 0, 216000}, PointCase{10, {"25"}, 1, 60000},
                      PointCase{10, {"0", "101", "abc", "25"}, 4, 60000},
                      PointCase{10, {"12.5%"}, 1, 30000}, PointCase{10, {" 100 "}, 1, 240000},
                      PointCase{10, {""}, 1, -1}, PointCase{10, {"0", ""}, 2, -1},
                      PointCase{11, {}, 0, -1}));

struct NavCase {
    int item;
    int checked; // -1: none
    int played;  // -1: nothing
    friend void PrintTo(const NavCase& c, std::ostream* os)
    {
        *os << c.item << " " << c.checked << " " << c.played;
    }
};

class Navigation : public ::testing::TestWithParam<NavCase> {};

TEST_P(Navigation, PlaysRoundTheListEnds)
{
    TransportFixture f;
    f.form.liebiao[0].checked = false;
    if (GetParam().checked >= 0)
        f.form.liebiao[GetParam().checked].checked = true;
    const int opens = f.player1.opens;
    f.form.kuaijiecaidan1_Click(GetParam().item);
    for (int i : {7, 8, 9})
        EXPECT_EQ(f.form.kuaijiecaidan1[i].checked, i == GetParam().item);
    if (GetParam().played < 0) {
        EXPECT_EQ(f.player1.opens, opens);
    } else {
        EXPECT_EQ(f.player1.opens, opens + 1);
        EXPECT_TRUE(f.form.liebiao[GetParam().played].checked);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Navigation,
                         ::testing::Values(NavCase{7, 0, 2}, NavCase{7, 2, 1}, NavCase{8, 2, 0},
                                           NavCase{8, -1, 1}, NavCase{9, 1, 1},
                                           NavCase{9, -1, -1}));

} // namespace
