#include "core/menu_array.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuArray, ItemsKeepTheirIndexesAcrossGaps)
{
    MenuArray menu;
    menu[0].caption = QStringLiteral("打开");
    menu[4].caption = QStringLiteral("-");
    EXPECT_TRUE(menu.contains(4));
    EXPECT_FALSE(menu.contains(1));
    EXPECT_EQ(menu.at(4).caption, QStringLiteral("-"));
    menu.remove(0);
    EXPECT_FALSE(menu.contains(0));
    EXPECT_EQ(menu.items().size(), 1);
}

#ifndef QT_NO_DEBUG
// A missing index is a programming error; builds with assertions stop there
// instead of reading past the end of the map.
TEST(MenuArrayDeathTest, AtAMissingIndexStops)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    MenuArray menu;
    menu[0].caption = QStringLiteral("打开");
    menu[2].caption = QStringLiteral("关闭");
    EXPECT_DEATH(menu.at(1), "contains\\(index\\)");
}
#endif

} // namespace
