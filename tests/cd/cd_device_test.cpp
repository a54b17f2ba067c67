// The CD device on disc images made with sox: every command's reply, the
// positions after seeks in both formats, the door of an image, and what
// bad input gives.
#include "cd_image.h"
#include "cd_print.h"

#include "platform/cd/cdaudio_mci.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// One command and what it must give: success and the reply ("%cue" stands
// for the image's path).
struct Step {
    const char* command;
    bool ok;
    const char* reply;
};

QString withCue(const char* text, const QString& cue)
{
    return QString::fromUtf8(text).replace("%cue", cue);
}

void runSteps(CdaudioMci& device, const QString& cue, const std::vector<Step>& steps)
{
    for (const Step& step : steps) {
        const QString command = withCue(step.command, cue);
        QString reply = QStringLiteral("untouched");
        EXPECT_EQ(device.send(command, &reply), step.ok) << command.toStdString();
        EXPECT_EQ(reply, QString::fromUtf8(step.reply)) << command.toStdString();
        EXPECT_EQ(device.lastError().isEmpty(), step.ok) << command.toStdString();
    }
}

class CdDevice : public ::testing::Test {
protected:
    void SetUp() override
    {
        cue = images.audioDisc("disc", CdImages::threeTones());
        ASSERT_FALSE(cue.isEmpty()) << "sox could not make the disc image";
    }

    CdImages images;
    QString cue;
    CdaudioMci device;
};

TEST_F(CdDevice, AClosedDeviceRefusesEverythingButOpen)
{
    runSteps(device, cue, {
        {"status cd mode", false, ""},
        {"set cd time format tmsf", false, ""},
        {"status cd number of tracks wait", false, ""},
        {"status cd position", false, ""},
        {"play cd", false, ""},
        {"seek cd to 1 wait", false, ""},
        {"stop cd", false, ""},
        {"close cd", false, ""},
        {"open  %cue type cdaudio alias cd wait shareable", true, ""},
        {"status cd mode", true, "stopped"},
        {"close cd", true, ""},
        {"status cd mode", false, ""},
        {"close cd", false, ""},
    });
}

TEST_F(CdDevice, EveryCommandAnswersInItsFormat)
{
    runSteps(device, cue, {
        {"open  %cue type cdaudio alias cd wait shareable", true, ""},
        // The alias is taken: a second open changes nothing.
        {"open  %cue type cdaudio alias cd wait shareable", false, ""},
        {"set cd time format tmsf", true, ""},
        {"status cd number of tracks wait", true, "3"},
        {"status cd mode", true, "stopped"},
        {"status cd position", true, "01:00:00:00"},
        {"status cd length track 1", true, "00:03:16"},
        {"status cd length track 2", true, "00:02:47"},
        {"status cd length track 3", true, "00:04:02"},
        {"status cd length track 4", false, ""},
        {"status cd length track 0", false, ""},
        {"status cd length track two", false, ""},
        {"seek cd to 3", true, ""},
        {"status cd position", true, "03:00:00:00"},
        {"seek cd to 4", false, ""},
        {"status cd position", true, "03:00:00:00"},
        {"seek cd to 2:00:01:30", true, ""},
        {"status cd position", true, "02:00:01:30"},
        {"seek cd to 2:00:03:00", false, ""}, // beyond track 2
        {"seek cd to 65537", true, ""},       // track 1 at 1 s, packed
        {"status cd position", true, "01:00:01:00"},
        {"seek cd to 1 wait", true, ""},
        {"status cd position", true, "01:00:00:00"},
        {"set cd time format milliseconds", true, ""},
        {"status cd position", true, "0"},
        {"status cd length track 1", true, "3213"},
        {"status cd length track 2", true, "2627"},
        {"status cd length track 3", true, "4026"},
        {"seek cd to 5840", true, ""}, // the lengths of tracks 1 and 2
        {"status cd position", true, "5840"},
        {"seek cd to 9866", true, ""},
        {"status cd position", true, "9866"},
        {"seek cd to 9867", false, ""},
        {"seek cd to -1", false, ""},
        {"seek cd to 4294967296", false, ""},
        {"play cd from 12x", false, ""},
        {"status cd position", true, "9866"},
        {"set cd time format tmsf", true, ""},
        {"status cd position", true, "03:00:04:02"}, // the end stays on the last track
        {"seek cd to 5840", false, ""},              // packed: track 208 is none
        {"pause cd wait", true, ""},
        {"status cd mode", true, "stopped"},
        {"stop cd wait", true, ""},
        {"stop cd", true, ""},
        {"close cd", true, ""},
    });
}

