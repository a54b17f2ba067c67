#include "platform/os_name.h"

namespace {

QString consumerFamily(int minor)
{
    switch (minor) {
    case 0: return QStringLiteral("Windows 95");
    case 10: return QStringLiteral("Windows 98");
    case 90: return QStringLiteral("Windows Mellinnium");
    default: return QString();
    }
}

QString ntFamily(int major, int minor)
{
    if (major == 3)
        return QStringLiteral("WindowsNT 3.51");
    if (major == 4)
        return QStringLiteral("WindowsNT 4.0");
    if (major == 5 && minor == 0)
        return QStringLiteral("Windows 2000");
    if (major == 5 && minor == 1)
        return QStringLiteral("Windows XP");
    if (major == 5 && minor == 2)
        return QStringLiteral("Windows 2003");
    if (major == 6 && minor == 0)
        return QStringLiteral("Windows Vista");
    if (major == 6 && minor == 1)
        return QStringLiteral("Windows 7");
    return QString();
}

} // namespace

QString get_os_name(const OsVersionRecord& record)
{
    switch (record.platformId) {
    case 0: return QStringLiteral("Windows 32s");
    case 1: return consumerFamily(record.minorVersion);
    case 2: return ntFamily(record.majorVersion, record.minorVersion);
    default: return QStringLiteral("未知系统版本");
    }
}

OsVersionRecord soundVersionRecord(bool soundServerAnswers)
{
    OsVersionRecord record;
    record.platformId = 2;
    record.majorVersion = soundServerAnswers ? 6 : 5;
    record.minorVersion = 1;
    return record;
}
