// The splash window: a random one of the five start pictures, the label,
// and the main window shown by its timer.
#include "window/main_window.h"
#include "window/splash_window.h"
#include "playlist/playlist_entries.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

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

class PaintCount : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// The main window is built while the splash waits: once, after the splash
// has been drawn, and never in place of the timer's step.
TEST(Splash, WorkWhileWaitingRunsOnceAfterTheSplashIsDrawn)
{
    bool mainShown = false;
    int worked = 0;
    int paintsBeforeWork = 0;
    SplashWindow splash(APP_DIR, [&] { mainShown = true; });
    PaintCount paints;
    splash.installEventFilter(&paints);
    splash.whenDrawn([&] {
        ++worked;
        paintsBeforeWork = paints.count;
    });
    splash.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return mainShown; }, 2000));
    EXPECT_EQ(worked, 1);
    EXPECT_GE(paintsBeforeWork, 1);
    splash.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(worked, 1);
}

TEST(Splash, WithoutPicturesShowsOnlyItsLabel)
{
    QTemporaryDir empty;
    SplashWindow splash(empty.path(), [] {});
    EXPECT_FALSE(splash.showsPicture());
    EXPECT_EQ(splash.label(), "正在启动,请稍侯...");
}

// Watches for the window's first appearance.
class ShowWatch : public QObject {
public:
    std::function<void()> onShow;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && onShow)
            std::exchange(onShow, nullptr)();
        return false;
    }
};

TEST(MainWindowLoad, AppearsOnlyOnceTheStartSequenceHasRun)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("数据库");
    QFile list(dir.filePath("数据库/播放列表.qmx"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("/m/a.mp3\r\n/m/b.mp4\r\n");
    list.close();

    MainWindow window;
    window.form().programDir = dir.path();
    QStringList listWhenShown;
    ShowWatch watch;
    watch.onShow = [&] { listWhenShown = PlaylistEntries::fullPaths(window.form().liebiao, window.form().state.entry_dirs); };
    window.installEventFilter(&watch);
    window.load({}, QPoint(40, 40));

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(listWhenShown, QStringList({"/m/a.mp3", "/m/b.mp4"}));
    window.form().Timer1.stop();
}

} // namespace
