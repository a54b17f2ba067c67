#pragma once

#include <QString>

// The program's icon in the desktop's notification area (or status
// notifier host): its picture is the main window's own icon.
class TrayIcon {
public:
    virtual ~TrayIcon() = default;

    virtual void add() = 0;
    virtual void setTip(const QString& text) = 0;
    virtual void remove() = 0;
};
