#include "doubles/test_names.h"
#include "audio_fixture.h"

#include "core/display_mode.h"
#include "core/flags.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

const QStringList kTail = {"shijian2", "shijian3"};

TEST(VolumeAndMute, GoToTheEndpointAsAScalarAndAMuteFlag)
{
    AudioFixture f;
    f.useEndpoint();
    f.form.state.shengyin_shu = 3276.7;
    f.form.state.mute_state = Flag::Selected;
    f.form.rengong_kongzhi(0);
    EXPECT_EQ(f.system.endpointDevice.changes, QStringList({"scalar:0.1", "mute:1"}));
    EXPECT_FLOAT_EQ(f.system.endpointDevice.scalar, 0.1f);
    EXPECT_TRUE(f.system.mixerDevice.changes.isEmpty());

    f.form.state.shengyin_shu = 32767;
    f.form.state.mute_state.clear();
    f.form.rengong_kongzhi(0);
    EXPECT_EQ(f.system.endpointDevice.changes.mid(2), QStringList({"scalar:1", "mute:0"}));
}

TEST(VolumeAndMute, GoToTheMixerAsA16BitValue)
{
    AudioFixture f;
    f.useMixer();
    for (const double volume : {3276.7, 32767.0, 9660.0, 0.0}) {
        f.form.state.shengyin_shu = volume;
        f.form.rengong_kongzhi(0);
    }
    EXPECT_EQ(f.system.mixerDevice.changes,
              QStringList({"value:6553", "value:65535", "value:19320", "value:0"}));
    EXPECT_TRUE(f.system.endpointDevice.changes.isEmpty());
}

TEST(VolumeAndMute, WithoutAChosenBackEndGoToTheMixer)
{
    AudioFixture f;
    f.form.state.shengyin_shu = 32767;
    f.form.rengong_kongzhi(0);
    EXPECT_EQ(f.system.mixerDevice.changes, QStringList({"value:65535"}));
}

struct MixerMuteCase {
    bool wantMuted;
    bool systemMuted;
    QStringList muteChanges;
    friend void PrintTo(const MixerMuteCase& c, std::ostream* os) { *os << (c.wantMuted ? "want muted" : "want sound") << (c.systemMuted ? ", muted" : ", sounding"); }
};

class MixerMute : public ::testing::TestWithParam<MixerMuteCase> {};

TEST_P(MixerMute, ChangesOnlyWhenTheSystemDiffers)
{
    const MixerMuteCase c = GetParam();
    AudioFixture f;
    f.useMixer();
    f.system.mixerDevice.muted = c.systemMuted;
    f.form.state.mute_state = c.wantMuted ? Flag::Selected : QString();
    f.form.rengong_kongzhi(0);
    EXPECT_EQ(f.system.mixerDevice.changes.mid(1), c.muteChanges);
    EXPECT_EQ(f.system.mixerDevice.muted, c.wantMuted);
}

INSTANTIATE_TEST_SUITE_P(States, MixerMute,
                         ::testing::Values(MixerMuteCase{true, true, {}},
                                           MixerMuteCase{true, false, {"mute:1"}},
                                           MixerMuteCase{false, true, {"mute:0"}},
                                           MixerMuteCase{false, false, {}}),
                         TestNames::Printed());

TEST(VolumeAndMute, WithoutASystemVolumeOnlyRefresh)
{
    AudioFixture f;
    f.form.systemVolume = nullptr;
    f.form.state.shengyin_shu = 5000;
    f.form.rengong_kongzhi(0);
    EXPECT_EQ(f.form.refreshes, kTail);
    EXPECT_TRUE(f.form.Timer1.isActive());
}

struct KnobCase {
    double knobTop;
    double sudu;
    friend void PrintTo(const KnobCase& c, std::ostream* os) { *os << "knob at " << c.knobTop; }
};

class SpeedKnob : public ::testing::TestWithParam<KnobCase> {};

TEST_P(SpeedKnob, GivesTheSpeedFromItsPlaceOnTheTrack)
{
    AudioFixture f;
    f.form.huakuai[1].setTop(GetParam().knobTop);
    f.form.rengong_kongzhi(1);
    EXPECT_DOUBLE_EQ(f.form.state.sudu_shu, GetParam().sudu);
    EXPECT_EQ(f.form.refreshes, kTail);
}

// Nothing holds the result to the track: a knob beyond it gives more.
INSTANTIATE_TEST_SUITE_P(Places, SpeedKnob,
                         ::testing::Values(KnobCase{AudioFixture::kTrackTop, 0},
                                           KnobCase{AudioFixture::kTrackBottom, 1000},
                                           KnobCase{2029, 100},
                                           KnobCase{AudioFixture::kTrackBottom + 549, 1100}),
                         TestNames::Printed());

TEST(SpeedKnob, FollowsTheTopOffset)
{
    AudioFixture f;
    f.form.state.top_offset = 480; // the track starts at 1500
    f.form.huakuai[1].setTop(1500);
    f.form.rengong_kongzhi(1);
    EXPECT_DOUBLE_EQ(f.form.state.sudu_shu, 0);
}

TEST(SpeedKnob, OnATrackOfNoHeightLeavesTheSpeed)
{
    AudioFixture f;
    f.form.xuan[0].setTop(AudioFixture::kTrackTop + 350);
    f.form.state.sudu_shu = 250;
    f.form.rengong_kongzhi(1);
    EXPECT_DOUBLE_EQ(f.form.state.sudu_shu, 250);
}

