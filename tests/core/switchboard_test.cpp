// The switchboard's operations and the model's hooks to its views.
#include "core/hook.h"
#include "core/operation.h"
#include "doubles/missing_operations.h"

#include <QObject>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(Operation, RunsWhatItsFeatureAssignedAndReportsWhenNobodyDid)
{
    Operation<int(int)> twice{"twice"};
    {
        const RecordMissingOperations missing;
        EXPECT_EQ(twice(4), 0);
        EXPECT_EQ(missing.names(), QStringList{"twice"});
    }
    twice = [](int n) { return 2 * n; };
    EXPECT_EQ(twice(4), 8);
    // A wrapper keeps what it wraps.
    twice = [inner = twice.implementation()](int n) { return inner(n) + 1; };
    EXPECT_EQ(twice(4), 9);
}

TEST(UnhandledMenuItem, IsReportedWithTheMenuAndIndex)
{
    const RecordMissingOperations missing;
    reportUnhandledItem("wenjian1", 12);
    EXPECT_EQ(missing.names(), QStringList{"wenjian1[12]"});
}

TEST(Hook, StopsCallingOnceItsListenerIsGone)
{
    Hook<int(int)> hook;
    int calls = 0;
    auto view = std::make_unique<QObject>();
    hook.connect(view.get(), [&](int n) { ++calls; return n + 1; });
    EXPECT_TRUE(hook);
    EXPECT_EQ(hook(1), 2);

    view.reset();
    EXPECT_FALSE(hook);
    EXPECT_EQ(hook(1), 0);
    EXPECT_EQ(calls, 1);
}

} // namespace
