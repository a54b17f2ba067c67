#include "news/news_scheduler.h"

#include "core/form1.h"
#include "news/help_items.h"

#include <QRandomGenerator>

NewsScheduler::NewsScheduler(Form1& form)
    : random([] { return QRandomGenerator::global()->generateDouble(); }), form_(form)
{
}

void NewsScheduler::Timer_tan_Timer()
{
    if (form_.bangzhu1[HelpItem::NoNewsPopups].checked)
        return;
    if (popup_delay == 0)
        popup_delay = qBound(180, int(random() * 120 + 180), 299);
    if (!isOnline || !isOnline())
        return;
    ++online_ticks;
    if (online_ticks == popup_delay + 10) {
        // The same check comes again at the next online second.
        if (paneBusy())
            --online_ticks;
        return;
    }
    if (online_ticks == popup_delay + 12) {
        showPopup();
        form_.Timer_tan.stop();
    }
}
