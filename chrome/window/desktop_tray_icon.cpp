#include "chrome/window/desktop_tray_icon.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <xcb/xcb.h>

namespace {

constexpr int kLookAgainMs = 3000;

const char* const kWatcher = "org.kde.StatusNotifierWatcher";

// A session bus is there to ask: never start one just to look (the bus
// library would launch a daemon that outlives the program).
bool sessionBusPresent()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists();
}

bool statusNotifierHostPresent()
{
    if (!sessionBusPresent())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(QLatin1String(kWatcher)))
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        QLatin1String(kWatcher), QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QLatin1String(kWatcher) << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusReply<QDBusVariant> reply = bus.call(get, QDBus::Block, 1000);
    return reply.isValid() && reply.value().variant().toBool();
}

// The screen number of the X display, as "host:display.screen" gives it.
int x11ScreenNumber()
{
    const QByteArray display = qgetenv("DISPLAY");
    const int dot = display.lastIndexOf('.');
    const int colon = display.lastIndexOf(':');
    return dot > colon ? display.mid(dot + 1).toInt() : 0;
}

// An X11 notification area owns the selection _NET_SYSTEM_TRAY_S<screen>.
bool xembedTrayPresent()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(x11ScreenNumber());
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, uint16_t(name.size()), name.constData()), nullptr);
    if (!atom)
        return false;
    bool owned = false;
    if (atom->atom != XCB_ATOM_NONE) {
        xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
        owned = owner && owner->owner != XCB_WINDOW_NONE;
        free(owner);
    }
    free(atom);
    return owned;
}

} // namespace

DesktopTrayIcon::DesktopTrayIcon(QMenu* menu, const QIcon& icon, std::function<void()> leftClick,
                                 QObject* parent)
    : QObject(parent), menu_(menu), picture_(icon), leftClick_(std::move(leftClick))
{
    lookAgain_.setInterval(kLookAgainMs);
    connect(&lookAgain_, &QTimer::timeout, this, [this] {
        if (create())
            lookAgain_.stop();
    });
}

DesktopTrayIcon::~DesktopTrayIcon()
{
    delete icon_;
}

bool DesktopTrayIcon::trayPresent()
{
    return statusNotifierHostPresent() || xembedTrayPresent();
}

void DesktopTrayIcon::add()
{
    if (!create())
        lookAgain_.start();
}

bool DesktopTrayIcon::create()
{
    if (icon_)
        return true;
    if (!trayPresent())
        return false;
    icon_ = new QSystemTrayIcon(picture_);
    icon_->setToolTip(tip_);
    if (menu_) {
        // A panel may read the menu without opening it first: it takes
        // its current items now.
        QMetaObject::invokeMethod(menu_, "aboutToShow", Qt::DirectConnection);
        icon_->setContextMenu(menu_);
    }
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::Trigger && leftClick_)
            leftClick_();
    });
    icon_->show();
    return true;
}

void DesktopTrayIcon::setTip(const QString& text)
{
    tip_ = text;
    if (icon_)
        icon_->setToolTip(text);
}

void DesktopTrayIcon::remove()
{
    lookAgain_.stop();
    if (!icon_)
        return;
    icon_->hide();
    delete icon_;
    icon_ = nullptr;
}

bool DesktopTrayIcon::shown() const
{
    return icon_ && icon_->isVisible();
}
