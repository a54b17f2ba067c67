// The status line: state texts, entry counter, padding, times, and the
// seek values kept beside it.
#include "playback_fixture.h"

#include "core/display_mode.h"
#include "core/flags.h"
#include "playlist/playlist_entries.h"

#include <gtest/gtest.h>

namespace {

// A fixture with twelve entries, entry 3 checked, and a window whose outer
// width gives the wanted number of blanks.
struct StatusFixture : PlaybackFixture {
    explicit StatusFixture(double width = 8520) : outerWidth(width)
    {
        QStringList paths;
        for (int i = 1; i <= 12; ++i)
            paths << dir.filePath(QString("%1.mp3").arg(i));
        PlaylistEntries::showPaths(form.liebiao, form.state.entry_dirs, form.xuanxiang1, paths);
        form.state.liebiao_max_index = 11;
        PlaylistEntries::checkOnly(form.liebiao, 2);
    }

    // The main player holding a medium at a position.
    void playing(double position, double length, int width = 0, MediaPlayer::PlayState state = MediaPlayer::Playing)
    {
        player1.load("m", width, width * 3 / 4, length);
        player1.setCurrentPosition(position);
        player1.report(state);
        form.state.display_mode = width > 0 ? DisplayMode::Video : DisplayMode::Audio;
    }

    // The display refresh keeps the window at least 8520 wide: the width is
    // set just before the line is made.
    QString line()
    {
        window.clientWidth = outerWidth - FakeWindowFrame::kBorderWidth;
        form.shijian3();
        return ditiao.caption();
    }

    double outerWidth;
};

const QString kCounter = "--第3首/总12首";

TEST(StatusLine, PlayingAudioWithCounterPaddingAndTimes)
{
    StatusFixture f(8520);
    f.playing(75, 3725);
    EXPECT_EQ(f.line(), "正在播放..." + kCounter + QString(31, ' ') + "00:01:15/01:02:05");
}

struct StateCase {
    MediaPlayer::PlayState playState;
    const char* text;
    friend void PrintTo(const StateCase& c, std::ostream* os)
    {
        *os << int(c.playState) << " " << c.text;
    }
};

class PlayerStates : public ::testing::TestWithParam<StateCase> {};

TEST_P(PlayerStates, GiveTheirStateText)
{
    StatusFixture f(3900);
    f.playing(0, 60, 0, GetParam().playState);
    EXPECT_EQ(f.line(), QString::fromUtf8(GetParam().text) + kCounter + "00:00:00/00:01:00");
}

INSTANTIATE_TEST_SUITE_P(Table, PlayerStates,
                         ::testing::Values(StateCase{MediaPlayer::Playing, "正在播放..."},
                                           StateCase{MediaPlayer::Paused, " 暂停播放  "},
                                           StateCase{MediaPlayer::Buffering, " 正在缓冲  "},
                                           StateCase{MediaPlayer::Transitioning, " 正在连接  "},
                                           StateCase{MediaPlayer::Ready, " 准备就绪  "},
                                           StateCase{MediaPlayer::Stopped, " 停止播放  "},
                                           StateCase{MediaPlayer::MediaEnded, " 停止播放  "}));

struct SpeedCase {
    double sudu;
    bool times10;
    const char* text;
    friend void PrintTo(const SpeedCase& c, std::ostream* os)
    {
        *os << c.sudu << " " << c.times10 << " " << c.text;
    }
};

class VariableSpeed : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(VariableSpeed, ShowsTheRateInsteadOfTheState)
{
    StatusFixture f(3900);
    f.playing(0, 60);
    f.form.state.varispeed_state = Flag::Selected;
    f.form.state.sudu_shu = GetParam().sudu;
    f.form.state.speed_x10_state = GetParam().times10 ? Flag::Selected : QString();
    EXPECT_EQ(f.line(), QString::fromUtf8(GetParam().text) + kCounter + "00:00:00/00:01:00");
}

INSTANTIATE_TEST_SUITE_P(Table, VariableSpeed,
                         ::testing::Values(SpeedCase{150, false, "  1.50倍速 "},
                                           SpeedCase{1000, true, "100.00倍速 "},
                                           SpeedCase{0, false, "  0.00倍速 "}));

struct PictureCase {
    QString mode;
    double frameWidth;
    double naturalWidth;
    const char* left;
    friend void PrintTo(const PictureCase& c, std::ostream* os)
    {
        *os << c.mode.toStdString() << " " << c.frameWidth << " " << c.naturalWidth << " " << c.left;
    }
};

class PictureTexts : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureTexts, ShowTheZoom)
{
    StatusFixture f(3900);
    f.form.state.display_mode = GetParam().mode;
    f.picture1.setWidth(GetParam().frameWidth);
    f.image2.setWidth(GetParam().naturalWidth);
    EXPECT_EQ(f.line(), QString::fromUtf8(GetParam().left) + kCounter + "00:00:00/00:00:00");
}

