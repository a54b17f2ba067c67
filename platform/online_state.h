#pragma once

#include <QObject>

// Whether the computer is online, from Qt's network information (the
// desktop's network manager, or GLib's network monitor without one).
// When neither can be asked, it counts as offline.
class OnlineState : public QObject {
    Q_OBJECT
public:
    explicit OnlineState(QObject* parent = nullptr);

    bool isOnline() const;

signals:
    void changed(bool online);
};
