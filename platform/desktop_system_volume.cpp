#include "platform/desktop_system_volume.h"

#include "platform/os_name.h"

OsVersionRecord DesktopSystemVolume::versionRecord()
{
    return soundVersionRecord(soundServerAnswers());
}
