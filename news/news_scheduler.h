#pragma once

#include "core/hook.h"

#include <functional>

class MenuArray;
class QTimer;

// The news popup's scheduler, run by the main window's Timer_tan every
// second: once per run, popup_delay + 12 online seconds after the start
// (180 to 299 seconds plus 12), it shows the popup, unless the Help switch
// "禁止弹出新闻资讯(&X)" is checked. Two seconds before, it asks whether the
// popup's news pane is still busy, which loads the popup unseen; while the
// pane is busy the count waits.
class NewsScheduler {
public:
    NewsScheduler(MenuArray& bangzhu1, QTimer& Timer_tan);

    void Timer_tan_Timer();

    // A random number in [0, 1) from the program's seeded generator.
    std::function<double()> random;
    // Whether the computer is online; not knowing counts as offline.
    std::function<bool()> isOnline;
    // The popup's news pane: whether it is still loading (this loads the
    // popup without showing it), and showing the popup.
    Hook<bool()> paneBusy;
    Hook<void()> showPopup;

    int popup_delay = 0; // seconds
    int online_ticks = 0;

private:
    MenuArray& bangzhu1_;
    QTimer& Timer_tan_;
};
