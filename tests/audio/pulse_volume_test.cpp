// The endpoint back-end against the real sound server.
#include "doubles/test_names.h"
#include "real_sink.h"

#include "platform/pulse_system_volume.h"

#include <cmath>

namespace {

using EndpointOnServer = RealSinkTest;

struct ScalarCase {
    float scalar;
    int raw;
    float db;
    friend void PrintTo(const ScalarCase& c, std::ostream* os) { *os << "level " << c.scalar; }
};

class EndpointScalar : public RealSinkTest, public ::testing::WithParamInterface<ScalarCase> {};

TEST_P(EndpointScalar, SetsTheDefaultSinkAndReadsItBack)
{
    const ScalarCase c = GetParam();
    PulseEndpointVolume endpoint;
    ASSERT_TRUE(endpoint.setMasterVolumeLevelScalar(c.scalar));
    EXPECT_EQ(RealSink::volume(), c.raw);
    EXPECT_NEAR(endpoint.masterVolumeLevelScalar().value_or(-1), c.scalar, 1e-4);
    EXPECT_NEAR(endpoint.masterVolumeLevel().value_or(99), c.db, 0.01);
}

// The sink's volume is cubic: 10 % is -60 dB, 100 % is 0 dB.
INSTANTIATE_TEST_SUITE_P(Levels, EndpointScalar,
                         ::testing::Values(ScalarCase{0.1f, 6554, -60.0f},
                                           ScalarCase{0.5f, 32768, -18.06f},
                                           ScalarCase{1.0f, 65536, 0.0f}),
                         TestNames::Printed());

TEST_F(EndpointOnServer, ASinkRaisedAboveFullReadsFull)
{
    ASSERT_TRUE(RealSink::setVolume(98304)); // 150 %
    PulseEndpointVolume endpoint;
    EXPECT_FLOAT_EQ(endpoint.masterVolumeLevelScalar().value_or(-1), 1.0f);
    EXPECT_FLOAT_EQ(endpoint.masterVolumeLevel().value_or(-1), 0.0f);
}

TEST_F(EndpointOnServer, MutesAndUnmutesTheDefaultSink)
{
    PulseEndpointVolume endpoint;
    ASSERT_TRUE(endpoint.setMute(true));
    EXPECT_EQ(RealSink::muted(), true);
    EXPECT_EQ(endpoint.mute(), true);
    ASSERT_TRUE(endpoint.setMute(false));
    EXPECT_EQ(RealSink::muted(), false);
    EXPECT_EQ(endpoint.mute(), false);
}

// Each call finds the default sink afresh.
TEST_F(EndpointOnServer, FollowsTheDefaultSinkWhenItChanges)
{
    const QString before = RealSink::pactl({"get-default-sink"}).value_or("").trimmed();
    const auto module = RealSink::pactl(
        {"load-module", "module-null-sink", "sink_name=xy_second_sink"});
    ASSERT_TRUE(module.has_value() && !before.isEmpty());
    RealSink::pactl({"set-sink-volume", "xy_second_sink", "65536"});
    RealSink::pactl({"set-default-sink", "xy_second_sink"});

    PulseEndpointVolume endpoint;
    const bool set = endpoint.setMasterVolumeLevelScalar(0.25f);
    const auto second = RealSink::volume();
    RealSink::pactl({"set-default-sink", before});
    const auto first = RealSink::volume();
    RealSink::pactl({"unload-module", module->trimmed()});

    EXPECT_TRUE(set);
    EXPECT_EQ(second, 16384);
    EXPECT_NE(first, 16384);
}

} // namespace
