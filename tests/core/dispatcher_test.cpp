// The order and rhythm of the 200 ms dispatcher's steps.
#include "lifecycle/dispatcher.h"
#include "core/flags.h"
#include "form1_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(Dispatcher, TicksRunTheirStepsInOrder)
{
    Form1Fixture f;
    f.form.state.start_pending = Flag::StartPending;
    Dispatcher dispatcher(f.form);
    const QStringList refreshes = {"shijian2", "shijian3", "shijian6"};

    QList<QStringList> ticks;
    for (int i = 0; i < 7; ++i) {
        f.form.calls.clear();
        dispatcher.tick();
        ticks << f.form.calls;
    }

    EXPECT_EQ(ticks[0], QStringList({"shijian5"}) + refreshes + QStringList({"rengong_kongzhi:0"}));
    EXPECT_EQ(ticks[1], refreshes + QStringList({"rengong_kongzhi:0"}));
    EXPECT_EQ(ticks[2], QStringList({"shijian1"}) + refreshes + QStringList({"rengong_kongzhi:0"}));
    EXPECT_EQ(ticks[3], refreshes + QStringList({"rengong_kongzhi:0"}));
    EXPECT_EQ(ticks[4], refreshes + QStringList({"unloadSplash"}));
    EXPECT_EQ(ticks[5], QStringList({"shijian1"}) + refreshes + QStringList({"unloadSplash"}));
    EXPECT_EQ(ticks[6], refreshes + QStringList({"unloadSplash"}));
    EXPECT_TRUE(f.form.state.start_pending.isEmpty());
}

TEST(Dispatcher, ATickWhileTheStartStepWaitsDoesNotStartItAgain)
{
    Form1Fixture f;
    f.form.state.start_pending = Flag::StartPending;
    Dispatcher dispatcher(f.form);
    int starts = 0;
    f.form.shijian5 = [&] {
        if (++starts == 1)
            dispatcher.tick(); // the timer fires while the step waits
    };
    dispatcher.tick();
    EXPECT_EQ(starts, 1);
    EXPECT_TRUE(f.form.state.start_pending.isEmpty());
}

} // namespace
