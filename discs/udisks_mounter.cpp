#include "discs/disc_mounter.h"

#include "core/event_delivery.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");
// Mounting may wait for the drive to spin up or for the user to allow it.
constexpr int kCallTimeoutMs = 30000;

QDBusMessage callWaiting(const QDBusMessage& message)
{
    QDBusPendingCall pending = QDBusConnection::systemBus().asyncCall(message, kCallTimeoutMs);
    if (!pending.isFinished()) {
        QDBusPendingCallWatcher watcher(pending);
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        EventDelivery::InsideHandler inside;
        loop.exec();
    }
    return pending.reply();
}

// The UDisks2 block object of the device; empty when it knows none.
QString blockObject(const QString& device)
{
    QDBusMessage resolve = QDBusMessage::createMethodCall(
        kService, QStringLiteral("/org/freedesktop/UDisks2/Manager"),
        QStringLiteral("org.freedesktop.UDisks2.Manager"), QStringLiteral("ResolveDevice"));
    resolve << QVariantMap{{QStringLiteral("path"), device}} << QVariantMap();
    const QDBusMessage reply = callWaiting(resolve);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const auto objects = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().constFirst());
    return objects.isEmpty() ? QString() : objects.constFirst().path();
}

} // namespace

QString UDisksMounter::mount(const QString& device)
{
    if (!QDBusConnection::systemBus().isConnected())
        return {};
    const QString object = blockObject(device);
    if (object.isEmpty())
        return {};
    QDBusMessage mount = QDBusMessage::createMethodCall(
        kService, object, QStringLiteral("org.freedesktop.UDisks2.Filesystem"),
        QStringLiteral("Mount"));
    mount << QVariantMap();
    const QDBusMessage reply = callWaiting(mount);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().toString();
}
