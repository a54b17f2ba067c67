// Opening and closing a drive's tray: the command order, and stopping
// first what plays from that drive.
#include "disc_fixture.h"

#include "doubles/test_names.h"
#include "playback/control_items.h"

#include <gtest/gtest.h>

namespace {

const QString kStopped = QStringLiteral("<playback stopped>");
const QString kOpen0 = QStringLiteral("open  /dev/sr0 type cdaudio alias cd wait shareable");
const QString kOpen1 = QStringLiteral("open  /dev/sr1 type cdaudio alias cd wait shareable");

enum class Tray { Open, Close };

struct TrayCase {
    const char* name;
    Tray tray;
    int index;
    QString current; // the checked entry; "@" is drive 0's mount point; empty: none
    QStringList commands;
};

class Trays : public ::testing::TestWithParam<TrayCase> {};

TEST_P(Trays, SendTheCommandsInOrderAndStopWhatPlaysFromTheDrive)
{
    const TrayCase& c = GetParam();
    DiscFixture f;
    f.setDrives({"/dev/sr0", "/dev/sr1"});
    const QString root = f.disc("disc", {"MPEGAV/AVSEQ01.DAT"});
    f.mountAt("/dev/sr0", root);
    f.form.kongzhi1_Click = [&](int Index) {
        if (Index == ControlItem::Stop)
            f.mci.sent << kStopped;
    };
    if (!c.current.isEmpty()) {
        f.setList({f.missing("before.mp3"), QString(c.current).replace('@', root)});
        PlaylistEntries::checkOnly(f.form.liebiao, 1);
    }

    if (c.tray == Tray::Open)
        f.form.tankai1_Click(c.index);
    else
        f.form.guanshang1_Click(c.index);

    EXPECT_EQ(f.mci.sent, c.commands);
    EXPECT_EQ(f.form.state.cd_drive, c.index == 0 ? "/dev/sr0" : "/dev/sr1");
    EXPECT_TRUE(f.messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Trays,
    ::testing::Values(
        TrayCase{"openWithNothingCurrent", Tray::Open, 0, "",
                 {"stop cd", "close cd", kOpen0, "set cd time format tmsf", "set cd door open wait"}},
        TrayCase{"openUnderItsPlayingTrack", Tray::Open, 0, "/dev/sr0/Track02.cda",
                 {"stop cd", "close cd", kStopped, kOpen0, "set cd time format tmsf", "set cd door open wait"}},
        TrayCase{"openUnderItsPlayingFile", Tray::Open, 0, "@/MPEGAV/AVSEQ01.DAT",
                 {"stop cd", "close cd", kStopped, kOpen0, "set cd time format tmsf", "set cd door open wait"}},
        TrayCase{"openWhileAnotherDrivePlays", Tray::Open, 1, "/dev/sr0/Track02.cda",
                 {"stop cd", "close cd", kOpen1, "set cd time format tmsf", "set cd door open wait"}},
        TrayCase{"openWhileADriveOfASimilarNamePlays", Tray::Open, 1, "/dev/sr10/Track01.cda",
                 {"stop cd", "close cd", kOpen1, "set cd time format tmsf", "set cd door open wait"}},
        TrayCase{"openWhileAFileOfTheDiskPlays", Tray::Open, 0, "/home/ann/dev/sr0/Track01.cda",
                 {"stop cd", "close cd", kOpen0, "set cd time format tmsf", "set cd door open wait"}},
        TrayCase{"close", Tray::Close, 1, "",
                 {"stop cd", "close cd", kOpen1, "set cd time format tmsf", "set cd door closed wait",
                  "stop cd", "close cd"}},
        TrayCase{"closeLeavesPlaybackAlone", Tray::Close, 0, "/dev/sr0/Track02.cda",
                 {"stop cd", "close cd", kOpen0, "set cd time format tmsf", "set cd door closed wait",
                  "stop cd", "close cd"}}),
    TestNames::ByName());

TEST(Trays, WithoutADriveNothingIsSent)
{
    DiscFixture f;
    f.setDrives({});
    f.form.tankai1_Click(0);
    f.form.guanshang1_Click(0);
    f.form.tankai1_Click(5);
    EXPECT_TRUE(f.mci.sent.isEmpty());
    EXPECT_TRUE(f.messages().isEmpty());
}

} // namespace
