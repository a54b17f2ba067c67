#include "playback/timer_hold.h"

#include <QVariant>

namespace TimerHold {

namespace {

const char* const kTag = "Tag";

} // namespace

void hold(const QList<QPointer<QTimer>>& timers)
{
    for (const QPointer<QTimer>& timer : timers) {
        if (!timer)
            continue;
        timer->setProperty(kTag, timer->isActive() ? QStringLiteral("True") : QStringLiteral("False"));
        timer->stop();
    }
}

void release(const QList<QPointer<QTimer>>& timers)
{
    for (const QPointer<QTimer>& timer : timers) {
        if (!timer)
            continue;
        const QString tag = timer->property(kTag).toString();
        if (tag == QLatin1String("True"))
            timer->start();
        else if (tag == QLatin1String("False"))
            timer->stop();
    }
}

} // namespace TimerHold
