#include "scripted_mci.h"

bool ScriptedMci::send(const QString& command, QString* reply)
{
    sent << command;
    const bool ok = !failAll;
    lastError_ = ok ? QString() : QStringLiteral("设备没有打开。");
    if (reply)
        *reply = ok ? replies.value(command) : QString();
    return ok;
}
