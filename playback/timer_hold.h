#pragma once

#include <QList>
#include <QPointer>
#include <QTimer>

// Holds the program's timers while an entry opens: each timer's enabled
// state is kept in its own "Tag" property as the text of a Boolean ("True"
// or "False"), and the timer is stopped; release() sets each back from its
// Tag. Timers that went away meanwhile are passed over.
namespace TimerHold {

void hold(const QList<QPointer<QTimer>>& timers);
void release(const QList<QPointer<QTimer>>& timers);

} // namespace TimerHold
