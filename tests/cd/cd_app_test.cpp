// The real program given a track of a disc image on its command line: the
// track's tone reaches the null sink, and the program ends on a signal
// with the disc stopped and the list kept.
#include "app/app_folder.h"
#include "cd_image.h"
#include "cd_sound.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

class CdApp : public SoundServerTest {};

TEST_F(CdApp, PlaysTheTrackOnItsCommandLine)
{
    CdImages images;
    const QString cue = images.audioDisc("disc", {{150, 440}, {900, 660}});
    ASSERT_FALSE(cue.isEmpty());
    QTemporaryDir dir;
    ASSERT_TRUE(copyFolder(QFileInfo(APP_EXECUTABLE).path(), dir.filePath("app")));

    SinkRecording sink(sinkName());
    ASSERT_TRUE(sink.start());
    QProcess app;
    app.setWorkingDirectory(dir.path());
    app.start(dir.filePath("app/xuanyinfang"), {cue + "/Track02.cda"});
    ASSERT_TRUE(app.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return sinkHasStream(); }, 20000)) << "no sound stream";
    QTest::qWait(1500);
    ::kill(pid_t(app.processId()), SIGTERM);
    ASSERT_TRUE(app.waitForFinished(10000));
    EXPECT_FALSE(sinkHasStream());
    const std::vector<double> sound = sink.stop();

    const SoundStretch heard = soundIn(sound);
    ASSERT_GT(heard.seconds(), 1.2);
    // Track 2's tone, not track 1's, measured before the program's end
    // takes the stream away.
    EXPECT_NEAR(frequencyOf(sound, heard.begin + 2205, heard.begin + 44100), 660, 5);

    QFile list(dir.filePath("app/数据库/播放列表.qmx"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().contains(QFile::encodeName(cue + "/Track02.cda")));
}

} // namespace
