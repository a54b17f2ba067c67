#include "desktop/mpris_service.h"

#include "desktop/mpris_adaptors.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QMetaProperty>

namespace {
const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kBaseName = QStringLiteral("org.mpris.MediaPlayer2.xuanyinfang");
} // namespace

MprisService::MprisService(Form1& form, std::function<void()> raise, QObject* parent)
    : QObject(parent), form_(form), raise_(std::move(raise))
{
    new MprisRootAdaptor(this);
    player_ = new MprisPlayerAdaptor(this);
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &MprisService::refresh);
}

MprisService::~MprisService()
{
    if (busName_.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(kObjectPath);
    bus.unregisterService(busName_);
}

bool MprisService::start()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors))
        return false;
    // A second running player takes a name of its own, as the desktop expects.
    for (const QString& name :
         {kBaseName, kBaseName + QStringLiteral(".instance") +
                         QString::number(QCoreApplication::applicationPid())}) {
        if (bus.registerService(name)) {
            busName_ = name;
            break;
        }
    }
    if (busName_.isEmpty()) {
        bus.unregisterObject(kObjectPath);
        return false;
    }
    state_ = MprisState::read(form_);
    sinceRead_.start();
    poll_.start();
    return true;
}

void MprisService::refresh()
{
    const MprisState now = MprisState::read(form_);
    const bool jumped = positionJumped(state_, now, sinceRead_.restart());
    const QStringList changed = changedPlayerProperties(state_, now);
    state_ = now;
    if (!changed.isEmpty())
        announce(changed);
    if (jumped)
        emit player_->Seeked(now.positionUs);
}

void MprisService::announceSeek()
{
    state_ = MprisState::read(form_);
    sinceRead_.restart();
    emit player_->Seeked(state_.positionUs);
}

void MprisService::announce(const QStringList& properties)
{
    QVariantMap values;
    const QMetaObject* meta = player_->metaObject();
    for (const QString& name : properties) {
        const int index = meta->indexOfProperty(name.toLatin1().constData());
        if (index >= 0)
            values.insert(name, meta->property(index).read(player_));
    }
    QDBusMessage signal = QDBusMessage::createSignal(
        kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << values << QStringList();
    QDBusConnection::sessionBus().send(signal);
}
