#pragma once

#include <QString>

// Mounts a disc that the desktop has not mounted yet, the way file
// managers do.
class DiscMounter {
public:
    virtual ~DiscMounter() = default;
    // The folder the disc's file system is now mounted on; empty when the
    // drive holds no file system or nothing can mount it.
    virtual QString mount(const QString& device) = 0;
};

// Mounts through the system's UDisks2 service on D-Bus; without that
// service nothing is mounted. Waits with the window's events going on.
class UDisksMounter : public DiscMounter {
public:
    QString mount(const QString& device) override;
};
