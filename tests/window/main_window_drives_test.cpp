// The File menu's drive submenus in the real main window: a found drive
// shows in all three, and its items reach the disc handlers.
#include "tests/window/glue_window.h"
#include "tests/window/glue_media.h"

#include "discs/discs.h"

#include <gtest/gtest.h>

namespace {

const QString kDevice = QStringLiteral("/dev/sr-test");

// A drive as the drive search lists it. The test's device path names no
// real drive, so nothing on this computer is mounted or ejected.
void addDrive(GlueWindow& w)
{
    ASSERT_TRUE(waitUntil([&] { return w.form().acceptsDrops; })); // the start step ran
    for (MenuArray* menu : {&w.form().bofangguangpan1, &w.form().tankai1, &w.form().guanshang1}) {
        (*menu)[0].caption = kDevice;
        (*menu)[0].visible = true;
    }
}

TEST(MainWindowDrives, PlayingAnEmptyDriveShowsTheMessageAndKeepsTheList)
{
    GlueWindow w(glueMedia().list());
    addDrive(w);
    ASSERT_TRUE(w.choosePath({"文件(&F)", "播放CD、VCD或DVD光盘(&V)", kDevice}));
    EXPECT_TRUE(waitUntil([&] { return w.closer.closedDialogs.size() == 1; }));
    EXPECT_EQ(w.entries(), glueMedia().list());
}

TEST(MainWindowDrives, TheTrayItemsSendTheirCommandsToTheDrive)
{
    for (const QString& item : {QStringLiteral("弹开 CD-ROM(&Q)"), QStringLiteral("关上 CD-ROM(&M)")}) {
        GlueWindow w(glueMedia().list());
        addDrive(w);
        ASSERT_TRUE(w.choosePath({"文件(&F)", item, kDevice})) << item.toStdString();
        EXPECT_EQ(w.form().state.cd_drive, kDevice);
        EXPECT_TRUE(w.closer.closedDialogs.isEmpty());
    }
}

} // namespace
