// Discs laid out as the desktop mounts them, made at test time and played
// by the real libmpv player: a DVD folder authored with dvdauthor and a
// video CD's MPEG-1 track.
#include "disc_doubles.h"
#include "playback/mpv_fixture.h"

#include "core/display_mode.h"
#include "discs/discs.h"
#include "discs/mount_table.h"
#include "doubles/test_names.h"
#include "playlist/playlist_entries.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Runs a tool to its end; false (with its errors printed) when it fails.
bool run(const QString& program, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VIDEO_FORMAT", "PAL"); // dvdauthor's default TV system
    process.setProcessEnvironment(env);
    process.start(program, args);
    const bool ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
                    && process.exitCode() == 0;
    if (!ok)
        ADD_FAILURE() << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return ok;
}

QStringList clip(const QString& target, const QString& format)
{
    return {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=352x288:rate=25", "-f", "lavfi",
            "-i", "sine=frequency=440:sample_rate=44100", "-t", "3", "-target", format, target};
}

// A DVD's folders: VIDEO_TS with its .IFO, .BUP and .VOB files, AUDIO_TS.
bool authorDvd(const QString& root, const QString& work)
{
    const QString mpeg = work + "/dvd-clip.mpg";
    return run("ffmpeg", clip(mpeg, "pal-dvd")) && run("dvdauthor", {"-o", root, "-t", mpeg})
           && run("dvdauthor", {"-o", root, "-T"});
}

// A video CD's track as a lower-case mount shows it.
bool makeVideoCd(const QString& root, const QString&)
{
    return QDir().mkpath(root + "/mpegav") && QDir().mkpath(root + "/vcd")
           && run("ffmpeg", clip(root + "/mpegav/avseq01.dat", "pal-vcd"));
}

struct RealDiscCase {
    const char* name;
    bool (*make)(const QString& root, const QString& work);
    QString entry; // under the disc's root
    int width;
};

class RealDiscPlay : public ::testing::TestWithParam<RealDiscCase> {};

TEST_P(RealDiscPlay, PlaysTheDiscsFirstFileAsVideo)
{
    const RealDiscCase& c = GetParam();
    QTemporaryDir dir;
    const QString root = dir.filePath("disc");
    ASSERT_TRUE(c.make(root, dir.path()));
    QFile table(dir.filePath("mountinfo"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write(QString("40 1 11:0 / %1 ro - udf /dev/sr0 ro\n").arg(root).toUtf8());
    table.close();

    MpvFixture f;
    ListedDrives drives;
    drives.listed = {"/dev/sr0"};
    MountTable mounts(table.fileName());
    ScriptedMounter mounter;
    Discs discs(f.form, drives, mounts, mounter);
    discs.dedaoguangqu();
    f.form.Timer1.start();
    discs.bofangguangpan1_Click(0);

    EXPECT_EQ(PlaylistEntries::fullPaths(f.form.liebiao, f.form.state.entry_dirs), QStringList{root + c.entry});
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.player1.playState() == MediaPlayer::Playing; }, 20000));
    EXPECT_EQ(f.player1.url(), root + c.entry);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Video);
    EXPECT_EQ(f.player1.imageSourceWidth().value_or(0), c.width);
    EXPECT_GT(f.player1.duration().value_or(0), 2.0);
    EXPECT_TRUE(f.messages().isEmpty()) << f.messages().join('|').toStdString();
    EXPECT_TRUE(mounter.asked.isEmpty());
    f.form.Timer1.stop();
}

INSTANTIATE_TEST_SUITE_P(Table, RealDiscPlay,
                         ::testing::Values(RealDiscCase{"dvd", authorDvd, "/VIDEO_TS/VTS_01_1.VOB", 720},
                                           RealDiscCase{"videoCd", makeVideoCd, "/mpegav/avseq01.dat", 352}),
                         TestNames::ByName());

} // namespace
