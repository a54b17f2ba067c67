// The online state against a NetworkManager stand-in (python3-dbusmock's
// networkmanager template) on a private system bus of the test's own.
#include "doubles/system_bus_stand_in.h"
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

// NetworkManager's stand-in (dbusmock's own template) on a system bus of the test's own.
class NetworkManagerStandIn {
public:
    NetworkManagerStandIn()
    {
        ready_ = bus_.ready() && bus_.startStandIn(kService, {"--template", "networkmanager"});
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
    SystemBusStandIn bus_;
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
