// The CD device playing a disc image to the sound server: where it stands
// while playing, paused and after the end, and the sound that reaches the
// null sink.
#include "cd_image.h"
#include "cd_print.h"
#include "cd_sound.h"

#include "platform/cd/cdaudio_mci.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

class CdPlay : public SoundServerTest {
protected:
    void SetUp() override
    {
        SoundServerTest::SetUp();
        if (IsSkipped())
            return;
        cue = images.audioDisc("disc", CdImages::threeTones());
        ASSERT_FALSE(cue.isEmpty());
        ASSERT_TRUE(send("open  " + cue + " type cdaudio alias cd wait shareable"));
        ASSERT_TRUE(send("set cd time format tmsf"));
    }

    bool send(const QString& command) { return device.send(command); }
    QString ask(const QString& command)
    {
        QString reply;
        device.send(command, &reply);
        return reply;
    }
    bool waitFor(const std::function<bool()>& done, int ms = 20000) { return QTest::qWaitFor(done, ms); }

    CdImages images;
    QString cue;
    CdaudioMci device;
};

TEST_F(CdPlay, PlaysAcrossTracksToTheEndOfTheDisc)
{
    ASSERT_TRUE(send("seek cd to 3:00:03:00"));
    ASSERT_TRUE(send("play cd"));
    EXPECT_EQ(ask("status cd mode"), "playing");
    ASSERT_TRUE(waitFor([&] { return ask("status cd mode") == "stopped"; }));
    EXPECT_EQ(ask("status cd position"), "03:00:04:02");

    // From track 2's last half second on into track 3.
    ASSERT_TRUE(send("set cd time format milliseconds"));
    ASSERT_TRUE(send("play cd from 5300"));
    ASSERT_TRUE(send("set cd time format tmsf"));
    EXPECT_TRUE(ask("status cd position").startsWith("02:00:02:"));
    EXPECT_TRUE(waitFor([&] { return ask("status cd position").startsWith("03:00:00:"); }))
        << ask("status cd position").toStdString();
    EXPECT_EQ(ask("status cd mode"), "playing");
    ASSERT_TRUE(send("stop cd wait"));
}

TEST_F(CdPlay, PauseHoldsThePositionAndPlayGoesOnFromIt)
{
    ASSERT_TRUE(send("seek cd to 2"));
    ASSERT_TRUE(send("play cd"));
    ASSERT_TRUE(waitFor([&] { return ask("status cd position") >= "02:00:01:00"; }));
    ASSERT_TRUE(send("pause cd wait"));
    EXPECT_EQ(ask("status cd mode"), "paused");
    const QString paused = ask("status cd position");
    QTest::qWait(400);
    EXPECT_EQ(ask("status cd position"), paused);
    EXPECT_EQ(ask("status cd mode"), "paused");

    ASSERT_TRUE(send("play cd"));
    EXPECT_EQ(ask("status cd mode"), "playing");
    EXPECT_TRUE(waitFor([&] { return ask("status cd position") > paused; }));
    ASSERT_TRUE(send("stop cd"));
    EXPECT_EQ(ask("status cd mode"), "stopped");
    // A stopped device stays where it stopped.
    const QString stopped = ask("status cd position");
    EXPECT_GT(stopped, paused);
    QTest::qWait(200);
    EXPECT_EQ(ask("status cd position"), stopped);
}

TEST_F(CdPlay, SeekAndDoorStopThePlay)
{
    ASSERT_TRUE(send("play cd"));
    ASSERT_TRUE(send("seek cd to 3"));
    EXPECT_EQ(ask("status cd mode"), "stopped");
    EXPECT_EQ(ask("status cd position"), "03:00:00:00");

    ASSERT_TRUE(send("play cd"));
    ASSERT_TRUE(send("set cd door open wait"));
    EXPECT_EQ(ask("status cd mode"), "open");
    EXPECT_FALSE(send("play cd"));
    ASSERT_TRUE(send("set cd door closed wait"));
    EXPECT_EQ(ask("status cd mode"), "stopped");
}

