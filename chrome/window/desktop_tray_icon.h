#pragma once

#include "chrome/tray_icon.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QMenu;
class QSystemTrayIcon;

// The tray icon on a Linux desktop: a StatusNotifierItem where a host
// shows such items (KDE, most panels, GNOME with its AppIndicator
// extension), else an icon embedded in an X11 notification area. Qt
// settles which of the two for good when it first creates an icon, so the
// icon is created only once one of them is there; until then the desktop
// is looked at again every few seconds, and an icon comes when a tray does.
// The desktop opens the menu on a right click.
class DesktopTrayIcon : public QObject, public TrayIcon {
    Q_OBJECT
public:
    DesktopTrayIcon(QMenu* menu, const QIcon& icon, std::function<void()> leftClick,
                    QObject* parent = nullptr);
    ~DesktopTrayIcon() override;

    void add() override;
    void setTip(const QString& text) override;
    void remove() override;

    // Whether an icon shows in a tray now.
    bool shown() const;
    // A status notifier host, or an X11 notification area, is there.
    static bool trayPresent();

private:
    bool create();

    QPointer<QMenu> menu_;
    QIcon picture_;
    std::function<void()> leftClick_;
    QString tip_;
    QSystemTrayIcon* icon_ = nullptr;
    QTimer lookAgain_;
};
