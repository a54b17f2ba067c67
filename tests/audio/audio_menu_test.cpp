#include "doubles/test_names.h"
#include "audio_fixture.h"

#include "core/designed_menus.h"
#include "core/flags.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

QStringList captions(const MenuArray& menu)
{
    QStringList result;
    for (const MenuItem& item : menu.items())
        result << item.caption;
    return result;
}

TEST(AudioMenus, AreAsDesigned)
{
    EXPECT_EQ(captions(designedAudioMenu()),
              QStringList({"静音开关(&K)", "-", "音量(&A)", "增加音量(&Z)", "减小音量(&J)"}));
    EXPECT_EQ(captions(designedVolumeMenu()),
              QStringList({"1(&A)", "2(&B)", "3(&C)", "4(&D)", "5(&E)", "6(&F)", "7(&G)",
                           "8(&H)", "9(&I)", "10(&J)"}));
}

struct PresetCase {
    int index;
    double volume;
    const char* mixerChange;
    friend void PrintTo(const PresetCase& c, std::ostream* os) { *os << "preset " << c.index; }
};

class VolumePreset : public ::testing::TestWithParam<PresetCase> {};

TEST_P(VolumePreset, SetsTheVolumeAndSendsIt)
{
    const PresetCase c = GetParam();
    AudioFixture f;
    f.useMixer();
    f.form.yinliang1_Click(c.index);
    EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, c.volume);
    EXPECT_EQ(f.system.mixerDevice.changes, QStringList({c.mixerChange}));
    EXPECT_EQ(f.form.refreshes.size(), 2);
}

INSTANTIATE_TEST_SUITE_P(Items, VolumePreset,
                         ::testing::Values(PresetCase{0, 3276.7, "value:6553"},
                                           PresetCase{2, 9830.1, "value:19660"},
                                           PresetCase{9, 32767, "value:65535"}),
                         TestNames::Printed());

TEST(VolumePreset, OfAnItemThatDoesNotExistChangesNothing)
{
    AudioFixture f;
    f.form.state.shengyin_shu = 500;
    f.form.yinliang1_Click(10);
    EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, 500);
    EXPECT_TRUE(f.form.refreshes.isEmpty());
}

struct StepCase {
    int index;
    double from;
    double to;
    friend void PrintTo(const StepCase& c, std::ostream* os) { *os << "item " << c.index << " from " << c.from; }
};

class VolumeStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(VolumeStep, MovesByATwentiethAndStopsAtTheEnds)
{
    const StepCase c = GetParam();
    AudioFixture f;
    f.useEndpoint();
    f.form.state.shengyin_shu = c.from;
    f.form.yinping1_Click(c.index);
    EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, c.to);
    EXPECT_FLOAT_EQ(f.system.endpointDevice.scalar, float(c.to / 32767));
}

INSTANTIATE_TEST_SUITE_P(UpAndDown, VolumeStep,
                         ::testing::Values(StepCase{3, 32000, 32767}, StepCase{3, 0, 1638.35},
                                           StepCase{4, 1000, 0}, StepCase{4, 32767, 31128.65}),
                         TestNames::Printed());

TEST(AudioMenu, TheVolumeItemOnlySendsTheValues)
{
    AudioFixture f;
    f.useEndpoint();
    f.form.state.shengyin_shu = 16383.5;
    f.form.yinping1_Click(2);
    EXPECT_DOUBLE_EQ(f.form.state.shengyin_shu, 16383.5);
    EXPECT_EQ(f.system.endpointDevice.changes, QStringList({"scalar:0.5", "mute:0"}));
}

TEST(MuteSwitch, MutesAndUnmutesThroughTheToggle)
{
    AudioFixture f;
    f.useEndpoint();
    f.form.yinping1_Click(0);
    EXPECT_EQ(f.form.state.mute_state, Flag::Selected);
    EXPECT_TRUE(f.form.yinping1[0].checked);
    EXPECT_TRUE(f.system.endpointDevice.muted);

    f.form.yinping1_Click(0);
    EXPECT_EQ(f.form.state.mute_state, QString());
    EXPECT_FALSE(f.form.yinping1[0].checked);
    EXPECT_FALSE(f.system.endpointDevice.muted);
}

// A mark out of step with mute_state (set by hand here) is put back in step
// without toggling: the switch follows mute_state.
TEST(MuteSwitch, AMarkOutOfStepIsBroughtBackWithoutToggling)
{
    AudioFixture f;
    f.useEndpoint();
    f.form.state.mute_state = Flag::Selected; // muted, but the item unmarked
    f.form.yinping1_Click(0);
    EXPECT_TRUE(f.form.yinping1[0].checked);
    EXPECT_EQ(f.form.state.mute_state, Flag::Selected);
    EXPECT_EQ(f.system.endpointDevice.changes.filter("mute:"), QStringList({"mute:1"}));
}

} // namespace
