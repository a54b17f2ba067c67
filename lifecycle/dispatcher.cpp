#include "lifecycle/dispatcher.h"

#include "core/flags.h"
#include "core/form1.h"

void Dispatcher::tick()
{
    tickMs_ += form_.Timer1.interval();
    if (tickMs_ >= 500) {
        tickMs_ = 0;
        form_.shijian1();
    }
    // Cleared first: the start step waits for drives with events going on,
    // and a tick meanwhile must not start it again.
    if (form_.state.start_pending == Flag::StartPending) {
        form_.state.start_pending.clear();
        form_.shijian5();
    }
    form_.shijian2();
    form_.shijian3();
    form_.shijian6();

    tickCount_ += 1;
    if (tickCount_ < 5) {
        form_.rengong_kongzhi(0);
    } else {
        form_.unloadSplash();
        tickCount_ = 10;
    }
}
