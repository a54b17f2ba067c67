#include "discs/optical_drives.h"

#include "discs/off_thread.h"

#include <cdio/cdio.h>

namespace {

constexpr int kSearchTimeoutMs = 15000;

QStringList listDevices()
{
    QStringList found;
    char** devices = cdio_get_devices(DRIVER_DEVICE);
    if (!devices)
        return found; // no drive at all
    for (char** device = devices; *device; ++device)
        found << QString::fromLocal8Bit(*device);
    cdio_free_device_list(devices);
    return found;
}

} // namespace

QStringList CdioOpticalDrives::devices()
{
    return runOffGuiThread<QStringList>(listDevices, kSearchTimeoutMs).value_or(QStringList());
}
