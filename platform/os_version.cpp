#include "platform/os_version.h"

#include <cstdio>
#include <sys/utsname.h>

std::optional<OsVersionRecord> queryOsVersion()
{
    utsname name{};
    if (uname(&name) != 0)
        return std::nullopt;
    OsVersionRecord record;
    record.platformId = 2;
    std::sscanf(name.release, "%d.%d.%d", &record.majorVersion, &record.minorVersion,
                &record.buildNumber);
    return record;
}
