// What the mpv player's rate, balance and seeking do to the sound that comes
// out, caught in a WAV file by mpv's PCM output.
#include "platform/mpv_media_player.h"
#include "platform/player_waits.h"
#include "platform/test_media.h"
#include "platform/wav_sound.h"

#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Plays a file to its end and returns the sound that came out. Without a
// picture the PCM output runs as fast as it can; float samples keep even a
// channel lowered by 100 dB measurable.
WavSound soundOf(const QString& file, const std::function<void(MediaPlayer&)>& prepare,
                 const std::function<void(MediaPlayer&)>& whenPaused = {})
{
    static int run = 0;
    const QString out = testMedia().path(QString("out%1.wav").arg(++run));
    {
        QWidget parent;
        MpvMediaPlayer player(&parent, {MpvPlayerOptions::Video::None,
                                        {"ao=pcm", "ao-pcm-file=" + out, "audio-format=float"}});
        prepare(player);
        player.setUrl(file);
        if (whenPaused) {
            player.pause();
            EXPECT_TRUE(waitForState(player, MediaPlayer::Paused));
            whenPaused(player);
            player.play();
        }
        EXPECT_TRUE(waitForState(player, MediaPlayer::MediaEnded));
    } // the PCM file is complete once the player is gone
    const std::optional<WavSound> sound = readWav(out);
    EXPECT_TRUE(sound.has_value()) << out.toStdString();
    return sound.value_or(WavSound{});
}

struct RateCase {
    double rate;
    double seconds;
    friend void PrintTo(const RateCase& c, std::ostream* os) { *os << "rate " << c.rate; }
};

class MpvRate : public ::testing::TestWithParam<RateCase> {};

TEST_P(MpvRate, ChangesHowLongTheSoundLasts)
{
    const RateCase c = GetParam();
    const WavSound sound = soundOf(testMedia().tone("rate.wav", 3), [&](MediaPlayer& player) {
        EXPECT_TRUE(player.setRate(c.rate));
    });
    EXPECT_NEAR(sound.seconds(), c.seconds, c.seconds * 0.08);
}

INSTANTIATE_TEST_SUITE_P(Rates, MpvRate,
                         ::testing::Values(RateCase{1.0, 3.0}, RateCase{2.0, 1.5},
                                           RateCase{0.5, 6.0}),
                         [](const auto& testInfo) {
                             // Appended, not "x" + …: g++ 12 -O3 warns falsely (-Wrestrict)
                             std::string name = "x";
                             name += std::to_string(int(testInfo.param.rate * 100));
                             return name;
                         });

TEST(MpvRate, RefusesRatesThatAreNotSpeeds)
{
    QWidget parent;
    MpvMediaPlayer player(&parent, {MpvPlayerOptions::Video::None, {"ao=null"}});
    for (double rate : {0.0, -1.0, std::nan("")})
        EXPECT_FALSE(player.setRate(rate)) << rate;
}

struct BalanceCase {
    int balance;
    double leftDb;  // how far each channel is lowered
    double rightDb;
    friend void PrintTo(const BalanceCase& c, std::ostream* os) { *os << "balance " << c.balance; }
};

class MpvBalance : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(MpvBalance, LowersTheFarChannel)
{
    const BalanceCase c = GetParam();
    const QString file = testMedia().tone("balance.wav", 1);
    const WavSound plain = soundOf(file, [](MediaPlayer&) {});
    const WavSound sound = soundOf(file, [&](MediaPlayer& player) {
        EXPECT_TRUE(player.setBalance(c.balance));
    });
    ASSERT_EQ(sound.channels.size(), 2u);
    EXPECT_NEAR(plain.levelDb(0) - sound.levelDb(0), c.leftDb, 0.2);
    EXPECT_NEAR(plain.levelDb(1) - sound.levelDb(1), c.rightDb, 0.2);
}

INSTANTIATE_TEST_SUITE_P(Balances, MpvBalance,
                         ::testing::Values(BalanceCase{0, 0, 0}, BalanceCase{200, 2, 0},
                                           BalanceCase{-200, 0, 2}, BalanceCase{-5000, 0, 50},
                                           BalanceCase{7000, 70, 0},
                                           BalanceCase{-20000, 0, 100}),
                         [](const auto& testInfo) {
                             const int b = testInfo.param.balance;
                             return (b < 0 ? "minus" : "plus") + std::to_string(std::abs(b));
                         });

TEST(MpvBalance, BackToCentreLeavesBothChannels)
{
    const QString file = testMedia().tone("balance.wav", 1);
    const WavSound sound = soundOf(file, [](MediaPlayer& player) {
        EXPECT_TRUE(player.setBalance(-5000));
        EXPECT_TRUE(player.setBalance(0));
    });
    ASSERT_EQ(sound.channels.size(), 2u);
    EXPECT_NEAR(sound.levelDb(0), sound.levelDb(1), 0.01);
}

// A file with a picture plays in real time, so the pause at the start takes
// hold before much sound is out.
TEST(MpvSeek, PlayingGoesOnFromTheNewPosition)
{
    const WavSound sound = soundOf(testMedia().video("seek.mp4", 3), [](MediaPlayer&) {},
                                   [](MediaPlayer& player) {
                                       EXPECT_TRUE(player.setCurrentPosition(2.0));
                                   });
    EXPECT_NEAR(sound.seconds(), 1.0, 0.15);
}

} // namespace
