#include "chrome/chrome_fixture.h"
#include "doubles/test_names.h"
#include "news/help_items.h"
#include "news/news_scheduler.h"

#include <QObject>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A run of the scheduler second by second: the switch, the network and
// the busy pane follow a script; the clock ticks while Timer_tan runs.
struct SchedulerCase {
    const char* name;
    double random;                           // the delay's random number
    std::function<bool(int second)> online;  // seconds counted from 1
    std::function<bool(int second)> forbidden;
    int busyAnswers;                         // busy checks answered "busy"
    int shownAtSecond;                       // 0: never shown
};

struct SchedulerRun : ChromeFixture {
    explicit SchedulerRun(const SchedulerCase& c) : script(c)
    {
        scheduler.random = [this] { ++randomCalls; return script.random; };
        scheduler.isOnline = [this] { return script.online(second); };
        scheduler.paneBusy.connect(&listener, [this] { ++busyChecks; return busyChecks <= script.busyAnswers; });
        scheduler.showPopup.connect(&listener, [this] { shownAt << second; });
        form.Timer_tan.start();
    }
    void run(int seconds)
    {
        for (second = 1; second <= seconds && form.Timer_tan.isActive(); ++second) {
            form.bangzhu1[HelpItem::NoNewsPopups].checked = script.forbidden(second);
            scheduler.Timer_tan_Timer();
        }
    }

    SchedulerCase script;
    NewsScheduler scheduler{form.bangzhu1, form.Timer_tan};
    QObject listener;
    int second = 0;
    int randomCalls = 0;
    int busyChecks = 0;
    QList<int> shownAt;
};

const auto always = [](int) { return true; };
const auto never = [](int) { return false; };

class Scheduler : public ::testing::TestWithParam<SchedulerCase> {};

TEST_P(Scheduler, ShowsThePopupOnceAfterTheOnlineDelay)
{
    SchedulerRun run(GetParam());
    run.run(2000);
    if (GetParam().shownAtSecond == 0) {
        EXPECT_TRUE(run.shownAt.isEmpty());
        EXPECT_TRUE(run.form.Timer_tan.isActive());
    } else {
        EXPECT_EQ(run.shownAt, QList<int>{GetParam().shownAtSecond});
        EXPECT_FALSE(run.form.Timer_tan.isActive()); // stopped for the rest of the run
    }
    EXPECT_LE(run.randomCalls, 1);
}

// random 0.5 gives a delay of 240 s: shown at the 252nd online second.
INSTANTIATE_TEST_SUITE_P(
    News, Scheduler,
    ::testing::Values(
        SchedulerCase{"online all the time", 0.5, always, never, 0, 252},
        SchedulerCase{"shortest delay", 0.0, always, never, 0, 192},
        SchedulerCase{"longest delay", 0.9999, always, never, 0, 311},
        SchedulerCase{"switch checked from the start", 0.5, always, always, 0, 0},
        SchedulerCase{"offline the whole time", 0.5, never, never, 0, 0},
        SchedulerCase{"offline every other second", 0.5, [](int s) { return s % 2 == 0; }, never, 0, 504},
        SchedulerCase{"offline for the first minute", 0.5, [](int s) { return s > 60; }, never, 0, 312},
        SchedulerCase{"busy at the tenth second", 0.5, always, never, 1, 253},
        SchedulerCase{"busy for five seconds", 0.5, always, never, 5, 257},
        SchedulerCase{"counting resumes when the switch is cleared", 0.5, always,
                      [](int s) { return s >= 100 && s < 150; }, 0, 302},
        SchedulerCase{"switch cleared after a while", 0.5, always, [](int s) { return s <= 30; }, 0, 282}),
    TestNames::ByName());

TEST(Scheduler, KeepsTheDelayChosenOnceAndAsksThePaneAtTheTenthSecond)
{
    SchedulerRun run({"", 0.25, always, never, 0, 0});
    run.run(1);
    EXPECT_EQ(run.scheduler.popup_delay, 210);
    run.run(218);
    EXPECT_EQ(run.busyChecks, 0);
    run.second = 220;
    run.scheduler.Timer_tan_Timer();
    EXPECT_EQ(run.busyChecks, 1);
    EXPECT_EQ(run.randomCalls, 1);
}

TEST(Scheduler, WithoutAPopupOrAnOnlineStateItStillEndsNowhereHarmful)
{
    ChromeFixture f;
    NewsScheduler scheduler{f.form.bangzhu1, f.form.Timer_tan};
    scheduler.random = [] { return 0.0; };
    for (int i = 0; i < 400; ++i)
        scheduler.Timer_tan_Timer(); // no network information: offline
    EXPECT_EQ(scheduler.online_ticks, 0);
    scheduler.isOnline = [] { return true; };
    f.form.Timer_tan.start();
    for (int i = 0; i < 400 && f.form.Timer_tan.isActive(); ++i)
        scheduler.Timer_tan_Timer(); // no popup listening: not busy, shown nowhere
    EXPECT_FALSE(f.form.Timer_tan.isActive());
    EXPECT_EQ(scheduler.online_ticks, 192);
}

} // namespace
