#include "doubles/test_names.h"
#include "audio_fixture.h"

#include "core/flags.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

OsVersionRecord record(int major, int minor)
{
    OsVersionRecord r;
    r.platformId = 2;
    r.majorVersion = major;
    r.minorVersion = minor;
    return r;
}

struct EndpointCase {
    float db;
    float scalar;
    double volume;
    friend void PrintTo(const EndpointCase& c, std::ostream* os) { *os << c.db << " dB"; }
};

class EndpointStart : public ::testing::TestWithParam<EndpointCase> {};

TEST_P(EndpointStart, ReadsTheScalarUnlessTheLevelIsExactly0dB)
{
    const EndpointCase c = GetParam();
    AudioFixture f;
    f.system.record = record(6, 1);
    f.system.endpointDevice.levelDb = c.db;
    f.system.endpointDevice.scalar = c.scalar;
    f.form.readStartupVolume();
    EXPECT_EQ(f.form.state.volume_backend, "Windows 7");
    EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, c.volume);
    EXPECT_TRUE(f.system.endpointDevice.changes.isEmpty()) << "start-up only reads";
}

INSTANTIATE_TEST_SUITE_P(Levels, EndpointStart,
                         ::testing::Values(EndpointCase{-10.5f, 0.5f, 0.5 * 32767},
                                           EndpointCase{-60, 0.0f, 0},
                                           EndpointCase{0, 1.0f, 9660},
                                           EndpointCase{-0.01f, 1.0f, 32767}),
                         TestNames::Printed());

TEST(EndpointStart, AnEndpointThatDoesNotAnswerGivesTheDefaultUnmuted)
{
    AudioFixture f;
    f.system.record = record(6, 0);
    f.system.endpointDevice.answers = false;
    f.form.state.mute_state = Flag::Selected;
    f.form.readStartupVolume();
    EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, 9660);
    EXPECT_EQ(f.form.state.mute_state, QString());
}

struct MixerCase {
    double max;
    bool readFails;
    double value;
    double volume;
    friend void PrintTo(const MixerCase& c, std::ostream* os) { *os << c.value << " of " << c.max << (c.readFails ? ", read fails" : ""); }
};

class MixerStart : public ::testing::TestWithParam<MixerCase> {};

TEST_P(MixerStart, ReadsTheValueOnTheMixersScale)
{
    const MixerCase c = GetParam();
    AudioFixture f;
    f.system.record = record(5, 1);
    f.system.mixerDevice.max = c.max;
    f.system.mixerDevice.readFails = c.readFails;
    f.system.mixerDevice.value = c.value;
    f.form.readStartupVolume();
    EXPECT_EQ(f.form.state.volume_backend, "Windows XP");
    EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, c.volume);
    EXPECT_TRUE(f.system.mixerDevice.changes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Levels, MixerStart,
                         ::testing::Values(MixerCase{65535, false, 65535, 32767},
                                           MixerCase{65535, false, 19320, 19320.0 / 65535 * 32767},
                                           MixerCase{65535, false, 0, 0},
                                           MixerCase{65535, true, 100, 32767},
                                           MixerCase{0, false, 0, 9660}),
                         TestNames::Printed());

// Later systems report 6.2, which the table does not name.
TEST(BackEndChoice, AnUnnamedSystemGetsTheMixer)
{
    AudioFixture f;
    f.system.record = record(6, 2);
    f.form.readStartupVolume();
    EXPECT_EQ(f.form.state.volume_backend, "Windows XP");
}

TEST(BackEndChoice, WithoutASystemVolumeTheMixerReadsNothing)
{
    AudioFixture f;
    f.form.systemVolume = nullptr;
    f.form.readStartupVolume();
    EXPECT_EQ(f.form.state.volume_backend, "Windows XP");
    EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, 9660);
    EXPECT_EQ(f.form.state.mute_state, QString());
}

class MutedAtStart : public ::testing::TestWithParam<bool> {};

TEST_P(MutedAtStart, MarksTheMenuAndTheToggle)
{
    const bool endpoint = GetParam();
    AudioFixture f;
    f.makeTogglePictures();
    f.system.record = endpoint ? record(6, 1) : record(5, 1);
    f.system.endpointDevice.muted = endpoint;
    f.system.mixerDevice.muted = !endpoint;
    f.form.readStartupVolume();
    EXPECT_EQ(f.form.state.mute_state, Flag::Selected);
    EXPECT_TRUE(f.form.yinping1[0].checked);
    EXPECT_EQ(f.form.xuan[0].picture().pixel(0, 0), kSelectedColour);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, MutedAtStart, ::testing::Bool(),
                         ::testing::PrintToStringParamName());

TEST(MutedAtStart, NotMutedLeavesTheDesignedPictureAndMark)
{
    AudioFixture f;
    f.makeTogglePictures();
    f.system.record = record(6, 1);
    f.form.readStartupVolume();
    EXPECT_EQ(f.form.state.mute_state, QString());
    EXPECT_FALSE(f.form.yinping1[0].checked);
    EXPECT_TRUE(f.form.xuan[0].picture().isNull());
}

// What start-up read is what the first ticks push back.
TEST(StartUpVolume, IsWhatTheFirstPushSends)
{
    AudioFixture f;
    f.system.record = record(5, 1);
    f.system.mixerDevice.max = 0;
    f.form.readStartupVolume();
    f.form.rengong_kongzhi(0);
    EXPECT_EQ(f.system.mixerDevice.changes, QStringList({"value:19320"}));
}

} // namespace
