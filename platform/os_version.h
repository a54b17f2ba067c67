#pragma once

#include <optional>

// The operating system's version record: version numbers and the platform
// family (1 = the old consumer family, 2 = the NT family, which every
// current system reports).
struct OsVersionRecord {
    int majorVersion = 0;
    int minorVersion = 0;
    int buildNumber = 0;
    int platformId = 0;
};

// Empty when the system cannot be asked.
std::optional<OsVersionRecord> queryOsVersion();
