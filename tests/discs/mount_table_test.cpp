// Finding where a disc is mounted in a table written like /proc/self/mountinfo.
#include "discs/mount_table.h"

#include "doubles/test_names.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct MountCase {
    const char* name;
    QByteArray table;
    QString device;
    QString mountPoint;
};

class MountTableLookup : public ::testing::TestWithParam<MountCase> {};

TEST_P(MountTableLookup, GivesTheFolderTheWholeDiscIsMountedOn)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("mountinfo");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().table);
    file.close();
    EXPECT_EQ(MountTable(path).mountPointOf(GetParam().device), GetParam().mountPoint);
}

const QByteArray kRoot = "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n";

INSTANTIATE_TEST_SUITE_P(
    Table, MountTableLookup,
    ::testing::Values(
        MountCase{"mounted", kRoot + "40 22 11:0 / /media/ann/VCD ro,nosuid shared:9 - iso9660 /dev/sr0 ro\n",
                  "/dev/sr0", "/media/ann/VCD"},
        MountCase{"noOptionalFields", kRoot + "40 22 11:0 / /mnt/dvd ro - udf /dev/sr1 ro\n", "/dev/sr1",
                  "/mnt/dvd"},
        MountCase{"escapedBlanksAndBackslash",
                  kRoot + "40 22 11:0 / /media/ann/MY\\040DISC\\134A ro - iso9660 /dev/sr0 ro\n",
                  "/dev/sr0", "/media/ann/MY DISC\\A"},
        MountCase{"chineseLabel", kRoot + "40 22 11:0 / /media/ann/电影 ro - iso9660 /dev/sr0 ro\n",
                  "/dev/sr0", "/media/ann/电影"},
        MountCase{"otherDriveOnly", kRoot + "40 22 11:0 / /media/ann/VCD ro - iso9660 /dev/sr1 ro\n",
                  "/dev/sr0", ""},
        MountCase{"similarNameOnly", kRoot + "40 22 11:0 / /media/ann/VCD ro - iso9660 /dev/sr10 ro\n",
                  "/dev/sr1", ""},
        // A bind mount of a folder of the disc is not the disc's root.
        MountCase{"bindMountOfAFolder",
                  kRoot + "40 22 11:0 /MPEGAV /srv/clips ro - iso9660 /dev/sr0 ro\n"
                          "41 22 11:0 / /media/ann/VCD ro - iso9660 /dev/sr0 ro\n",
                  "/dev/sr0", "/media/ann/VCD"},
        MountCase{"damagedLines", "garbage\n\n40 22 11:0 / - iso9660\n- - - - - - -\n", "/dev/sr0", ""},
        MountCase{"noDevice", kRoot, "", ""}),
    TestNames::ByName());

TEST(MountTableLookup, ADeviceNamedThroughALinkIsTheDeviceItPointsTo)
{
    QTemporaryDir dir;
    const QString device = dir.filePath("sr0");
    QFile(device).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(device, dir.filePath("cdrom")));
    QFile table(dir.filePath("mountinfo"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("40 22 11:0 / /media/ann/VCD ro - iso9660 " + device.toUtf8() + " ro\n");
    table.close();
    EXPECT_EQ(MountTable(table.fileName()).mountPointOf(dir.filePath("cdrom")), "/media/ann/VCD");
}

TEST(MountTableLookup, AMissingTableMountsNothing)
{
    EXPECT_EQ(MountTable("/nonexistent/mountinfo").mountPointOf("/dev/sr0"), "");
}

} // namespace
