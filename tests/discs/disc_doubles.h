#pragma once

#include "discs/disc_mounter.h"
#include "discs/optical_drives.h"

#include <QMap>
#include <QStringList>
#include <functional>

// Optical drives as a list the test sets.
class ListedDrives : public OpticalDrives {
public:
    QStringList devices() override { return listed; }
    QStringList listed;
};

// A mounter that mounts the devices it is given a folder for and records
// every device it was asked to mount.
class ScriptedMounter : public DiscMounter {
public:
    QString mount(const QString& device) override
    {
        asked << device;
        if (whileMounting)
            whileMounting();
        return folders.value(device);
    }
    QMap<QString, QString> folders;
    QStringList asked;
    // Runs inside each mount, as events do while the real one waits.
    std::function<void()> whileMounting;
};
