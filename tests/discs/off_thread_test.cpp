// Work that may block runs off the window's thread while its events go on.
#include "discs/off_thread.h"

#include "core/event_delivery.h"

#include <QSemaphore>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(OffThread, TheWindowsEventsGoOnWhileTheWorkBlocks)
{
    // The work waits for a timer of the window's thread: it can only end
    // if events are delivered meanwhile.
    QSemaphore released;
    bool insideHandler = false;
    QTimer::singleShot(0, [&] {
        insideHandler = EventDelivery::insideHandler();
        released.release();
    });
    const auto result = runOffGuiThread<QString>(
        [&] {
            released.acquire();
            return QStringLiteral("/dev/sr0");
        },
        60000);
    EXPECT_EQ(result, std::optional<QString>("/dev/sr0"));
    EXPECT_TRUE(insideHandler);
}

TEST(OffThread, WorkThatDoesNotEndInTimeGivesNothingAndEndsOnItsOwn)
{
    auto released = std::make_shared<QSemaphore>();
    auto finished = std::make_shared<QSemaphore>();
    const auto result = runOffGuiThread<int>(
        [released, finished] {
            released->acquire();
            finished->release();
            return 1;
        },
        20);
    EXPECT_EQ(result, std::nullopt);
    released->release();
    EXPECT_TRUE(finished->tryAcquire(1, 60000));
}

} // namespace
