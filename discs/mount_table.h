#pragma once

#include <QString>

// Where block devices are mounted, read from a table in the format of
// /proc/self/mountinfo each time it is asked.
class MountTable {
public:
    explicit MountTable(QString path = QStringLiteral("/proc/self/mountinfo"));

    // The folder the whole file system of the device is mounted on; empty
    // when it is not mounted. A device named through a link (/dev/cdrom)
    // is the device it points to.
    QString mountPointOf(const QString& device) const;

private:
    QString path_;
};
