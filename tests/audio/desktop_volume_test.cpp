// The program's volume and mute reaching the real sound server, and a
// program that finds none.
#include "doubles/test_names.h"
#include "audio_fixture.h"
#include "real_sink.h"

#include "core/flags.h"
#include "platform/desktop_system_volume.h"
#include "platform/os_name.h"
#include "platform/pulse_system_volume.h"

namespace {

class ProgramOnServer : public RealSinkTest {
protected:
    AudioFixture f;
    DesktopSystemVolume desktop;
};

TEST_F(ProgramOnServer, ChoosesTheEndpointAndReadsFullScaleAsTheStartUpVolume)
{
    ASSERT_TRUE(RealSink::setVolume(65536) && RealSink::setMuted(false));
    f.form.systemVolume = &desktop;
    f.form.readStartupVolume();
    EXPECT_EQ(f.form.state.volume_backend, "Windows 7");
    EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, 9660);
    EXPECT_EQ(f.form.state.mute_state, QString());
}

TEST_F(ProgramOnServer, ReadsAMutedSinkAtStartUp)
{
    ASSERT_TRUE(RealSink::setVolume(32768) && RealSink::setMuted(true));
    f.form.systemVolume = &desktop;
    f.form.readStartupVolume();
    EXPECT_NEAR(f.form.state.shengyin_shu, 32767.0 / 2, 1);
    EXPECT_EQ(f.form.state.mute_state, Flag::Selected);
    EXPECT_TRUE(f.form.yinping1[0].checked);
}

TEST_F(ProgramOnServer, PresetsAndTheMuteSwitchReachTheSink)
{
    f.form.systemVolume = &desktop;
    f.form.readStartupVolume();
    ASSERT_EQ(f.form.state.volume_backend, "Windows 7");
    f.form.yinliang1_Click(0);
    EXPECT_EQ(RealSink::volume(), 6554); // 10 %
    f.form.yinping1_Click(3);
    EXPECT_EQ(RealSink::volume(), 9830); // 15 %

    const bool wasMuted = f.form.state.mute_state == Flag::Selected;
    f.form.yinping1_Click(0);
    EXPECT_EQ(RealSink::muted(), !wasMuted);
    f.form.yinping1_Click(0);
    EXPECT_EQ(RealSink::muted(), wasMuted);
}

// The mixer back-end over the same sink, counting the mute changes it makes.
class CountingMixer : public MixerVolume {
public:
    bool setValue(quint32 value) override { return real.setValue(value); }
    MixerLevel level() override { return real.level(); }
    bool mute() override { return real.mute(); }
    bool setMute(bool on) override
    {
        ++muteChanges;
        return real.setMute(on);
    }

    AlsaMixerVolume real;
    int muteChanges = 0;
};

class MixerProgram : public SystemVolume {
public:
    OsVersionRecord versionRecord() override { return soundVersionRecord(false); }
    EndpointVolume& endpoint() override { return unused; }
    MixerVolume& mixer() override { return counting; }

    PulseEndpointVolume unused;
    CountingMixer counting;
};

struct MixerMuteCase {
    bool sinkMuted;
    bool wantMuted;
    int changes;
    friend void PrintTo(const MixerMuteCase& c, std::ostream* os) { *os << (c.wantMuted ? "want muted" : "want sound") << (c.sinkMuted ? ", sink muted" : ", sink sounding"); }
};

class MixerMuteOnServer : public ProgramOnServer,
                          public ::testing::WithParamInterface<MixerMuteCase> {};

TEST_P(MixerMuteOnServer, SendsAMuteOnlyWhenTheSinkDiffers)
{
    const MixerMuteCase c = GetParam();
    MixerProgram program;
    if (program.counting.level().max == 0)
        GTEST_SKIP() << "ALSA shows no \"Master\" for the server (libasound2-plugins)";
    f.form.systemVolume = &program;
    f.form.readStartupVolume();
    ASSERT_EQ(f.form.state.volume_backend, "Windows XP");
    ASSERT_TRUE(RealSink::setMuted(c.sinkMuted));
    f.form.state.mute_state = c.wantMuted ? Flag::Selected : QString();
    f.form.state.shengyin_shu = 3276.7;
    f.form.rengong_kongzhi(0);
    EXPECT_EQ(program.counting.muteChanges, c.changes);
    EXPECT_EQ(RealSink::muted(), c.wantMuted);
    EXPECT_EQ(RealSink::volume(), 6553);
}

INSTANTIATE_TEST_SUITE_P(States, MixerMuteOnServer,
                         ::testing::Values(MixerMuteCase{true, true, 0},
                                           MixerMuteCase{false, true, 1},
                                           MixerMuteCase{true, false, 1},
                                           MixerMuteCase{false, false, 0}),
                         TestNames::Printed());

// A program whose sound server is gone: nothing answers, nothing fails loudly.
class NoServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:/nonexistent/xy-no-server");
    }
    void TearDown() override { qputenv("PULSE_SERVER", saved_); }

private:
    QByteArray saved_;
};

TEST_F(NoServer, TheProgramTakesTheMixerAndVolumeChangesReachNothing)
{
    EXPECT_FALSE(soundServerAnswers());
    PulseEndpointVolume endpoint;
    EXPECT_FALSE(endpoint.setMasterVolumeLevelScalar(0.5f));
    EXPECT_FALSE(endpoint.setMute(true));
    EXPECT_FALSE(endpoint.masterVolumeLevel().has_value());
    EXPECT_FALSE(endpoint.mute().has_value());

    AudioFixture f;
    DesktopSystemVolume desktop;
    f.form.systemVolume = &desktop;
    f.form.readStartupVolume();
    EXPECT_EQ(f.form.state.volume_backend, "Windows XP");
    EXPECT_GE(f.form.state.shengyin_shu, 0);
    EXPECT_LE(f.form.state.shengyin_shu, 32767);
    f.form.yinliang1_Click(4);
    f.form.yinping1_Click(0);
    EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, 16383.5);
    EXPECT_EQ(f.form.state.mute_state, Flag::Selected);
}

} // namespace
