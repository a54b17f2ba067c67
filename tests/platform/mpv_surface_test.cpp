// The player's picture as a control: its place, mouse events, context menu
// and full screen, on the software surface of the offscreen platform.
#include "platform/mpv_media_player.h"
#include "platform/player_waits.h"
#include "platform/test_media.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Shown {
    Shown() : player(&window, {MpvPlayerOptions::Video::Auto, {"ao=null"}})
    {
        window.resize(640, 480);
        player.setPlace({150, 300, 4800, 3600}); // 10, 20, 320 x 240 pixels
        window.show();
    }
    QWidget* video() const { return player.videoWidget(); }

    QWidget window;
    MpvMediaPlayer player;
};

TEST(MpvSurface, IsPlacedFromTwips)
{
    Shown s;
    EXPECT_EQ(s.video()->parentWidget(), &s.window);
    EXPECT_EQ(s.video()->geometry(), QRect(10, 20, 320, 240));
    EXPECT_TRUE(s.video()->isVisible());
    s.player.setLeft(1507); // rounds to 100 pixels
    s.player.setHeight(1500);
    EXPECT_EQ(s.video()->geometry(), QRect(100, 20, 320, 100));
    s.player.setVisible(false);
    EXPECT_FALSE(s.video()->isVisible());
}

struct ClickCase {
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    int code;
    int shift;
    friend void PrintTo(const ClickCase& c, std::ostream* os)
    {
        *os << "button " << c.code << " shift " << c.shift;
    }
};

class MpvClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(MpvClick, ReportsButtonShiftAndPlaceInTwips)
{
    const ClickCase c = GetParam();
    Shown s;
    s.player.setEnableContextMenu(false);
    QSignalSpy ups(&s.player, &MediaPlayer::MouseUp);
    QSignalSpy clicks(&s.player, &MediaPlayer::Click);
    QTest::mouseClick(s.video(), c.button, c.modifiers, QPoint(30, 40));
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0], (QVariantList{c.code, c.shift, 450.0, 600.0}));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MpvClick,
    ::testing::Values(ClickCase{Qt::LeftButton, Qt::NoModifier, 1, 0},
                      ClickCase{Qt::RightButton, Qt::ControlModifier, 2, 2},
                      ClickCase{Qt::MiddleButton, Qt::ShiftModifier | Qt::AltModifier, 4, 5},
                      ClickCase{Qt::LeftButton,
                                Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, 1,
                                7}),
    [](const auto& testInfo) {
        return "button" + std::to_string(testInfo.param.code) + "_shift"
            + std::to_string(testInfo.param.shift);
    });

TEST(MpvSurface, ReleaseOutsideIsNoClick)
{
    Shown s;
    QSignalSpy ups(&s.player, &MediaPlayer::MouseUp);
    QSignalSpy clicks(&s.player, &MediaPlayer::Click);
    QTest::mousePress(s.video(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(s.video(), Qt::LeftButton, {}, QPoint(400, 5));
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0], (QVariantList{1, 0, 6000.0, 75.0}));
    EXPECT_EQ(clicks.count(), 0);
}

TEST(MpvSurface, MouseMoveReportsTheHeldButtons)
{
    Shown s;
    QSignalSpy moves(&s.player, &MediaPlayer::MouseMove);
    const QPoint at(8, 12);
    QMouseEvent move(QEvent::MouseMove, at, s.video()->mapToGlobal(at), Qt::NoButton,
                     Qt::LeftButton | Qt::RightButton, Qt::ControlModifier);
    QApplication::sendEvent(s.video(), &move);
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0], (QVariantList{3, 2, 120.0, 180.0}));
}

class MpvContextMenu : public ::testing::TestWithParam<bool> {};

TEST_P(MpvContextMenu, OpensOnRightClickOnlyWhenEnabled)
{
    const bool enabled = GetParam();
    Shown s;
    s.player.setEnableContextMenu(enabled);
    QTest::mouseClick(s.video(), Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::mouseClick(s.video(), Qt::RightButton, {}, QPoint(30, 40));
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_EQ(popup != nullptr, enabled);
    if (popup) {
        const QList<QAction*> actions = static_cast<QMenu*>(popup)->actions();
        ASSERT_EQ(actions.size(), 2);
        EXPECT_EQ(actions[0]->text(), QString("播放"));
        EXPECT_EQ(actions[1]->text(), QString("全屏"));
        popup->close();
    }
}

INSTANTIATE_TEST_SUITE_P(Switch, MpvContextMenu, ::testing::Bool());

TEST(MpvSurface, FullScreenNeedsAPicture)
{
    Shown s;
    EXPECT_FALSE(s.player.setFullScreen(true));
    s.player.setUrl(testMedia().tone("sound.wav", 3));
    ASSERT_TRUE(waitForState(s.player, MediaPlayer::Playing));
    EXPECT_FALSE(s.player.setFullScreen(true));
    EXPECT_FALSE(s.player.fullScreen());
    EXPECT_FALSE(s.video()->isWindow());
}

struct LeaveCase {
    const char* name;
    void (*leave)(MediaPlayer& player, QWidget* video);
    friend void PrintTo(const LeaveCase& c, std::ostream* os) { *os << c.name; }
};

class MpvFullScreen : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(MpvFullScreen, ShowsAloneAndReturnsToItsPlace)
{
    Shown s;
    s.player.setUrl(testMedia().video("full.mp4", 3));
    s.player.pause();
    ASSERT_TRUE(waitForState(s.player, MediaPlayer::Paused));

    ASSERT_TRUE(s.player.setFullScreen(true));
    EXPECT_TRUE(s.player.fullScreen());
    EXPECT_TRUE(s.video()->isWindow());
    EXPECT_TRUE(s.video()->windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(s.video()->isVisible());
    // A new place while full screen is kept for the return.
    s.player.setLeft(300);

    GetParam().leave(s.player, s.video());
    EXPECT_FALSE(s.player.fullScreen());
    EXPECT_FALSE(s.video()->isWindow());
    EXPECT_EQ(s.video()->parentWidget(), &s.window);
    EXPECT_EQ(s.video()->geometry(), QRect(20, 20, 320, 240));
    EXPECT_TRUE(s.video()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MpvFullScreen,
    ::testing::Values(
        LeaveCase{"escape",
                  [](MediaPlayer&, QWidget* v) { QTest::keyClick(v, Qt::Key_Escape); }},
        LeaveCase{"double_click",
                  [](MediaPlayer&, QWidget* v) { QTest::mouseDClick(v, Qt::LeftButton); }},
        LeaveCase{"window_closed", [](MediaPlayer&, QWidget* v) { v->close(); }},
        LeaveCase{"property",
                  [](MediaPlayer& p, QWidget*) { EXPECT_TRUE(p.setFullScreen(false)); }}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
