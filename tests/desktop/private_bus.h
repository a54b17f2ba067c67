#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// A session bus of the test's own: a dbus-daemon that ends with it. Its
// address is empty when the daemon could not start.
class PrivateBus {
public:
    PrivateBus()
    {
        daemon_.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (!daemon_.waitForStarted(5000))
            return;
        while (address_.isEmpty() && daemon_.waitForReadyRead(5000))
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    QString address() const { return address_; }
    // Makes it this process's session bus (before the first use of the bus).
    void becomeSessionBus() const { qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8()); }

private:
    QProcess daemon_;
    QString address_;
};
