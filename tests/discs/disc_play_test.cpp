// Playing the disc in a drive: a video CD's .dat files, a DVD's .vob files,
// an audio CD's tracks, and the one message for everything else.
#include "disc_fixture.h"

#include "core/display_mode.h"
#include "doubles/test_names.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString kDrive = QStringLiteral("/dev/sr0");

enum class Mount { Table, Mounter, None };

struct PlayCase {
    const char* name;
    QStringList files;     // under the disc's root; empty with no file system
    Mount mount;
    QString tracksReply;   // the device's track count
    QStringList expected;  // "@" stands for the disc's root
};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

class DiscPlay : public ::testing::TestWithParam<PlayCase> {};

TEST_P(DiscPlay, TheDiscBecomesTheListAndItsFirstEntryPlays)
{
    const PlayCase& c = GetParam();
    DiscFixture f;
    f.setDrives({"/dev/sr1", kDrive});
    const QString root = f.disc("disc", c.files);
    if (c.mount == Mount::Table)
        f.mountAt(kDrive, root);
    else if (c.mount == Mount::Mounter)
        f.mounter.folders.insert(kDrive, root);
    f.mci.replies.insert("status cd number of tracks wait", c.tracksReply);
    QStringList expected;
    for (const QString& entry : c.expected) {
        expected << QString(entry).replace('@', root);
        if (entry.startsWith('@'))
            f.player1.media.insert(expected.last(), {352, 288, 30});
    }

    f.form.bofangguangpan1_Click(1);

    EXPECT_TRUE(f.messages().isEmpty()) << f.messages().join('|').toStdString();
    const bool tracks = expected.first().startsWith(kDrive);
    if (tracks) {
        EXPECT_EQ(f.entries(), expected); // in track order
        EXPECT_EQ(f.form.state.display_mode, DisplayMode::Cd);
        EXPECT_TRUE(f.mci.sent.contains("seek cd to 1"));
    } else {
        EXPECT_EQ(sorted(f.entries()), sorted(expected)); // in the file system's order
        ASSERT_FALSE(f.opened().isEmpty());
        EXPECT_EQ(f.opened().first(), f.entries().first());
        EXPECT_EQ(f.form.state.display_mode, DisplayMode::Video);
        // The tracks are not counted: playing an entry stops the CD, no more.
        EXPECT_EQ(f.mci.sent, (QStringList{"stop cd wait", "seek cd to 1 wait"}));
    }
    EXPECT_TRUE(f.form.liebiao[0].checked);
    EXPECT_EQ(f.mounter.asked, c.mount == Mount::Table ? QStringList() : QStringList{kDrive});
}

const QStringList kVcd = {"MPEGAV/AVSEQ01.DAT", "MPEGAV/AVSEQ02.DAT", "VCD/INFO.VCD", "CDI/CDI_VCD.APP"};
const QStringList kDvd = {"VIDEO_TS/VIDEO_TS.IFO", "VIDEO_TS/VIDEO_TS.VOB", "VIDEO_TS/VTS_01_0.IFO",
                          "VIDEO_TS/VTS_01_0.VOB", "VIDEO_TS/VTS_01_1.VOB", "VIDEO_TS/VTS_01_0.BUP",
                          "AUDIO_TS/README"};

INSTANTIATE_TEST_SUITE_P(
    Table, DiscPlay,
    ::testing::Values(
        PlayCase{"videoCdInCapitals", kVcd, Mount::Table, "0", {"@/MPEGAV/AVSEQ01.DAT", "@/MPEGAV/AVSEQ02.DAT"}},
        PlayCase{"videoCdInLowerCase", {"mpegav/avseq01.dat", "mpegav/music.mp3", "mpegav/.hidden.dat"},
                 Mount::Table, "0", {"@/mpegav/avseq01.dat"}},
        PlayCase{"videoCdMountedWhenAsked", kVcd, Mount::Mounter, "0",
                 {"@/MPEGAV/AVSEQ01.DAT", "@/MPEGAV/AVSEQ02.DAT"}},
        // A video CD's tracks are also audio-CD tracks to the device.
        PlayCase{"videoCdBeforeTracks", kVcd, Mount::Table, "3",
                 {"@/MPEGAV/AVSEQ01.DAT", "@/MPEGAV/AVSEQ02.DAT"}},
        PlayCase{"dvdEveryVobMenusIncluded", kDvd, Mount::Table, "0",
                 {"@/VIDEO_TS/VIDEO_TS.VOB", "@/VIDEO_TS/VTS_01_0.VOB", "@/VIDEO_TS/VTS_01_1.VOB"}},
        PlayCase{"dvdInLowerCase", {"video_ts/vts_01_1.vob", "video_ts/vts_01_0.ifo"}, Mount::Mounter, "0",
                 {"@/video_ts/vts_01_1.vob"}},
        PlayCase{"emptyMpegavFolderThenDvd", {"MPEGAV/README.TXT", "Video_TS/VTS_01_1.VOB"}, Mount::Table,
                 "0", {"@/Video_TS/VTS_01_1.VOB"}},
        PlayCase{"audioCd", {}, Mount::None, "3",
                 {"/dev/sr0/Track01.cda", "/dev/sr0/Track02.cda", "/dev/sr0/Track03.cda"}},
        PlayCase{"audioCdWithTwelveTracks", {}, Mount::None, "12",
                 {"/dev/sr0/Track01.cda", "/dev/sr0/Track02.cda", "/dev/sr0/Track03.cda",
                  "/dev/sr0/Track04.cda", "/dev/sr0/Track05.cda", "/dev/sr0/Track06.cda",
                  "/dev/sr0/Track07.cda", "/dev/sr0/Track08.cda", "/dev/sr0/Track09.cda",
                  "/dev/sr0/Track10.cda", "/dev/sr0/Track11.cda", "/dev/sr0/Track12.cda"}},
        // An Enhanced CD: its data session mounts, its audio tracks play.
        PlayCase{"enhancedCd", {"README.TXT", "DATA/CLIP.MOV"}, Mount::Table, "2",
                 {"/dev/sr0/Track01.cda", "/dev/sr0/Track02.cda"}}),
    TestNames::ByName());

