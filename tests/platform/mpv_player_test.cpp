// The mpv player's states and readings on real media.
#include "platform/mpv_media_player.h"
#include "platform/player_waits.h"
#include "platform/test_media.h"

#include <QSignalSpy>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using Video = MpvPlayerOptions::Video;

MpvPlayerOptions silent(Video video = Video::Auto)
{
    return {video, {"ao=null"}};
}

struct Player {
    explicit Player(const MpvPlayerOptions& options = silent()) : player(&parent, options) {}
    QWidget parent;
    MpvMediaPlayer player;
};

TEST(MpvPlayer, ReadsFailWithNoMedium)
{
    Player p;
    EXPECT_EQ(p.player.videoOutput(), Video::Software); // Auto on the offscreen platform
    EXPECT_EQ(p.player.playState(), MediaPlayer::Undefined);
    EXPECT_EQ(p.player.url(), QString());
    EXPECT_FALSE(p.player.duration());
    EXPECT_FALSE(p.player.currentPosition());
    EXPECT_FALSE(p.player.imageSourceWidth());
    EXPECT_FALSE(p.player.imageSourceHeight());
    EXPECT_FALSE(p.player.setCurrentPosition(1.0));
}

struct MediumCase {
    const char* name;
    QString (*file)();
    int width;
    int height;
    friend void PrintTo(const MediumCase& c, std::ostream* os) { *os << c.name; }
};

class MpvMedium : public ::testing::TestWithParam<MediumCase> {};

// With mpv's own audio output: the sound server's, or none at all.
TEST_P(MpvMedium, OpensPlaysAndTellsItsSize)
{
    const MediumCase c = GetParam();
    const QString file = c.file();
    Player p(MpvPlayerOptions{});
    StateLog log(p.player);
    p.player.setUrl(file);
    EXPECT_EQ(p.player.url(), file);
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Playing));
    EXPECT_EQ(log.states, (std::vector<int>{MediaPlayer::Transitioning, MediaPlayer::Playing}));
    EXPECT_EQ(p.player.imageSourceWidth(), c.width);
    EXPECT_EQ(p.player.imageSourceHeight(), c.height);
    EXPECT_NEAR(p.player.duration().value_or(0), 3.0, 0.1);

    p.player.setUrl("");
    EXPECT_EQ(p.player.playState(), MediaPlayer::Undefined);
    EXPECT_FALSE(p.player.duration());
    EXPECT_FALSE(p.player.currentPosition());
    EXPECT_FALSE(p.player.imageSourceWidth());
}

INSTANTIATE_TEST_SUITE_P(Media, MpvMedium,
                         ::testing::Values(
                             MediumCase{"video", [] { return testMedia().video("v.mp4", 3); },
                                        320, 240},
                             MediumCase{"small_video",
                                        [] { return testMedia().video("s.mp4", 3, {160, 96}); },
                                        160, 96},
                             MediumCase{"audio", [] { return testMedia().tone("a.wav", 3); }, 0, 0},
                             MediumCase{"audio_with_cover",
                                        [] { return testMedia().toneWithCover("c.mp3", 3); }, 0,
                                        0}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(MpvPlayer, PauseAndPlaySwitchTheState)
{
    Player p;
    p.player.setUrl(testMedia().video("pause.mp4", 3));
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Playing));
    p.player.pause();
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Paused));
    p.player.play();
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Playing));
}

TEST(MpvPlayer, PausedBeforeOpeningStartsPaused)
{
    Player p;
    StateLog log(p.player);
    p.player.setUrl(testMedia().video("pause.mp4", 3));
    p.player.pause();
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Paused));
    EXPECT_EQ(log.states, (std::vector<int>{MediaPlayer::Transitioning, MediaPlayer::Paused}));
}