INSTANTIATE_TEST_SUITE_P(
    Table, PictureTexts,
    ::testing::Values(PictureCase{DisplayMode::Picture, 3000, 6000, " 显示图片( 50%)"},
                      PictureCase{DisplayMode::Picture, 6000, 6000, " 显示图片( 100%)"},
                      PictureCase{DisplayMode::Zoom, 6000, 3000, " 缩放图片( 200%)"},
                      PictureCase{DisplayMode::Picture, 6000, 0, " 显示图片"},
                      PictureCase{DisplayMode::Idle, 6000, 3000, " 准备就绪  "}));

TEST(StatusLine, NoCheckedEntryLeavesTheCounterOut)
{
    StatusFixture f(3900);
    f.form.liebiao[2].checked = false;
    f.form.state.display_mode = DisplayMode::Idle;
    EXPECT_EQ(f.line(), " 准备就绪  00:00:00/00:00:00");
}

TEST(StatusLine, ANarrowWindowGetsNoBlanks)
{
    StatusFixture f(3000);
    f.form.state.display_mode = DisplayMode::Idle;
    EXPECT_EQ(f.line(), " 准备就绪  " + kCounter + "00:00:00/00:00:00");
}

TEST(StatusLine, AHundredHoursOrMoreShowNoTimes)
{
    StatusFixture f(3900);
    f.playing(360005, 400000);
    EXPECT_TRUE(f.line().endsWith("00:00:00/00:00:00"));
    f.playing(359999, 359999.5);
    EXPECT_TRUE(f.line().endsWith("99:59:59/99:59:59"));
}

TEST(StatusLine, TheCdModeReadsTimesAndStateFromTheDevice)
{
    StatusFixture f(3900);
    f.form.state.display_mode = DisplayMode::Cd;
    f.mci.replies["status cd position"] = "02:01:15:33";
    f.mci.replies["status cd length track 02"] = "04:10:20";
    f.mci.replies["status cd mode"] = "playing";
    EXPECT_EQ(f.line(), "正在播放..." + kCounter + "00:01:15/00:04:10");
    EXPECT_EQ(f.form.state.position_ms, 75 * 1000);
    EXPECT_EQ(f.form.state.length_ms, 250 * 1000);

    f.mci.replies["status cd mode"] = "paused";
    EXPECT_TRUE(f.line().startsWith(" 暂停播放  "));
    f.mci.replies["status cd position"] = "02:00:00:00";
    EXPECT_TRUE(f.line().startsWith(" 停止播放  "));
}

TEST(StatusLine, WithoutADiscTheCdTimesStayShort)
{
    StatusFixture f(3900);
    f.form.state.display_mode = DisplayMode::Cd;
    f.mci.failAll = true;
    EXPECT_EQ(f.line(), " 暂停播放  " + kCounter + "00:/00:");
    EXPECT_EQ(f.form.state.length_ms, 10000) << "a zero length stands in as 10 s";
}

TEST(SeekValues, TheLengthFollowsTheMediumOnlyBeyondThreeSeconds)
{
    StatusFixture f;
    f.playing(10, 200);
    f.line();
    EXPECT_EQ(f.form.state.length_ms, 200000);
    f.playing(10, 202.5);
    f.line();
    EXPECT_EQ(f.form.state.length_ms, 200000);
    f.playing(10, 204);
    f.line();
    EXPECT_EQ(f.form.state.length_ms, 204000);
    EXPECT_EQ(f.form.state.position_ms, 10000);
}

TEST(SeekValues, NoLengthAndStreamsStandInAsTenSeconds)
{
    StatusFixture f;
    f.playing(0, 0);
    f.line();
    EXPECT_EQ(f.form.state.length_ms, 10000);
    f.playing(5, 1000000);
    f.line();
    EXPECT_EQ(f.form.state.length_ms, 10000);
    EXPECT_EQ(f.form.state.position_ms, 0) << "the length text is 00:00:00";
}

TEST(SeekValues, TheRateFollowsTheSpeedOnlyForAVideoWithVariableSpeed)
{
    StatusFixture f;
    f.form.state.sudu_shu = 150;
    f.playing(0, 60, 320);
    f.line();
    f.form.state.varispeed_state = Flag::Selected;
    f.line();
    f.form.state.speed_x10_state = Flag::Selected;
    f.line();
    f.playing(0, 60, 0);
    f.line();
    EXPECT_EQ(f.player1.rates, (QList<double>{1.0, 1.5, 15.0, 1.0}));
}

} // namespace