TEST(DiscPlay, AnAudioCdIsCountedOnItsOwnDrive)
{
    DiscFixture f;
    f.setDrives({kDrive});
    f.mci.replies.insert("status cd number of tracks wait", "2");
    f.form.bofangguangpan1_Click(0);
    ASSERT_GE(f.mci.sent.size(), 2);
    EXPECT_EQ(f.mci.sent.mid(0, 2), (QStringList{"open  /dev/sr0 type cdaudio alias cd wait shareable",
                                                 "status cd number of tracks wait"}));
}

TEST(DiscPlay, AnAudioCdGivesNoMoreThanNinetyNineTracks)
{
    DiscFixture f;
    f.setDrives({kDrive});
    f.mci.replies.insert("status cd number of tracks wait", "4294967295");
    f.form.bofangguangpan1_Click(0);
    ASSERT_EQ(f.entries().size(), 99);
    EXPECT_EQ(f.entries().last(), "/dev/sr0/Track99.cda");
}

TEST(DiscPlay, ADiscTheDesktopMountsWhileOursFailsStillPlays)
{
    DiscFixture f;
    f.setDrives({kDrive});
    const QString root = f.disc("disc", {"MPEGAV/AVSEQ01.DAT"});
    f.player1.media.insert(root + "/MPEGAV/AVSEQ01.DAT", {352, 288, 30});
    f.mounter.whileMounting = [&] { f.mountAt(kDrive, root); };
    f.form.bofangguangpan1_Click(0);
    EXPECT_EQ(f.entries(), QStringList{root + "/MPEGAV/AVSEQ01.DAT"});
    EXPECT_TRUE(f.messages().isEmpty());
}

TEST(DiscPlay, AClickWhileTheDiscMountsIsPassedOver)
{
    DiscFixture f;
    f.setDrives({kDrive, "/dev/sr1"});
    const QString root = f.disc("disc", {"VIDEO_TS/VTS_01_1.VOB"});
    f.player1.media.insert(root + "/VIDEO_TS/VTS_01_1.VOB", {720, 576, 30});
    f.mounter.folders.insert(kDrive, root);
    f.mounter.whileMounting = [&] { f.form.bofangguangpan1_Click(1); };
    f.form.bofangguangpan1_Click(0);
    EXPECT_EQ(f.mounter.asked, QStringList{kDrive});
    EXPECT_EQ(f.entries(), QStringList{root + "/VIDEO_TS/VTS_01_1.VOB"});
    EXPECT_EQ(f.opened(), QStringList{root + "/VIDEO_TS/VTS_01_1.VOB"});
    EXPECT_TRUE(f.messages().isEmpty());
}

// What is no disc of the three kinds shows the message and changes nothing.
struct NoDiscCase {
    const char* name;
    QStringList drives;
    QStringList files; // the mounted disc's files; none: nothing mounted
    bool deviceOpens;
    QString tracksReply;
};

class NoDisc : public ::testing::TestWithParam<NoDiscCase> {};

TEST_P(NoDisc, ShowsTheOneMessageAndNothingElse)
{
    const NoDiscCase& c = GetParam();
    DiscFixture f;
    const QString earlier = f.medium("earlier.mp4", 320, 240);
    f.setList({earlier});
    f.setDrives(c.drives);
    if (!c.files.isEmpty())
        f.mountAt(kDrive, f.disc("data", c.files));
    f.mci.failAll = !c.deviceOpens;
    f.mci.replies.insert("status cd number of tracks wait", c.tracksReply);
    const QString mode = f.form.state.display_mode;

    f.form.bofangguangpan1_Click(0);

    EXPECT_EQ(f.messages(), QStringList{Discs::NotADisc});
    EXPECT_EQ(f.dialogs.shown.size(), 1);
    EXPECT_EQ(f.entries(), QStringList{earlier});
    EXPECT_TRUE(f.opened().isEmpty());
    EXPECT_TRUE(f.form.calls.isEmpty()) << f.form.calls.join('|').toStdString();
    EXPECT_EQ(f.form.state.display_mode, mode);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NoDisc,
    ::testing::Values(NoDiscCase{"noDrive", {}, {}, true, "3"},
                      NoDiscCase{"emptyDrive", {kDrive}, {}, false, ""},
                      NoDiscCase{"dataDisc", {kDrive}, {"README.TXT", "SETUP.EXE", "DATA/A.DAT"}, true, "0"},
                      NoDiscCase{"foldersWithoutTheirFiles",
                                 {kDrive}, {"MPEGAV/INFO.TXT", "VIDEO_TS/VIDEO_TS.IFO"}, true, "0"},
                      NoDiscCase{"trackCountNotANumber", {kDrive}, {"README.TXT"}, true, "none"},
                      NoDiscCase{"negativeTrackCount", {kDrive}, {}, true, "-2"}),
    TestNames::ByName());

TEST(NoDisc, WithoutADriveNothingIsAskedOfTheSystem)
{
    DiscFixture f;
    f.setDrives({});
    f.form.bofangguangpan1_Click(0);
    f.form.bofangguangpan1_Click(3);
    EXPECT_TRUE(f.mci.sent.isEmpty());
    EXPECT_TRUE(f.mounter.asked.isEmpty());
    EXPECT_EQ(f.messages(), (QStringList{Discs::NotADisc, Discs::NotADisc}));
}

} // namespace