TEST_F(CdPlay, TheReportedPositionIsWhatHasBeenHeard)
{
    SinkRecording sink(sinkName());
    ASSERT_TRUE(sink.start());
    ASSERT_TRUE(send("play cd"));
    // The moment the position first leaves the start, sound has arrived.
    ASSERT_TRUE(waitFor([&] { return ask("status cd position") != "01:00:00:00"; }));
    const std::vector<double> early = sink.stop();
    ASSERT_TRUE(send("stop cd"));
    const SoundStretch heard = soundIn(early);
    EXPECT_LT(heard.begin, early.size()) << "no sound by the time the position moved";
}

TEST_F(CdPlay, EachTracksSoundReachesTheSinkWholeAndInTune)
{
    SinkRecording sink(sinkName());
    ASSERT_TRUE(sink.start());
    ASSERT_TRUE(send("play cd"));
    // A pause in track 2 must lose nothing of it.
    ASSERT_TRUE(waitFor([&] { return ask("status cd position") >= "02:00:01:00"; }));
    ASSERT_TRUE(send("pause cd wait"));
    QTest::qWait(700);
    ASSERT_TRUE(send("play cd"));
    ASSERT_TRUE(waitFor([&] { return ask("status cd mode") == "stopped"; }));
    QTest::qWait(500); // the sink's last sound reaches the recording
    const std::vector<double> sound = sink.stop();

    const std::vector<SoundStretch> parts = stretchesIn(sound, 0.3);
    std::string found;
    for (const SoundStretch& part : parts)
        found += std::to_string(part.begin / 44100.0) + "-" + std::to_string(part.end / 44100.0) + " ";
    ASSERT_EQ(parts.size(), 2u) << "one pause: " << found;
    SCOPED_TRACE(found);
    EXPECT_NEAR(parts[0].seconds() + parts[1].seconds(), (241 + 197 + 302) / 75.0, 0.08);
    // Each track's tone, measured inside its stretch of the sound.
    const std::size_t pauseAt = parts[0].end;
    const std::size_t pauseLength = parts[1].begin - pauseAt;
    const auto at = [&](double seconds) {
        const std::size_t i = parts[0].begin + std::size_t(seconds * 44100);
        return i < pauseAt ? i : i + pauseLength;
    };
    struct Tone { double from, to, hz; };
    for (const Tone& tone : {Tone{0.2, 3.0, 440}, Tone{3.4, 5.6, 660}, Tone{6.0, 9.6, 880}}) {
        const std::size_t from = at(tone.from), to = at(tone.to);
        // Stay clear of the pause's edges.
        const std::size_t clearFrom = from < pauseAt && to > pauseAt ? pauseAt + pauseLength : from;
        EXPECT_NEAR(frequencyOf(sound, clearFrom, to), tone.hz, 5) << tone.hz;
    }
}

} // namespace

namespace {

// An image whose BIN is cut short while it plays, as a disc taken out of a
// drive: the play ends in track 2, soon after the cut (libcdio reads a
// partly missing stretch as whole), without a hang.
TEST_F(CdPlay, APlayEndsWhereTheDiscCouldNoLongerBeRead)
{
    ASSERT_TRUE(send("seek cd to 2"));
    QFile bin(QFileInfo(cue).path() + "/disc.bin");
    ASSERT_TRUE(bin.resize(qint64(241 + 100) * 2352)); // a second and a third into track 2
    ASSERT_TRUE(send("play cd"));
    ASSERT_TRUE(waitFor([&] { return ask("status cd mode") == "stopped"; }));
    const QString position = ask("status cd position");
    EXPECT_TRUE(position >= "02:00:01:25" && position <= "02:00:02:25") << position.toStdString();
}

} // namespace
