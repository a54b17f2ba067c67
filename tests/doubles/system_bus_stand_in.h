#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStringList>
#include <QTest>

// A system bus of the test's own (a dbus-daemon that this process takes as
// its system bus) and on it a stand-in of a system service made with
// python3-dbusmock, which can come and go. Make it before anything in the
// process asks for the system bus.
class SystemBusStandIn {
public:
    SystemBusStandIn()
    {
        bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!bus_.waitForStarted(5000) || !bus_.waitForReadyRead(5000))
            return;
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus_.readLine().trimmed());
        ready_ = QDBusConnection::systemBus().isConnected();
    }
    ~SystemBusStandIn()
    {
        stopStandIn();
        stop(bus_);
    }
    bool ready() const { return ready_; }

    // Starts dbusmock with these arguments (after "--system") and waits
    // until service is on the bus; false when it never came.
    bool startStandIn(const QString& service, const QStringList& dbusmockArguments)
    {
        mock_.setStandardOutputFile(QProcess::nullDevice()); // its log of every call
        mock_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The Debian package's interpreter, which has the dbusmock module.
        mock_.start("/usr/bin/python3", QStringList{"-m", "dbusmock", "--system"} + dbusmockArguments);
        if (!mock_.waitForStarted(5000))
            return false;
        return QTest::qWaitFor(
                   [&] {
                       return mock_.state() != QProcess::Running
                              || QDBusConnection::systemBus().interface()->isServiceRegistered(service).value();
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
