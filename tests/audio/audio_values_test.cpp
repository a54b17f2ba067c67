#include "doubles/test_names.h"
#include "audio/audio_values.h"
#include "platform/os_name.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct PresetCase {
    int index;
    double volume;
    quint32 mixer;
    friend void PrintTo(const PresetCase& c, std::ostream* os) { *os << "preset " << c.index; }
};

class Presets : public ::testing::TestWithParam<PresetCase> {};

TEST_P(Presets, AreTenthsOfFullVolumeAndTheirMixerValues)
{
    const PresetCase c = GetParam();
    EXPECT_DOUBLE_EQ(AudioValues::preset(c.index), c.volume);
    EXPECT_EQ(AudioValues::mixerValue(AudioValues::preset(c.index)), c.mixer);
}

INSTANTIATE_TEST_SUITE_P(Items, Presets,
                         ::testing::Values(PresetCase{0, 3276.7, 6553}, PresetCase{4, 16383.5, 32767},
                                           PresetCase{9, 32767, 65535}),
                         TestNames::Printed());

struct MixerCase {
    double volume;
    quint32 value;
    friend void PrintTo(const MixerCase& c, std::ostream* os) { *os << "volume " << c.volume; }
};

class MixerValues : public ::testing::TestWithParam<MixerCase> {};

TEST_P(MixerValues, AreRoundedDownAndHeldInRange)
{
    EXPECT_EQ(AudioValues::mixerValue(GetParam().volume), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Volumes, MixerValues,
                         ::testing::Values(MixerCase{0, 0}, MixerCase{9660, 19320},
                                           MixerCase{32767, 65535}, MixerCase{1, 2},
                                           MixerCase{40000, 65535}, MixerCase{-5, 0}),
                         TestNames::Printed());

TEST(VolumeSteps, StopAtTheEnds)
{
    EXPECT_DOUBLE_EQ(AudioValues::up(32000), 32767);
    EXPECT_DOUBLE_EQ(AudioValues::down(1000), 0);
    EXPECT_DOUBLE_EQ(AudioValues::up(10000), 11638.35);
    EXPECT_DOUBLE_EQ(AudioValues::down(10000), 8361.65);
    EXPECT_DOUBLE_EQ(AudioValues::up(32767), 32767);
    EXPECT_DOUBLE_EQ(AudioValues::down(0), 0);
}

struct SpeedCase {
    double sudu;
    bool timesTen;
    const char* text;
    friend void PrintTo(const SpeedCase& c, std::ostream* os) { *os << c.text; }
};

class SpeedTexts : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(SpeedTexts, ShowTheEffectiveRate)
{
    const SpeedCase c = GetParam();
    EXPECT_EQ(AudioValues::speedText(c.sudu, c.timesTen), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(KnobLimits, SpeedTexts,
                         ::testing::Values(SpeedCase{0, false, "0.00倍速"},
                                           SpeedCase{100, false, "1.00倍速"},
                                           SpeedCase{1000, false, "10.00倍速"},
                                           SpeedCase{1000, true, "100.00倍速"},
                                           SpeedCase{125, true, "12.50倍速"}),
                         TestNames::Printed());

struct NameCase {
    int platformId;
    int major;
    int minor;
    const char* name;
    const char* backend;
    friend void PrintTo(const NameCase& c, std::ostream* os) { *os << c.platformId << "." << c.major << "." << c.minor; }
};

class OsNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(OsNames, ComeFromTheTableAndChooseTheBackEnd)
{
    const NameCase c = GetParam();
    OsVersionRecord record;
    record.platformId = c.platformId;
    record.majorVersion = c.major;
    record.minorVersion = c.minor;
    const QString name = get_os_name(record);
    EXPECT_EQ(name, QString::fromUtf8(c.name));
    EXPECT_EQ(VolumeBackend::forOsName(name), QString::fromUtf8(c.backend));
}

const char* const kEndpoint = "Windows 7";
const char* const kMixer = "Windows XP";

INSTANTIATE_TEST_SUITE_P(
    Table, OsNames,
    ::testing::Values(NameCase{0, 4, 0, "Windows 32s", kMixer},
                      NameCase{1, 4, 0, "Windows 95", kMixer},
                      NameCase{1, 4, 10, "Windows 98", kMixer},
                      NameCase{1, 4, 90, "Windows Mellinnium", kMixer},
                      NameCase{1, 4, 3, "", kMixer},
                      NameCase{2, 3, 51, "WindowsNT 3.51", kMixer},
                      NameCase{2, 4, 0, "WindowsNT 4.0", kMixer},
                      NameCase{2, 5, 0, "Windows 2000", kMixer},
                      NameCase{2, 5, 1, "Windows XP", kMixer},
                      NameCase{2, 5, 2, "Windows 2003", kMixer},
                      NameCase{2, 5, 3, "", kMixer},
                      NameCase{2, 6, 0, "Windows Vista", kEndpoint},
                      NameCase{2, 6, 1, "Windows 7", kEndpoint},
                      NameCase{2, 6, 2, "", kMixer},
                      NameCase{2, 10, 0, "", kMixer},
                      NameCase{3, 0, 0, "未知系统版本", kEndpoint},
                      NameCase{-1, 6, 1, "未知系统版本", kEndpoint}),
                         TestNames::Printed());

TEST(SoundVersionRecord, NamesTheEndpointSystemOnlyWhileASoundServerAnswers)
{
    EXPECT_EQ(VolumeBackend::forOsName(get_os_name(soundVersionRecord(true))), "Windows 7");
    EXPECT_EQ(VolumeBackend::forOsName(get_os_name(soundVersionRecord(false))), "Windows XP");
}

} // namespace
