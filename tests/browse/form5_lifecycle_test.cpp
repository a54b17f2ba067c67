// Loading and unloading the panel, and its 100 ms timer.
#include "doubles/test_names.h"
#include "form5_fixture.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct SavedChecks {
    QString picture;
    QString media;
    int pictureValue;
    int mediaValue;
    friend void PrintTo(const SavedChecks& c, std::ostream* os)
    {
        const auto shown = [](const QString& v) {
            return v.isNull() ? std::string("unset") : '"' + v.toStdString() + '"';
        };
        *os << shown(c.picture) << " " << shown(c.media);
    }
};

class LoadChecks : public ::testing::TestWithParam<SavedChecks> {};

TEST_P(LoadChecks, TakeTheSavedValues)
{
    const SavedChecks c = GetParam();
    Form5Fixture f;
    f.form5.Form_Unload();
    f.check(1, 1);
    f.form.state.form5_yunantupian = c.picture;
    f.form.state.form5_yunanyinshipin = c.media;
    f.form5.Form_Load();
    EXPECT_EQ(f.pictureCheck.value(), c.pictureValue);
    EXPECT_EQ(f.mediaCheck.value(), c.mediaValue);
}

INSTANTIATE_TEST_SUITE_P(Values, LoadChecks,
                         ::testing::Values(SavedChecks{"1", "0", 1, 0}, SavedChecks{"0", "1", 0, 1},
                                           SavedChecks{"", "", 0, 0},
                                           SavedChecks{QString(), QString(), 0, 0},
                                           SavedChecks{"是", " 1 ", 0, 1}),
                         TestNames::Printed());

TEST(Form5Load, PlacesTheVolumeKnobAndEmptiesThePanel)
{
    Form5Fixture f;
    f.form5.Form_Unload();
    f.form.state.shengyin_shu = 32767.0 / 4;
    f.form5.Form_Load();
    EXPECT_DOUBLE_EQ(f.volumeKnob.left(), 840 + 1980 / 4.0);
    EXPECT_EQ(f.progressKnob.left(), 840);
    EXPECT_TRUE(f.showsEmptyBox());
    EXPECT_EQ(f.preview.left(), 20000);
    EXPECT_TRUE(f.form5.Timer1.isActive());
    EXPECT_EQ(f.form5.Timer1.interval(), 100);
}

TEST(Form5Unload, StoresTheChecksAndStopsThePreview)
{
    Form5Fixture f;
    f.check(0, 1);
    f.form5.ccrpFileDialogs1_FileBrowse(f.medium("v.mp4", 320, 240));
    ASSERT_TRUE(f.preview.isVisible());
    f.form5.Form_Unload();
    EXPECT_EQ(f.form.state.form5_yunantupian, "0");
    EXPECT_EQ(f.form.state.form5_yunanyinshipin, "1");
    EXPECT_EQ(f.preview.url(), QString());
    EXPECT_FALSE(f.preview.isVisible());
    EXPECT_EQ(f.preview.left(), 20000);
    EXPECT_FALSE(f.form5.Timer1.isActive());

    // The next run of the dialog starts from what was stored.
    f.check(1, 0);
    f.form5.Form_Load();
    EXPECT_EQ(f.pictureCheck.value(), 0);
    EXPECT_EQ(f.mediaCheck.value(), 1);
}

struct TickCase {
    double position;
    double duration;
    double knobLeft;
    friend void PrintTo(const TickCase& c, std::ostream* os)
    {
        *os << c.position << " of " << c.duration;
    }
};

class TimerTick : public ::testing::TestWithParam<TickCase> {};

// Left = 840 + 1980 x position / length, halves rounded to the even neighbour.
TEST_P(TimerTick, MovesTheProgressKnob)
{
    const TickCase c = GetParam();
    Form5Fixture f;
    f.check(1, 1);
    f.form5.ccrpFileDialogs1_FileBrowse(f.medium("s.mp3", 0, 0, c.duration));
    f.preview.setCurrentPosition(c.position);
    f.form5.Timer1_Timer();
    EXPECT_EQ(f.progressKnob.left(), c.knobLeft);
}

INSTANTIATE_TEST_SUITE_P(Positions, TimerTick,
                         ::testing::Values(TickCase{0, 10, 840}, TickCase{2.5, 10, 1335},
                                           TickCase{10, 10, 2820}, TickCase{160.5, 1980, 1000},
                                           TickCase{161.5, 1980, 1002}, TickCase{0.3, 1980, 840}),
                         TestNames::Printed());

TEST(TimerTick, FiresEvery100MsAndKeepsTheKnobAt840WithoutAMedium)
{
    Form5Fixture f;
    f.progressKnob.setLeft(1500);
    f.placeholder.setVisible(false);
    QSignalSpy ticks(&f.form5.Timer1, &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(2000));
    EXPECT_EQ(f.progressKnob.left(), 840);
    EXPECT_TRUE(f.placeholder.isVisible());
}

} // namespace