TEST_F(CdDevice, WrongWordsFailAndChangeNothing)
{
    runSteps(device, cue, {
        {"open  %cue type cdaudio alias cd wait shareable", true, ""},
        {"seek cd to 2", true, ""},
        {"status cd mood", false, ""},
        {"seek cd to", false, ""},
        {"play cd now", false, ""},
        {"set cd time format frames", false, ""},
        {"set cd door ajar wait", false, ""},
        {"open  type cdaudio alias cd wait shareable", false, ""},
        {"", false, ""},
        {"status cd position", true, "02:00:00:00"},
        {"status cd mode", true, "stopped"},
    });
}

TEST_F(CdDevice, AnImagesDoorIsKeptAcrossOpens)
{
    runSteps(device, cue, {
        {"open  %cue type cdaudio alias cd wait shareable", true, ""},
        {"seek cd to 2", true, ""},
        {"set cd door open wait", true, ""},
        {"status cd mode", true, "open"},
        {"status cd number of tracks wait", false, ""},
        {"status cd position", false, ""},
        {"play cd", false, ""},
        {"seek cd to 1", false, ""},
        {"close cd", true, ""},
        {"open  %cue type cdaudio alias cd wait shareable", true, ""},
        {"status cd mode", true, "open"},
        {"status cd number of tracks wait", false, ""},
        {"set cd door closed wait", true, ""},
        {"status cd mode", true, "stopped"},
        {"status cd number of tracks wait", true, "3"},
        {"status cd position", true, "01:00:00:00"},
    });
}

TEST_F(CdDevice, AnotherImageTakesTheAliasOver)
{
    const QString other = images.audioDisc("other", {{150, 550}});
    ASSERT_FALSE(other.isEmpty());
    runSteps(device, cue, {
        {"open  %cue type cdaudio alias cd wait shareable", true, ""},
        {"status cd number of tracks wait", true, "3"},
        {"set cd time format milliseconds", true, ""},
    });
    runSteps(device, other, {
        {"open  %cue type cdaudio alias cd wait shareable", true, ""},
        {"status cd number of tracks wait", true, "1"},
        {"status cd position", true, "01:00:00:00"}, // a fresh open is in tmsf
        {"open  %cue/../../nowhere.cue type cdaudio alias cd wait shareable", false, ""},
        {"status cd length track 1", true, "00:02:00"},
    });
}

// Bad drives: the open or the disc's track count fails, which gives an
// entry up; nothing hangs and nothing is played.
struct BadDrive {
    const char* name;
    const char* cue; // cue text; empty: the path names no file
    bool opens;
};

class BadDrives : public ::testing::TestWithParam<BadDrive> {};

TEST_P(BadDrives, HaveNoTracks)
{
    CdImages images;
    const BadDrive& bad = GetParam();
    const QString drive = QByteArray(bad.cue).isEmpty() ? images.path("no/such/drive")
                                                         : images.cueSheet(QString(bad.name) + ".cue", bad.cue);
    CdaudioMci device;
    EXPECT_EQ(device.send("open  " + drive + " type cdaudio alias cd wait shareable"), bad.opens);
    QString reply = "untouched";
    EXPECT_FALSE(device.send("status cd number of tracks wait", &reply));
    EXPECT_EQ(reply, "");
    EXPECT_FALSE(device.send("seek cd to 1"));
    EXPECT_FALSE(device.send("play cd"));
    EXPECT_EQ(device.send("status cd mode", &reply), bad.opens);
    EXPECT_EQ(reply, bad.opens ? "not ready" : "");
}

INSTANTIATE_TEST_SUITE_P(Images, BadDrives, ::testing::Values(
    BadDrive{"NoDrive", "", false},
    BadDrive{"Damaged", "FILE \"disc.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 99:99:99\n\x01\x02 garbage", false},
    BadDrive{"MissingBin", "FILE \"gone.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n", false},
    BadDrive{"NoTracks", "REM nothing here\n", false}),
    [](const ::testing::TestParamInfo<BadDrive>& testInfo) { return std::string(testInfo.param.name); });

// Data tracks are left out; the audio tracks keep the disc's numbers and
// milliseconds count from the first of them.
TEST(CdMixedDisc, PlaysOnlyItsAudioTrack)
{
    CdImages images;
    const QString cue = images.mixedDisc("mixed");
    ASSERT_FALSE(cue.isEmpty());
    CdaudioMci device;
    runSteps(device, cue, {
        {"open  %cue type cdaudio alias cd wait shareable", true, ""},
        {"set cd time format tmsf", true, ""},
        {"status cd number of tracks wait", true, "1"},
        {"status cd position", true, "02:00:00:00"},
        {"status cd length track 1", false, ""},
        {"status cd length track 2", true, "00:02:00"},
        {"seek cd to 1", false, ""},
        {"seek cd to 2:00:01:00", true, ""},
        {"set cd time format milliseconds", true, ""},
        {"status cd position", true, "1000"},
        {"status cd length track 2", true, "2000"},
    });
}

