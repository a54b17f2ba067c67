// The mixer back-end against the real sound server, through ALSA's
// plug-ins for it.
#include "doubles/test_names.h"
#include "real_sink.h"

#include "platform/alsa_mixer_volume.h"

namespace {

class MixerOnServer : public RealSinkTest {
protected:
    void SetUp() override
    {
        RealSinkTest::SetUp();
        if (IsSkipped())
            return;
        if (mixer.level().max == 0)
            GTEST_SKIP() << "ALSA shows no \"Master\" for the server (libasound2-plugins)";
    }

    AlsaMixerVolume mixer;
};

struct ValueCase {
    quint32 value;
    int raw;
    friend void PrintTo(const ValueCase& c, std::ostream* os) { *os << "value " << c.value; }
};

class MixerValue : public MixerOnServer, public ::testing::WithParamInterface<ValueCase> {};

// "Master" runs from 0 to 65536 there.
TEST_P(MixerValue, MovesMasterOverItsOwnRange)
{
    const ValueCase c = GetParam();
    ASSERT_TRUE(mixer.setValue(c.value));
    EXPECT_EQ(RealSink::volume(), c.raw);
    const MixerLevel level = mixer.level();
    EXPECT_EQ(level.max, 65535);
    EXPECT_NEAR(level.value.value_or(-1), c.value, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Values, MixerValue,
                         ::testing::Values(ValueCase{6553, 6553}, ValueCase{19320, 19320},
                                           ValueCase{65535, 65536}, ValueCase{0, 0}),
                         TestNames::Printed());

TEST_F(MixerOnServer, ReadsWhatTheServerWasToldElsewhere)
{
    ASSERT_TRUE(RealSink::setVolume(32768));
    EXPECT_NEAR(mixer.level().value.value_or(-1), 32767.5, 1.0);
    ASSERT_TRUE(RealSink::setMuted(true));
    EXPECT_TRUE(mixer.mute());
}

TEST_F(MixerOnServer, MutesThroughTheSwitch)
{
    ASSERT_TRUE(mixer.setMute(true));
    EXPECT_EQ(RealSink::muted(), true);
    EXPECT_TRUE(mixer.mute());
    ASSERT_TRUE(mixer.setMute(false));
    EXPECT_EQ(RealSink::muted(), false);
    EXPECT_FALSE(mixer.mute());
}

TEST(MixerWithoutCard, FindsNothingAndChangesNothing)
{
    AlsaMixerVolume mixer(QStringLiteral("hw:99"));
    EXPECT_EQ(mixer.level().max, 0);
    EXPECT_FALSE(mixer.level().value.has_value());
    EXPECT_FALSE(mixer.setValue(1000));
    EXPECT_FALSE(mixer.mute());
    EXPECT_FALSE(mixer.setMute(true));
}

} // namespace
