#include "news/news_scheduler.h"

#include "core/menu_array.h"
#include "news/help_items.h"

#include <QRandomGenerator>
#include <QTimer>

NewsScheduler::NewsScheduler(MenuArray& bangzhu1, QTimer& Timer_tan)
    : random([] { return QRandomGenerator::global()->generateDouble(); }), bangzhu1_(bangzhu1),
      Timer_tan_(Timer_tan)
{
}

void NewsScheduler::Timer_tan_Timer()
{
    if (bangzhu1_[HelpItem::NoNewsPopups].checked)
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
        Timer_tan_.stop();
    }
}
