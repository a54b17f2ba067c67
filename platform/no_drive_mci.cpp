#include "platform/no_drive_mci.h"

bool NoDriveMci::send(const QString&, QString* reply)
{
    if (reply)
        reply->clear();
    return false;
}

QString NoDriveMci::lastError() const
{
    return QStringLiteral("没有光驱。");
}
