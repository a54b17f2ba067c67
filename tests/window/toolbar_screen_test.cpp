// The floating toolbar's real window on the test display, with a window
// manager, driven by real pointer input (XTest through xdotool).
#include "chrome/toolbar_design.h"
#include "chrome/window/floating_toolbar_view.h"
#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "platform/test_media.h"
#include "tests/window/glue_window.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void pointer(const QStringList& args)
{
    QProcess::execute(QStringLiteral("xdotool"), args);
    QTest::qWait(20);
}

void moveTo(QPoint at)
{
    pointer({"mousemove", QString::number(at.x()), QString::number(at.y())});
}

FloatingToolbarView* toolbarView()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* view = dynamic_cast<FloatingToolbarView*>(w))
            return view;
    }
    return nullptr;
}

// A window manager on the test display for the whole suite.
class WindowManager : public ::testing::Environment {
public:
    void SetUp() override
    {
        wm_.start(QStringLiteral("openbox"), {});
        wm_.waitForStarted();
        QTest::qWait(500);
    }
    void TearDown() override
    {
        wm_.terminate();
        wm_.waitForFinished();
    }

private:
    QProcess wm_;
};
const auto* const kWindowManager = ::testing::AddGlobalTestEnvironment(new WindowManager);

struct ShownToolbar {
    explicit ShownToolbar(const QStringList& list = {}) : w(list)
    {
        moveTo({100, 500});
        w.form().xuanxiang1_Click(OptionsItem::Toolbar);
        view = toolbarView();
        waitUntil([&] { return view && view->isVisible() && view->height() == 2; });
    }
    Form4& toolbar() { return w.form().form4; }
    QPoint spotCentre(int i) const
    {
        return view->geometry().topLeft() + ToolbarDesign::hotSpot(i).toPixels().center();
    }
    // Unfolds by the top row, then goes to button i.
    void clickButton(int i)
    {
        moveTo({view->x() + 140, 0});
        waitUntil([&] { return view->height() == 31; });
        moveTo(spotCentre(i));
        pointer({"click", "1"});
        QTest::qWait(100);
    }

    GlueWindow w;
    FloatingToolbarView* view = nullptr;
};

TEST(ToolbarOnScreen, FoldedAtTheTopUnfoldedByTheTopRowsAnywhere)
{
    ShownToolbar t;
    ASSERT_TRUE(t.view && t.view->isVisible());
    EXPECT_EQ(t.view->geometry(), QRect(467, 0, 280, 2));
    EXPECT_TRUE(t.view->windowFlags() & Qt::WindowStaysOnTopHint);
    // Far to the side of it, on the top row.
    moveTo({1200, 0});
    EXPECT_TRUE(waitUntil([&] { return t.view->height() == 31; }));
    // Down onto it: it stays open.
    moveTo({600, 20});
    QTest::qWait(200);
    // Off it: folded again.
    moveTo({600, 300});
    EXPECT_TRUE(waitUntil([&] { return t.view->height() == 2; }, 1000));
    EXPECT_EQ(t.view->y(), 0);
}

TEST(ToolbarOnScreen, DraggedByAHandleAndDockedOnRelease)
{
    ShownToolbar t;
    moveTo({470, 0});
    ASSERT_TRUE(waitUntil([&] { return t.view->height() == 31; }));
    moveTo({470, 15});
    QTest::qWait(150);
    pointer({"mousedown", "1"});
    for (int step = 1; step <= 10; ++step) {
        moveTo({470 - 20 * step, 15 + 20 * step});
        QTest::qWait(60);
    }
    // The window follows the position Timer1 sampled at the move before.
    QTest::qWait(100);
    moveTo({271, 215});
    // Within a pixel: the last sample may be the nudge's.
    EXPECT_TRUE(waitUntil([&] { return qAbs(t.view->x() - 267) <= 1 && t.view->y() == 200; }, 1000))
        << t.view->x() << "," << t.view->y();
    const int draggedTo = t.view->x();
    pointer({"mouseup", "1"});
    EXPECT_TRUE(waitUntil([&] { return t.view->pos() == QPoint(draggedTo, 0); }, 1000))
        << t.view->x() << "," << t.view->y();
}