TEST(MpvPlayer, EndOfMediumIsReportedAndPlayStartsAgain)
{
    Player p;
    StateLog log(p.player);
    p.player.setUrl(testMedia().video("short.mp4", 1));
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::MediaEnded));
    // As the classic control: ended, then stopped with the medium kept.
    EXPECT_EQ(log.states, (std::vector<int>{MediaPlayer::Transitioning, MediaPlayer::Playing,
                                            MediaPlayer::MediaEnded, MediaPlayer::Stopped}));
    // The ended medium is still the player's: its readings stay.
    EXPECT_EQ(p.player.imageSourceWidth(), 320);
    EXPECT_NEAR(p.player.duration().value_or(0), 1.0, 0.1);
    EXPECT_EQ(p.player.currentPosition(), 0.0);

    p.player.play();
    EXPECT_EQ(p.player.playState(), MediaPlayer::Transitioning);
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Playing));
}

// The preview's progress knob seeks an ended medium and then plays it.
TEST(MpvPlayer, AnEndedMediumPlaysFromThePositionSetMeanwhile)
{
    Player p;
    p.player.setUrl(testMedia().tone("ended-seek.wav", 2));
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Stopped));
    ASSERT_TRUE(p.player.setCurrentPosition(1.5));
    EXPECT_DOUBLE_EQ(p.player.currentPosition().value_or(-1), 1.5);
    p.player.play();
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Playing));
    EXPECT_GE(p.player.currentPosition().value_or(0), 1.5);
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Stopped));
}

TEST(MpvPlayer, ReplacingAMediumReportsOnlyTheNewOne)
{
    Player p;
    QSignalSpy errors(&p.player, &MediaPlayer::MediaError);
    p.player.setUrl(testMedia().path("missing.mp4"));
    p.player.setUrl(testMedia().tone("replace.wav", 3));
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Playing));
    EXPECT_EQ(p.player.imageSourceWidth(), 0);
    p.player.setUrl(testMedia().video("replace.mp4", 3, {160, 120}));
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Playing));
    EXPECT_EQ(p.player.imageSourceWidth(), 160);
    EXPECT_EQ(errors.count(), 0);
}

struct ErrorCase {
    const char* name;
    QString (*file)();
    friend void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }
};

class MpvUnplayable : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(MpvUnplayable, ReportsAMediaErrorAndRecovers)
{
    Player p;
    QSignalSpy errors(&p.player, &MediaPlayer::MediaError);
    p.player.setUrl(GetParam().file());
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Ready, 10000));
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(p.player.duration(), 0.0);
    EXPECT_EQ(p.player.imageSourceWidth(), 0);
    EXPECT_EQ(p.player.imageSourceHeight(), 0);

    p.player.setUrl(testMedia().video("good.mp4", 3));
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Playing));
    EXPECT_EQ(errors.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MpvUnplayable,
    ::testing::Values(
        ErrorCase{"text",
                  [] { return testMedia().file("notes.mp4", "plain text, not a video\n"); }},
        ErrorCase{"missing", [] { return testMedia().path("nowhere/missing.mp4"); }},
        // mpv opens these, tells a length (and a picture size), then fails.
        ErrorCase{"cut_streamable_video",
                  [] {
                      return testMedia().cutOff("cut.mp4",
                                                testMedia().streamableVideo("whole.mp4", 2), 0.125);
                  }},
        ErrorCase{"words_as_jpg", [] { return testMedia().file("words.jpg", "some words\n"); }}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(MpvPlayer, SeekingMovesThePosition)
{
    Player p;
    p.player.setUrl(testMedia().video("seek.mp4", 3));
    p.player.pause();
    ASSERT_TRUE(waitForState(p.player, MediaPlayer::Paused));
    EXPECT_NEAR(p.player.currentPosition().value_or(-1), 0.0, 0.05);
    ASSERT_TRUE(p.player.setCurrentPosition(2.0));
    EXPECT_DOUBLE_EQ(p.player.currentPosition().value_or(-1), 2.0);
    EXPECT_FALSE(p.player.setCurrentPosition(std::nan("")));
}

} // namespace
