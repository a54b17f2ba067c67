// The three drive submenus as the drive search fills them.
#include "disc_fixture.h"

#include "doubles/test_names.h"

#include <gtest/gtest.h>

namespace {

struct DriveListCase {
    const char* name;
    QStringList devices;
};

QStringList manyDrives(int count)
{
    QStringList devices;
    for (int i = 0; i < count; ++i)
        devices << QStringLiteral("/dev/sr%1").arg(i);
    return devices;
}

class DriveMenus : public ::testing::TestWithParam<DriveListCase> {};

TEST_P(DriveMenus, EachDriveHasTheSameIndexInAllThreeSubmenus)
{
    DiscFixture f;
    f.setDrives(GetParam().devices);

    const QStringList devices = GetParam().devices;
    for (const MenuArray* menu : {&f.form.bofangguangpan1, &f.form.tankai1, &f.form.guanshang1}) {
        QStringList captions;
        for (auto it = menu->items().cbegin(); it != menu->items().cend(); ++it) {
            if (it.value().visible)
                captions << QString::number(it.key()) + '=' + it.value().caption;
        }
        QStringList expected;
        for (int i = 0; i < devices.size(); ++i)
            expected << QString::number(i) + '=' + devices.at(i);
        EXPECT_EQ(captions, expected);
        // Item 0 is there from the start, without a drive hidden and empty.
        ASSERT_TRUE(menu->contains(0));
        EXPECT_EQ(menu->items().size(), std::max<qsizetype>(1, devices.size()));
        if (devices.isEmpty()) {
            EXPECT_TRUE(menu->at(0).caption.isEmpty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DriveMenus,
                         ::testing::Values(DriveListCase{"none", {}},
                                           DriveListCase{"one", {"/dev/sr0"}},
                                           DriveListCase{"two", {"/dev/sr0", "/dev/sr1"}},
                                           DriveListCase{"seventeen", manyDrives(17)}),
                         TestNames::ByName());

TEST(DriveMenus, TheProgramStartsWithHiddenEmptyDriveItems)
{
    DiscFixture f;
    for (const MenuArray* menu : {&f.form.bofangguangpan1, &f.form.tankai1, &f.form.guanshang1}) {
        ASSERT_EQ(menu->items().keys(), QList<int>{0});
        EXPECT_FALSE(menu->at(0).visible);
        EXPECT_TRUE(menu->at(0).caption.isEmpty());
    }
}

} // namespace