TEST(CdDataDisc, HasNoAudioTracks)
{
    CdImages images;
    const QString cue = images.dataDisc("data");
    ASSERT_FALSE(cue.isEmpty()) << "genisoimage could not make the data disc";
    CdaudioMci device;
    ASSERT_TRUE(device.send("open  " + cue + " type cdaudio alias cd wait shareable"));
    QString reply;
    EXPECT_TRUE(device.send("status cd number of tracks wait", &reply));
    EXPECT_EQ(reply, "0");
    EXPECT_FALSE(device.send("seek cd to 1"));
    EXPECT_FALSE(device.send("status cd length track 1", &reply));
}

} // namespace

namespace {

// A command given while the device waits for the drive (from an event the
// wait delivers) has the last word.
TEST(CdNestedOpen, TheOpenMadeDuringAnotherOnesWaitKeepsTheDevice)
{
    CdImages images;
    const QString first = images.audioDisc("first", CdImages::threeTones());
    const QString second = images.audioDisc("second", {{150, 550}});
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    CdaudioMci* device = nullptr;
    int waits = 0;
    bool nestedOpened = false;
    CdaudioMci cd([&](int timeoutMs, const std::function<bool()>& done) {
        if (++waits == 1)
            nestedOpened = device->send("open  " + second + " type cdaudio alias cd wait shareable");
        return CdaudioMci::eventLoopWait(timeoutMs, done);
    });
    device = &cd;
    EXPECT_FALSE(cd.send("open  " + first + " type cdaudio alias cd wait shareable"));
    EXPECT_TRUE(nestedOpened);
    QString reply;
    EXPECT_TRUE(cd.send("status cd number of tracks wait", &reply));
    EXPECT_EQ(reply, "1");
    EXPECT_TRUE(cd.send("status cd length track 1", &reply));
    EXPECT_EQ(reply, "00:02:00");
}

} // namespace

namespace {

// Without a sound server a play cannot start, or ends at once: the device
// does not stay "playing" at a position that never moves.
TEST(CdWithoutSound, APlayEndsWhereItBegan)
{
    CdImages images;
    const QString cue = images.audioDisc("disc", CdImages::threeTones());
    ASSERT_FALSE(cue.isEmpty());
    const QByteArray server = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(images.path("no-server")));
    {
        CdaudioMci device;
        ASSERT_TRUE(device.send("open  " + cue + " type cdaudio alias cd wait shareable"));
        ASSERT_TRUE(device.send("seek cd to 2"));
        device.send("play cd");
        QString mode;
        EXPECT_TRUE(QTest::qWaitFor([&] { return device.send("status cd mode", &mode) && mode == "stopped"; }, 10000))
            << mode.toStdString();
        QString position;
        EXPECT_TRUE(device.send("status cd position", &position));
        EXPECT_EQ(position, "02:00:00:00");
    }
    if (server.isNull())
        qunsetenv("PULSE_SERVER");
    else
        qputenv("PULSE_SERVER", server);
}

} // namespace

namespace {

// A drive that does not answer within the wait leaves the device closed;
// the answer that comes later changes nothing, and the next open works.
TEST(CdSlowDrive, AnOpenThatTimesOutLeavesTheDeviceClosed)
{
    CdImages images;
    const QString cue = images.audioDisc("disc", CdImages::threeTones());
    ASSERT_FALSE(cue.isEmpty());
    bool patient = false;
    CdaudioMci device([&](int timeoutMs, const std::function<bool()>& done) {
        return patient && CdaudioMci::eventLoopWait(timeoutMs, done);
    });
    const QString open = "open  " + cue + " type cdaudio alias cd wait shareable";
    EXPECT_FALSE(device.send(open));
    EXPECT_FALSE(device.lastError().isEmpty());
    QTest::qWait(100); // the drive's late answer arrives meanwhile
    QString reply = "untouched";
    EXPECT_FALSE(device.send("status cd number of tracks wait", &reply));
    EXPECT_EQ(reply, "");
    patient = true;
    EXPECT_TRUE(device.send(open));
    EXPECT_TRUE(device.send("status cd number of tracks wait", &reply));
    EXPECT_EQ(reply, "3");
}

} // namespace
