// Reading numbers, times and track names.
#include "playback/cd_entry.h"
#include "playback/numeric_value.h"
#include "playback/time_text.h"

#include <QList>
#include <QPair>
#include <limits>
#include <gtest/gtest.h>

namespace {

TEST(NumericValue, ReadsTheLeadingNumber)
{
    const QList<QPair<QString, double>> cases = {
        {"25", 25},     {" 25%", 25},   {"12.5%", 12.5}, {"abc", 0},  {"", 0},
        {"-3x", -3},    {"01.cda", 1},  {"k7.cda", 0},   {".5", 0.5}, {"7.cda", 7},
        {"1e3", 1000},  {"2e", 2},      {"+4", 4},       {".", 0},    {"180000\n", 180000},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(numericValue(text), value) << text.toStdString();
}

TEST(TimeText, WritesHoursMinutesSeconds)
{
    EXPECT_EQ(TimeText::hms(75).value(), "00:01:15");
    EXPECT_EQ(TimeText::hms(3725.9).value(), "01:02:05");
    EXPECT_EQ(TimeText::hms(0).value(), "00:00:00");
    EXPECT_EQ(TimeText::hms(99 * 3600 + 59 * 60 + 59.99).value(), "99:59:59");
    EXPECT_FALSE(TimeText::hms(100 * 3600));
    EXPECT_FALSE(TimeText::hms(-1));
    EXPECT_FALSE(TimeText::hms(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(TimeText::seconds(u"01:02:05"), 3725);
    EXPECT_EQ(TimeText::seconds(u"00:"), 0);
}

TEST(CdEntry, TrackNumberAndDrive)
{
    EXPECT_EQ(CdEntry::trackNumber("Track01.cda"), 1);
    EXPECT_EQ(CdEntry::trackNumber("Track12.cda"), 12);
    EXPECT_EQ(CdEntry::trackNumber("Track7.cda"), 7);
    EXPECT_EQ(CdEntry::trackNumber("/dev/sr0/Track10.cda"), 10);
    EXPECT_EQ(CdEntry::trackNumber(""), 0);
    EXPECT_TRUE(CdEntry::isTrack("TRACK03.CDA"));
    EXPECT_FALSE(CdEntry::isTrack("track03.cdb"));
    EXPECT_EQ(CdEntry::drive("/dev/sr0/Track03.cda"), "/dev/sr0");
    EXPECT_EQ(CdEntry::drive("Track03.cda"), "");
}

} // namespace
