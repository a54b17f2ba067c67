#include "core/version.h"

QString versionText(int major, int minor, int revision)
{
    return QString::number(major) + "." + QString::number(minor) + QString::number(revision);
}

QString appVersionText()
{
    return versionText(APP_VERSION_MAJOR, APP_VERSION_MINOR, APP_VERSION_PATCH);
}

QString appCaption()
{
    return QStringLiteral("璇音坊 ") + appVersionText();
}
