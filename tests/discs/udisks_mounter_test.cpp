// Mounting a disc through UDisks2, against a stand-in of the service
// (python3-dbusmock with a template of ours) on a private system bus.
#include "discs/disc_mounter.h"
#include "doubles/system_bus_stand_in.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#ifndef STANDIN_TEMPLATE
#error "STANDIN_TEMPLATE names the stand-in's dbusmock template"
#endif

namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");

// The stand-in of UDisks2 with the drives and file systems of parameters.
bool startUDisks(SystemBusStandIn& bus, const QJsonObject& parameters)
{
    return bus.startStandIn(kService, {"--template", STANDIN_TEMPLATE, "--parameters",
                                       QString::fromUtf8(QJsonDocument(parameters).toJson(QJsonDocument::Compact))});
}

TEST(UDisksMounter, MountsWhatHasAFileSystemAndNothingElse)
{
    SystemBusStandIn bus;
    ASSERT_TRUE(bus.ready());
    UDisksMounter mounter;
    // Without the service nothing mounts.
    EXPECT_EQ(mounter.mount("/dev/sr0"), "");

    ASSERT_TRUE(startUDisks(bus, QJsonObject{
        {"mountable", QJsonObject{{"/dev/sr0", "/media/ann/MY DISC"}, {"/dev/sr2", "/media/ann/电影"}}},
        {"blank", QJsonArray{"/dev/sr1"}}}));
    EXPECT_EQ(mounter.mount("/dev/sr0"), "/media/ann/MY DISC");
    EXPECT_EQ(mounter.mount("/dev/sr2"), "/media/ann/电影");
    EXPECT_EQ(mounter.mount("/dev/sr1"), "");  // no file system: an empty drive, an audio CD
    EXPECT_EQ(mounter.mount("/dev/sr9"), "");  // a drive the service does not know

    bus.stopStandIn();
    EXPECT_EQ(mounter.mount("/dev/sr0"), "");
}

} // namespace
