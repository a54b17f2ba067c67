// Positions and lengths in the device's two time formats, on a table of
// contents without a drive.
#include "platform/cd/cd_time.h"

#include <gtest/gtest.h>

namespace {

using CdTime::Format;

// Tracks of 241, 197 and 302 sectors after a data track, as on a disc
// whose first track is data: numbers stay the disc's.
CdToc mixedDisc()
{
    CdToc toc;
    toc.tracks = {{1, 0, 1000, false}, {2, 1000, 241, true}, {3, 1241, 197, true}, {4, 1438, 302, true}};
    return toc;
}

struct Position {
    Format format;
    const char* value;
    qint32 lsn; // -1: refused
};

class Positions : public ::testing::TestWithParam<Position> {};

TEST_P(Positions, NameTheirSector)
{
    const auto lsn = CdTime::positionOf(mixedDisc(), GetParam().format, GetParam().value);
    if (GetParam().lsn < 0)
        EXPECT_FALSE(lsn.has_value()) << GetParam().value;
    else
        EXPECT_EQ(lsn.value_or(-1), GetParam().lsn) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(BothFormats, Positions, ::testing::Values(
    Position{Format::Tmsf, "2", 1000},
    Position{Format::Tmsf, "4", 1438},
    Position{Format::Tmsf, "3:00:01:05", 1241 + 80},
    Position{Format::Tmsf, "3:0:2:47", 1438},          // the track's very end
    Position{Format::Tmsf, "3:0:2:48", -1},            // beyond it
    Position{Format::Tmsf, "65539", 1241 + 75},        // 3 | 1 s << 16 packed
    Position{Format::Tmsf, "1", -1},                   // the data track
    Position{Format::Tmsf, "5", -1},
    Position{Format::Tmsf, "0", -1},
    Position{Format::Tmsf, "2:00:60:00", -1},
    Position{Format::Tmsf, "2:00:00:75", -1},
    Position{Format::Tmsf, "2:1:2:3:4", -1},
    Position{Format::Milliseconds, "0", 1000},
    Position{Format::Milliseconds, "3213", 1241},      // the lengths before track 3
    Position{Format::Milliseconds, "5840", 1438},
    Position{Format::Milliseconds, "9866", 1740},      // the end of the audio
    Position{Format::Milliseconds, "9867", -1},
    Position{Format::Milliseconds, "4294967295", -1},
    Position{Format::Milliseconds, "4294967296", -1},
    Position{Format::Milliseconds, "-1", -1},
    Position{Format::Milliseconds, "+5", -1},
    Position{Format::Milliseconds, "12a", -1},
    Position{Format::Milliseconds, "", -1}));

TEST(CdTimeTexts, PositionsAnswerInTheFormat)
{
    const CdToc toc = mixedDisc();
    EXPECT_EQ(CdTime::positionText(toc, Format::Tmsf, 1000), "02:00:00:00");
    EXPECT_EQ(CdTime::positionText(toc, Format::Tmsf, 1241 + 149), "03:00:01:74");
    EXPECT_EQ(CdTime::positionText(toc, Format::Tmsf, 1740), "04:00:04:02"); // played to the end
    EXPECT_EQ(CdTime::positionText(toc, Format::Milliseconds, 1241), "3213");
    EXPECT_EQ(CdTime::positionText(toc, Format::Milliseconds, 1000), "0");
}

TEST(CdTimeTexts, LengthsAddUpToWhereATrackBegins)
{
    const CdToc toc = mixedDisc();
    EXPECT_EQ(CdTime::trackLengthText(toc, Format::Tmsf, "2").value_or("none"), "00:03:16");
    EXPECT_EQ(CdTime::trackLengthText(toc, Format::Tmsf, "4").value_or("none"), "00:04:02");
    qint64 sum = 0;
    for (const char* n : {"2", "3"})
        sum += CdTime::trackLengthText(toc, Format::Milliseconds, n).value_or("x").toLongLong();
    EXPECT_EQ(CdTime::positionOf(toc, Format::Milliseconds, QString::number(sum)).value_or(-1), 1438);
    for (const char* n : {"1", "5", "0", "x", "-2", "2.0"})
        EXPECT_FALSE(CdTime::trackLengthText(toc, Format::Milliseconds, n).has_value()) << n;
}

TEST(CdTimeTexts, LongTracksKeepTheirMinutes)
{
    EXPECT_EQ(CdTime::msf(75 * 60 * 74 + 75 * 33 + 12), "74:33:12");
    EXPECT_EQ(CdTime::msf(75 * 60 * 100), "100:00:00");
}

} // namespace

namespace {

TEST(CdTocSessions, AnEnhancedCdsLastAudioTrackEndsBeforeTheDataSession)
{
    // Two audio tracks, then a data track in a second session.
    CdToc toc;
    toc.tracks = {{1, 0, 15000, true}, {2, 15000, 31400, true}, {3, 46400, 9000, false}};
    toc.endAudioBeforeDataSession(46400);
    EXPECT_EQ(toc.tracks[0].sectors, 15000);
    EXPECT_EQ(toc.tracks[1].sectors, 20000);
    EXPECT_EQ(toc.audioEnd(), 35000);
    EXPECT_EQ(CdTime::trackLengthText(toc, CdTime::Format::Tmsf, "2").value_or("none"), "04:26:50");
    EXPECT_FALSE(CdTime::positionOf(toc, CdTime::Format::Tmsf, "3").has_value());
}

TEST(CdTocSessions, ASingleSessionDiscKeepsItsLengths)
{
    // A mixed-mode disc: data first, one session.
    CdToc toc;
    toc.tracks = {{1, 0, 20000, false}, {2, 20000, 15000, true}};
    toc.endAudioBeforeDataSession(0);
    EXPECT_EQ(toc.tracks[1].sectors, 15000);
    EXPECT_EQ(toc.audioCount(), 1);
    EXPECT_EQ(toc.audioStart(), 20000);
}

} // namespace
