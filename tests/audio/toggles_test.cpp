#include "audio_fixture.h"

#include "core/display_mode.h"
#include "core/flags.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

TEST(MuteToggle, FlipsTheSwitchMarkAndPictureAndSendsTheMute)
{
    AudioFixture f;
    f.makeTogglePictures();
    f.useEndpoint();
    f.form.xuan_Click(0);
    EXPECT_EQ(f.form.state.mute_state, Flag::Selected);
    EXPECT_TRUE(f.form.yinping1[0].checked);
    EXPECT_EQ(f.form.xuan[0].picture().pixel(0, 0), kSelectedColour);
    EXPECT_TRUE(f.system.endpointDevice.muted);
    EXPECT_EQ(f.form.refreshes.size(), 2);

    f.form.xuan_Click(0);
    EXPECT_EQ(f.form.state.mute_state, QString());
    EXPECT_FALSE(f.form.yinping1[0].checked);
    EXPECT_EQ(f.form.xuan[0].picture().pixel(0, 0), kUnselectedColour);
    EXPECT_FALSE(f.system.endpointDevice.muted);
}

TEST(MuteToggle, WithoutSkinPicturesStillSwitches)
{
    AudioFixture f;
    f.form.xuan_Click(0);
    EXPECT_EQ(f.form.state.mute_state, Flag::Selected);
    EXPECT_TRUE(f.form.xuan[0].picture().isNull());
}

TEST(TimesTenToggle, OnlyFlipsItsSwitchAndPicture)
{
    AudioFixture f;
    f.makeTogglePictures();
    f.form.xuan_Click(2);
    EXPECT_EQ(f.form.state.speed_x10_state, Flag::Selected);
    EXPECT_EQ(f.form.xuan[2].picture().pixel(0, 0), kSelectedColour);
    f.form.xuan_Click(2);
    EXPECT_EQ(f.form.state.speed_x10_state, QString());
    EXPECT_EQ(f.form.xuan[2].picture().pixel(0, 0), kUnselectedColour);
    EXPECT_TRUE(f.form.refreshes.isEmpty());
    EXPECT_TRUE(f.system.mixerDevice.changes.isEmpty());
}

struct NoVideoCase {
    const char* name;
    int width;
    const char* status;
    friend void PrintTo(const NoVideoCase& c, std::ostream* os) { *os << c.name; }
};

class VariableSpeedWithoutVideo : public ::testing::TestWithParam<NoVideoCase> {};

TEST_P(VariableSpeedWithoutVideo, SwitchesStraightBackOff)
{
    const NoVideoCase c = GetParam();
    AudioFixture f;
    f.makeTogglePictures();
    if (c.width >= 0)
        f.player1.load("/m/a.file", c.width, c.width * 3 / 4, 60);
    f.ditiao.setCaption(QString::fromUtf8(c.status));
    f.form.refreshes.clear();
    f.form.xuan_Click(1);
    EXPECT_EQ(f.form.state.varispeed_state, QString());
    EXPECT_EQ(f.form.xuan[1].picture().pixel(0, 0), kUnselectedColour);
    EXPECT_TRUE(f.form.refreshes.isEmpty()) << "the next status refresh applies the rate";
}

INSTANTIATE_TEST_SUITE_P(
    Media, VariableSpeedWithoutVideo,
    ::testing::Values(NoVideoCase{"NothingOpen", -1, "停止"},
                      NoVideoCase{"SoundOnly", 0, "正在播放...  00:00:10/00:01:00"},
                      NoVideoCase{"NoLengthYet", 320, "正在播放...  00:00:00/00:00:00"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(VariableSpeedToggle, OnAPlayingVideoStaysOnAndRemembersToResume)
{
    AudioFixture f;
    f.player1.load("/m/v.mp4", 320, 240, 60);
    f.ditiao.setCaption("正在播放...  00:00:10/00:01:00");
    f.form.xuan_Click(1);
    EXPECT_EQ(f.form.state.varispeed_state, Flag::Selected);
    EXPECT_EQ(f.form.state.varispeed_resume, "播放");
}

TEST(VariableSpeedToggle, SwitchedOffResumesAVideoThatWasPlaying)
{
    AudioFixture f;
    f.player1.load("/m/v.mp4", 320, 240, 60);
    f.ditiao.setCaption("正在播放...  00:00:10/00:01:00");
    f.form.xuan_Click(1);
    f.player1.pause();
    f.form.xuan_Click(1);
    EXPECT_EQ(f.form.state.varispeed_state, QString());
    EXPECT_EQ(f.player1.playState(), MediaPlayer::Playing);
}

TEST(VariableSpeedToggle, SwitchedOffLeavesAVideoThatWasPaused)
{
    AudioFixture f;
    f.player1.load("/m/v.mp4", 320, 240, 60);
    f.player1.pause();
    f.ditiao.setCaption("暂停...  00:00:10/00:01:00");
    f.form.xuan_Click(1);
    EXPECT_EQ(f.form.state.varispeed_resume, QString());
    f.form.xuan_Click(1);
    EXPECT_EQ(f.player1.playState(), MediaPlayer::Paused);
}

} // namespace
