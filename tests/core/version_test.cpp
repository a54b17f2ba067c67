#include "core/version.h"

#include <gtest/gtest.h>

TEST(Version, MinorAndRevisionFollowTheMajorAsPlainDigits)
{
    EXPECT_EQ(versionText(10, 9, 0), "10.90");
    EXPECT_EQ(versionText(2, 0, 15), "2.015");
    EXPECT_EQ(appCaption(), "璇音坊 10.90");
}