struct BalanceCase {
    double step;
    int balance;
    friend void PrintTo(const BalanceCase& c, std::ostream* os) { *os << "step " << c.step; }
};

class Balance : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(Balance, ReachesThePlayerThroughTheRefresh)
{
    AudioFixture f;
    f.form.state.balance_step = GetParam().step;
    f.form.rengong_kongzhi(3);
    ASSERT_FALSE(f.player1.balances.isEmpty());
    EXPECT_EQ(f.player1.balances.last(), GetParam().balance);
    EXPECT_TRUE(f.system.mixerDevice.changes.isEmpty()) << "only the tail runs";
}

INSTANTIATE_TEST_SUITE_P(Steps, Balance,
                         ::testing::Values(BalanceCase{-5, -5000}, BalanceCase{-4, -800},
                                           BalanceCase{-1, -200}, BalanceCase{0, 0},
                                           BalanceCase{3, 600}, BalanceCase{4, 800},
                                           BalanceCase{5, 5000}),
                         TestNames::Printed());

TEST(Seek, MovesAnOpenFileAndKeepsTheDispatcherOffUntilTheTail)
{
    for (const QString& mode : {DisplayMode::Audio, DisplayMode::Video}) {
        AudioFixture f;
        f.player1.load("/m/a.mp4", 320, 240, 100);
        f.form.state.display_mode = mode;
        f.form.state.position_ms = 42500;
        f.form.refreshes.clear(); // the player's own event refreshes too
        f.form.rengong_kongzhi(2);
        EXPECT_DOUBLE_EQ(f.player1.currentPosition().value_or(-1), 42.5);
        EXPECT_EQ(f.form.refreshes,
                  QStringList({"shijian2 (Timer1 off)", "shijian3 (Timer1 off)"}));
        EXPECT_TRUE(f.form.Timer1.isActive());
    }
}

TEST(Seek, OutsideTheFileAndCdModesMovesNothing)
{
    for (const QString& mode : {DisplayMode::Idle, DisplayMode::Picture, QString()}) {
        AudioFixture f;
        f.player1.load("/m/a.mp4", 320, 240, 100);
        f.form.state.display_mode = mode;
        f.form.state.position_ms = 1000;
        f.form.refreshes.clear();
        f.form.rengong_kongzhi(2);
        EXPECT_NE(f.player1.currentPosition().value_or(0), 1.0) << mode.toStdString();
        EXPECT_TRUE(f.mci.sent.filter("cd to").isEmpty() && f.mci.sent.filter("cd from").isEmpty());
        // The tail's two refreshes; a display refresh that empties the player
        // runs once more from the player's own state change.
        EXPECT_EQ(f.form.refreshes.first(), "shijian2 (Timer1 off)");
        EXPECT_EQ(f.form.refreshes.last(), "shijian3 (Timer1 off)");
        EXPECT_EQ(f.form.refreshes.count("shijian3 (Timer1 off)"), 1);
        EXPECT_TRUE(f.form.Timer1.isActive());
    }
}

struct CdCase {
    int track;
    const char* status;
    QStringList sent;
    friend void PrintTo(const CdCase& c, std::ostream* os) { *os << "track " << c.track; }
};

class SeekOnCd : public ::testing::TestWithParam<CdCase> {};

TEST_P(SeekOnCd, AddsTheLengthsOfTheTracksBefore)
{
    const CdCase c = GetParam();
    AudioFixture f;
    f.form.state.display_mode = DisplayMode::Cd;
    f.form.state.cd_track = c.track;
    f.form.state.position_ms = 5000;
    f.ditiao.setCaption(QString::fromUtf8(c.status));
    f.mci.replies["status cd length track 1"] = "180000";
    f.mci.replies["status cd length track 2"] = "200500";
    f.form.rengong_kongzhi(2);
    // The status refresh of the tail asks the device afterwards.
    EXPECT_EQ(f.mci.sent.mid(0, c.sent.size()), c.sent);
    EXPECT_EQ(f.form.refreshes.first(), "shijian2 (Timer1 off)");
}

INSTANTIATE_TEST_SUITE_P(
    Tracks, SeekOnCd,
    ::testing::Values(
        CdCase{1, "正在播放...--第1首/总3首", {"set cd time format milliseconds",
                                               "play cd from 5000", "set cd time format tmsf"}},
        CdCase{3, "正在播放...--第3首/总3首",
               {"set cd time format milliseconds", "status cd length track 1",
                "status cd length track 2", "play cd from 385500", "set cd time format tmsf"}},
        CdCase{2, "暂停...--第2首/总3首",
               {"set cd time format milliseconds", "status cd length track 1",
                "seek cd to 185000", "set cd time format tmsf"}}),
                         TestNames::Printed());

TEST(Tail, RunsBothRefreshesInOrderForEveryChange)
{
    for (const int shu : {0, 1, 2, 3, 7}) {
        AudioFixture f;
        f.form.rengong_kongzhi(shu);
        EXPECT_EQ(f.form.refreshes.size(), 2) << shu;
        EXPECT_TRUE(f.form.refreshes.value(0).startsWith("shijian2")) << shu;
        EXPECT_TRUE(f.form.refreshes.value(1).startsWith("shijian3")) << shu;
        EXPECT_TRUE(f.form.Timer1.isActive()) << shu;
    }
}

} // namespace
