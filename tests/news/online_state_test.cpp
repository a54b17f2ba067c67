// The online state against a NetworkManager stand-in (python3-dbusmock's
// networkmanager template) on a private system bus of the test's own.
#include "platform/online_state.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// NetworkManager's global states.
constexpr uint kConnectedLocal = 50;
constexpr uint kConnectedGlobal = 70;
constexpr uint kDisconnected = 20;

class NetworkManagerStandIn {
public:
    NetworkManagerStandIn()
    {
        bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!bus_.waitForStarted(5000) || !bus_.waitForReadyRead(5000))
            return;
        const QByteArray address = bus_.readLine().trimmed();
        // Before anything in this process asks for the system bus.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
        mock_.setStandardOutputFile(QProcess::nullDevice()); // its log of every call
        mock_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The Debian package's interpreter, which has the dbusmock module.
        mock_.start("/usr/bin/python3", {"-m", "dbusmock", "--system", "--template", "networkmanager"});
        if (!mock_.waitForStarted(5000))
            return;
        const QDBusConnection system = QDBusConnection::systemBus();
        ready_ = QTest::qWaitFor(
            [&] {
                return mock_.state() != QProcess::Running
                       || system.interface()->isServiceRegistered(kService).value();
            },
            10000)
            && mock_.state() == QProcess::Running;
    }
    ~NetworkManagerStandIn()
    {
        for (QProcess* p : {&mock_, &bus_}) {
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
            p->waitForFinished(3000);
        }
    }
    bool ready() const { return ready_; }

    bool setState(uint state)
    {
        QDBusInterface mock(kService, "/org/freedesktop/NetworkManager", "org.freedesktop.DBus.Mock",
                            QDBusConnection::systemBus());
        return QDBusReply<void>(mock.call("SetGlobalConnectionState", state)).isValid();
    }

private:
    static constexpr const char* kService = "org.freedesktop.NetworkManager";
    QProcess bus_;
    QProcess mock_;
    bool ready_ = false;
};

TEST(OnlineState, FollowsTheNetworkManagerThroughOnlineDisconnectedAndBack)
{
    NetworkManagerStandIn manager;
    ASSERT_TRUE(manager.ready());
    OnlineState online;
    EXPECT_TRUE(QTest::qWaitFor([&] { return online.isOnline(); }, 3000)); // connected at start
    QSignalSpy changes(&online, &OnlineState::changed);

    ASSERT_TRUE(manager.setState(kDisconnected));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !online.isOnline(); }, 3000));
    ASSERT_TRUE(manager.setState(kConnectedGlobal));
    EXPECT_TRUE(QTest::qWaitFor([&] { return online.isOnline(); }, 3000));
    // A local network only is not online.
    ASSERT_TRUE(manager.setState(kConnectedLocal));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !online.isOnline(); }, 3000));
    ASSERT_GE(changes.size(), 3);
    EXPECT_EQ(changes.at(0).at(0).toBool(), false);
    EXPECT_EQ(changes.at(1).at(0).toBool(), true);
}

} // namespace
