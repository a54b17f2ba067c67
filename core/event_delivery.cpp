#include "core/event_delivery.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace EventDelivery {

namespace {
// One thread runs every handler, so a plain counter is enough.
int depth = 0;
} // namespace

InsideHandler::InsideHandler()
{
    ++depth;
}

InsideHandler::~InsideHandler()
{
    --depth;
}

bool insideHandler()
{
    return depth > 0;
}

void deliverPending()
{
    const InsideHandler inside;
    QCoreApplication::processEvents();
}

void deliverFor(int ms)
{
    const InsideHandler inside;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace EventDelivery
