#include "desktop_session.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

void stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

} // namespace

DesktopSession::DesktopSession()
{
    windowManager_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    windowManager_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!windowManager_.waitForStarted(5000))
        return;
    QTest::qWait(500); // openbox takes over the screen
    panel_.start(QStringLiteral("trayer"),
                 {QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"),
                  QStringLiteral("center"), QStringLiteral("--widthtype"), QStringLiteral("percent"),
                  QStringLiteral("--width"), QStringLiteral("100"), QStringLiteral("--height"),
                  QString::number(kPanelHeight), QStringLiteral("--SetDockType"), QStringLiteral("true"),
                  QStringLiteral("--SetPartialStrut"), QStringLiteral("true")});
    if (!panel_.waitForStarted(5000))
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    ready_ = QTest::qWaitFor(
        [screen] { return screen->availableGeometry().height() < screen->geometry().height(); }, 5000);
}

DesktopSession::~DesktopSession()
{
    stop(panel_);
    stop(windowManager_);
}
