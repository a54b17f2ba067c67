// The tray icon embedded in an X11 notification area (trayer) on the test
// display, clicked with real pointer input.
#include "chrome/window/desktop_tray_icon.h"
#include "tests/window/glue_window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void xdotool(const QStringList& args)
{
    QProcess::execute(QStringLiteral("xdotool"), args);
    QTest::qWait(50);
}

void clickAt(QPoint at, int button)
{
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
    xdotool({"click", QString::number(button)});
}

// Qt's widget embedded in the notification area for the icon.
QWidget* embeddedIcon()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (QLatin1String(w->metaObject()->className()) == "QSystemTrayIconSys" && w->isVisible())
            return w;
    }
    return nullptr;
}

QPoint centreOf(QWidget* w)
{
    return w->mapToGlobal(w->rect().center());
}

class Trayer {
public:
    void start()
    {
        process_.start("trayer", {"--edge", "bottom", "--align", "right", "--widthtype", "pixel",
                                  "--width", "120", "--height", "28"});
        process_.waitForStarted();
        waitUntil([] { return DesktopTrayIcon::trayPresent(); });
    }
    ~Trayer()
    {
        process_.terminate();
        process_.waitForFinished(3000);
    }

private:
    QProcess process_;
};

TEST(TrayOnScreen, LeftClickRestoresMaximizedAndRightClickOpensTheMenu)
{
    Trayer trayer;
    trayer.start();
    ASSERT_TRUE(DesktopTrayIcon::trayPresent());
    GlueWindow w;
    ASSERT_TRUE(waitUntil([] { return embeddedIcon() != nullptr; }));
    QTest::qWait(300);

    w.window().showMaximized();
    ASSERT_TRUE(waitUntil([&] { return w.window().isMaximized(); }));
    w.window().showMinimized();
    ASSERT_TRUE(waitUntil([&] { return w.window().isMinimized(); }));
    QTest::qWait(200);
    clickAt(centreOf(embeddedIcon()), 1);
    EXPECT_TRUE(waitUntil([&] { return !w.window().isMinimized() && w.window().isMaximized(); }));
    EXPECT_TRUE(waitUntil([&] { return w.window().isActiveWindow(); }));

    // Not minimized: a left click changes nothing.
    clickAt(centreOf(embeddedIcon()), 1);
    QTest::qWait(200);
    EXPECT_TRUE(w.window().isMaximized());

    clickAt(centreOf(embeddedIcon()), 3);
    QMenu* menu = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu != nullptr;
    }));
    EXPECT_EQ(menu->title(), "托盘");
    QAction* nothing = nullptr;
    QStringList captions;
    for (QAction* action : menu->actions()) {
        captions << action->text();
        if (action->text() == "什么都不做(&M)")
            nothing = action;
    }
    EXPECT_TRUE(captions.contains("新闻资讯(&W)")) << captions.join(' ').toStdString();
    ASSERT_NE(nothing, nullptr);
    clickAt(menu->mapToGlobal(menu->actionGeometry(nothing).center()), 1);
    EXPECT_TRUE(waitUntil([&] { return !menu->isVisible(); }));
    EXPECT_TRUE(w.form().state.closing.isEmpty());
    EXPECT_EQ(w.quitCalls, 0);
}

TEST(TrayOnScreen, ATrayThatComesLateStillGetsTheIcon)
{
    GlueWindow w;
    QTest::qWait(300);
    EXPECT_EQ(embeddedIcon(), nullptr);
    Trayer trayer;
    trayer.start();
    EXPECT_TRUE(waitUntil([] { return embeddedIcon() != nullptr; }, 8000));
}

// No tray anywhere: the program works and ends as ever.
TEST(TrayOnScreen, WithoutATrayNothingIsLost)
{
    GlueWindow w;
    QTest::qWait(300);
    EXPECT_EQ(embeddedIcon(), nullptr);
    w.form().kuaijiecaidan1_Click(18);
    EXPECT_TRUE(waitUntil([&] { return w.quitCalls > 0; }));
    EXPECT_FALSE(w.savedOptions().isEmpty());
}

// The window closed while the tray menu is open.
TEST(TrayOnScreen, ClosedWhileTheMenuIsOpen)
{
    Trayer trayer;
    trayer.start();
    auto w = std::make_unique<GlueWindow>();
    ASSERT_TRUE(waitUntil([] { return embeddedIcon() != nullptr; }));
    QTest::qWait(300);
    clickAt(centreOf(embeddedIcon()), 3);
    ASSERT_TRUE(waitUntil([] { return QApplication::activePopupWidget() != nullptr; }));
    w->window().close();
    EXPECT_TRUE(waitUntil([&] { return w->quitCalls > 0; }));
    EXPECT_FALSE(w->savedOptions().isEmpty());
    w.reset();
    QTest::qWait(300);
    EXPECT_EQ(embeddedIcon(), nullptr);
}

} // namespace