TEST(ToolbarOnScreen, ButtonsRunTheirCommandsOnAPlayingMedium)
{
    const QStringList list = {testMedia().tone("tb1.wav", 120), testMedia().tone("tb2.wav", 120)};
    ShownToolbar t(list);
    MediaPlayer& player = t.w.form().WindowsMediaPlayer1;
    t.w.form().liebiao_Click(0);
    ASSERT_TRUE(waitUntil([&] { return player.playState() == MediaPlayer::Playing; }));

    t.clickButton(ToolbarButton::Pause);
    EXPECT_TRUE(waitUntil([&] { return player.playState() == MediaPlayer::Paused; }));
    t.clickButton(ToolbarButton::Play);
    EXPECT_TRUE(waitUntil([&] { return player.playState() == MediaPlayer::Playing; }));
    t.clickButton(ToolbarButton::Next);
    EXPECT_TRUE(waitUntil([&] { return t.w.currentEntry() == 1; }));
    t.clickButton(ToolbarButton::Previous);
    EXPECT_TRUE(waitUntil([&] { return t.w.currentEntry() == 0; }));
    ASSERT_TRUE(waitUntil([&] { return player.playState() == MediaPlayer::Playing; }));
    const double before = player.currentPosition().value_or(0);
    t.clickButton(ToolbarButton::Forward);
    // A twentieth of the length a step: 6 seconds.
    EXPECT_TRUE(waitUntil([&] { return player.currentPosition().value_or(0) > before + 4; }));
    const double after = player.currentPosition().value_or(0);
    t.clickButton(ToolbarButton::Back);
    EXPECT_TRUE(waitUntil([&] { return player.currentPosition().value_or(0) < after - 4; }));
    t.clickButton(ToolbarButton::Stop);
    // Stop empties the player and shows the start picture.
    EXPECT_TRUE(waitUntil([&] { return t.w.form().state.display_mode == DisplayMode::Idle; }));
    EXPECT_EQ(player.playState(), MediaPlayer::Undefined);
}

TEST(ToolbarOnScreen, MinimizingShowsItAndItsButtonsRestoreAndClose)
{
    GlueWindow w;
    w.window().showMaximized();
    ASSERT_TRUE(waitUntil([&] { return w.window().isMaximized(); }));
    w.window().showMinimized();
    FloatingToolbarView* view = toolbarView();
    ASSERT_TRUE(waitUntil([&] { return view && view->isVisible(); }));
    EXPECT_EQ(w.form().xuanxiang1[OptionsItem::Toolbar].caption, "关闭浮动工具条(&F)");
    EXPECT_TRUE(waitUntil([&] { return w.form().form4.toolTips[8] == "恢复窗口"; }, 200));

    moveTo({view->x() + 140, 0});
    ASSERT_TRUE(waitUntil([&] { return view->height() == 31; }));
    moveTo(view->geometry().topLeft() + ToolbarDesign::hotSpot(8).toPixels().center());
    pointer({"click", "1"});
    // Minimized by the window manager, not by the button: back to normal.
    EXPECT_TRUE(waitUntil([&] { return !w.window().isMinimized() && w.window().isVisible(); }));
    EXPECT_TRUE(waitUntil([&] { return w.form().form4.toolTips[8] == "最小化窗口"; }, 200));
    // Minimized by the button, it comes back maximized.
    w.window().showMaximized();
    ASSERT_TRUE(waitUntil([&] { return w.window().isMaximized(); }));
    moveTo({view->x() + 140, 0});
    ASSERT_TRUE(waitUntil([&] { return view->height() == 31; }));
    moveTo(view->geometry().topLeft() + ToolbarDesign::hotSpot(8).toPixels().center());
    pointer({"click", "1"});
    EXPECT_TRUE(waitUntil([&] { return w.window().isMinimized(); }));
    QTest::qWait(100);
    pointer({"click", "1"});
    EXPECT_TRUE(waitUntil([&] { return w.window().isMaximized() && !w.window().isMinimized(); }));

    moveTo(view->geometry().topLeft() + ToolbarDesign::hotSpot(9).toPixels().center());
    pointer({"click", "1"});
    EXPECT_TRUE(waitUntil([&] { return !view->isVisible(); }));
    EXPECT_EQ(w.form().xuanxiang1[OptionsItem::Toolbar].caption, "打开浮动工具条(&F)");
}

TEST(ToolbarOnScreen, OptionsItemHidesItAndTheCaptionFollowsWithinATick)
{
    ShownToolbar t;
    QString& caption = t.w.form().xuanxiang1[OptionsItem::Toolbar].caption;
    EXPECT_EQ(caption, "关闭浮动工具条(&F)");
    t.view->hide(); // hidden from outside the program's own commands
    EXPECT_TRUE(waitUntil([&] { return caption == "打开浮动工具条(&F)"; }, 250));
    t.w.form().xuanxiang1_Click(OptionsItem::Toolbar);
    EXPECT_TRUE(waitUntil([&] { return t.view->isVisible(); }));
    t.w.form().xuanxiang1_Click(OptionsItem::Toolbar);
    EXPECT_FALSE(t.view->isVisible());
    EXPECT_EQ(caption, "打开浮动工具条(&F)");
}

// Closed while unfolded: nothing is lost, nothing calls into what is gone.
TEST(ToolbarOnScreen, MainWindowClosedWhileUnfolded)
{
    std::optional<ShownToolbar> t(std::in_place, QStringList{testMedia().tone("tb3.wav", 5)});
    moveTo({600, 0});
    ASSERT_TRUE(waitUntil([&] { return t->view->height() == 31; }));
    t->w.window().close();
    EXPECT_TRUE(waitUntil([&] { return t->w.quitCalls > 0; }));
    EXPECT_EQ(t->w.savedList().size(), 1);
    t.reset();
    QTest::qWait(200);
    EXPECT_EQ(toolbarView(), nullptr);
}

} // namespace
