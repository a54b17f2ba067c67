// The splash window: a random one of the five start pictures, the label,
// and the main window shown by its timer.
#include "core/window/splash_window.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Splash, ShowsOneOfTheFivePicturesThenTheMainWindow)
{
    bool mainShown = false;
    SplashWindow splash(APP_DIR, [&] { mainShown = true; });
    EXPECT_TRUE(QRegularExpression("/TUBIAO/QIDONGTU/[1-5]\\.jpg$").match(splash.pictureFile()).hasMatch())
        << splash.pictureFile().toStdString();
    EXPECT_TRUE(splash.showsPicture());
    EXPECT_EQ(splash.label(), "正在启动,请稍侯...");
    EXPECT_EQ(splash.windowTitle(), "璇音坊 10.90");
    EXPECT_TRUE(QTest::qWaitFor([&] { return mainShown; }, 2000));
}

TEST(Splash, WithoutPicturesShowsOnlyItsLabel)
{
    QTemporaryDir empty;
    SplashWindow splash(empty.path(), [] {});
    EXPECT_FALSE(splash.showsPicture());
    EXPECT_EQ(splash.label(), "正在启动,请稍侯...");
}

} // namespace
