#include "platform/desktop_session.h"

#include <QByteArray>
#include <QtGlobal>

void preferXWaylandOnWayland()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const bool wayland = qgetenv("XDG_SESSION_TYPE") == "wayland"
                         || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
