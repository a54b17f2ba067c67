// Mounting a disc through UDisks2, against a stand-in of the service
// (python3-dbusmock with a template of ours) on a private system bus.
#include "discs/disc_mounter.h"

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

// A system bus of the test's own; the stand-in comes and goes on it.
class PrivateSystemBus {
public:
    PrivateSystemBus()
    {
        bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!bus_.waitForStarted(5000) || !bus_.waitForReadyRead(5000))
            return;
        // Before anything in this process asks for the system bus.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus_.readLine().trimmed());
        ready_ = QDBusConnection::systemBus().isConnected();
    }
    ~PrivateSystemBus()
    {
        stopStandIn();
        stop(bus_);
    }
    bool ready() const { return ready_; }

    bool startStandIn(const QJsonObject& parameters)
    {
        mock_.setStandardOutputFile(QProcess::nullDevice()); // its log of every call
        mock_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        mock_.start("/usr/bin/python3",
                    {"-m", "dbusmock", "--system", "--template", STANDIN_TEMPLATE, "--parameters",
                     QString::fromUtf8(QJsonDocument(parameters).toJson(QJsonDocument::Compact))});
        if (!mock_.waitForStarted(5000))
            return false;
        return QTest::qWaitFor(
                   [&] {
                       return mock_.state() != QProcess::Running
                              || QDBusConnection::systemBus().interface()->isServiceRegistered(kService).value();
                   },
                   10000)
               && mock_.state() == QProcess::Running;
    }
    void stopStandIn() { stop(mock_); }

private:
    static void stop(QProcess& p)
    {
        if (p.state() == QProcess::NotRunning)
            return;
        p.terminate();
        if (!p.waitForFinished(3000))
            p.kill();
        p.waitForFinished(3000);
    }

    QProcess bus_;
    QProcess mock_;
    bool ready_ = false;
};

TEST(UDisksMounter, MountsWhatHasAFileSystemAndNothingElse)
{
    PrivateSystemBus bus;
    ASSERT_TRUE(bus.ready());
    UDisksMounter mounter;
    // Without the service nothing mounts.
    EXPECT_EQ(mounter.mount("/dev/sr0"), "");

    ASSERT_TRUE(bus.startStandIn(QJsonObject{
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
