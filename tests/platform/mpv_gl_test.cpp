// The mpv player drawing with OpenGL on a real X display (Xvfb).
#include "platform/mpv_media_player.h"
#include "platform/player_waits.h"
#include "platform/test_media.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

#define REQUIRE_DISPLAY()                                                                     \
    if (QGuiApplication::platformName() != "xcb")                                             \
    GTEST_SKIP() << "needs an X display"

using Video = MpvPlayerOptions::Video;

// How many colours the screen shows where the widget is.
int coloursShown(QWidget* widget)
{
    const QPoint at = widget->mapToGlobal(QPoint(0, 0));
    const QImage shot = widget->screen()
                            ->grabWindow(0, at.x(), at.y(), widget->width(), widget->height())
                            .toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 7)
        for (int x = 0; x < shot.width(); x += 7)
            colours.insert(shot.pixel(x, y));
    return int(colours.size());
}

bool showsAPicture(QWidget* widget)
{
    return QTest::qWaitFor([widget] { return coloursShown(widget) > 8; }, 5000);
}

struct Shown {
    explicit Shown(QPoint at = {0, 0}) : player(&window, {Video::Auto, {"ao=null"}})
    {
        window.setGeometry(QRect(at, QSize(560, 440)));
        player.setPlace({150, 300, 4800, 3600});
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget* video() const { return player.videoWidget(); }

    QWidget window;
    MpvMediaPlayer player;
};

// One scenario, so that no other test of this program covers the screen
// while it looks; its window keeps clear of the others' place at the origin.
TEST(MpvGl, DrawsThePictureInPlaceAndFullScreen)
{
    REQUIRE_DISPLAY();
    Shown s({700, 560});
    ASSERT_EQ(s.player.videoOutput(), Video::OpenGL);
    EXPECT_LE(coloursShown(s.video()), 2); // black before any medium
    s.player.setUrl(testMedia().video("gl.mp4", 3));
    ASSERT_TRUE(waitForState(s.player, MediaPlayer::Playing));
    EXPECT_TRUE(showsAPicture(s.video()));

    ASSERT_TRUE(s.player.setFullScreen(true));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(s.video()));
    EXPECT_TRUE(s.video()->isWindow());
    EXPECT_EQ(s.video()->geometry(), s.video()->screen()->geometry());
    EXPECT_TRUE(showsAPicture(s.video()));

    QTest::keyClick(s.video()->windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(s.player.fullScreen());
    EXPECT_EQ(s.video()->parentWidget(), &s.window);
    EXPECT_EQ(s.video()->geometry(), QRect(10, 20, 320, 240));
    EXPECT_EQ(s.player.playState(), MediaPlayer::Playing);
    EXPECT_TRUE(showsAPicture(s.video()));
}

// Sound alone never makes the GL contexts (the driver is large and slow to
// load); the first file with a picture makes them before it decodes, and
// its picture is drawn.
TEST(MpvGl, MakesItsContextsForTheFirstPicture)
{
    REQUIRE_DISPLAY();
    Shown s;
    s.player.setUrl(testMedia().tone("sound-only.wav", 2));
    ASSERT_TRUE(waitForState(s.player, MediaPlayer::Playing));
    EXPECT_FALSE(s.player.hasRenderContext());
    s.player.setUrl(testMedia().video("first-picture.mp4", 3));
    ASSERT_TRUE(waitForState(s.player, MediaPlayer::Playing));
    EXPECT_TRUE(s.player.hasRenderContext());
    EXPECT_TRUE(showsAPicture(s.video()));
}

struct UnseenCase {
    const char* name;
    void (*hide)(Shown& s);
    friend void PrintTo(const UnseenCase& c, std::ostream* os) { *os << c.name; }
};

class MpvGlUnseen : public ::testing::TestWithParam<UnseenCase> {};

TEST_P(MpvGlUnseen, PlaysToTheEnd)
{
    REQUIRE_DISPLAY();
    Shown s;
    GetParam().hide(s);
    s.player.setUrl(testMedia().video("unseen.mp4", 2));
    ASSERT_TRUE(waitForState(s.player, MediaPlayer::Playing));
    ASSERT_TRUE(waitForState(s.player, MediaPlayer::MediaEnded, 10000));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MpvGlUnseen,
    ::testing::Values(UnseenCase{"hidden", [](Shown& s) { s.player.setVisible(false); }},
                      UnseenCase{"minimized", [](Shown& s) { s.window.showMinimized(); }},
                      UnseenCase{"window_hidden", [](Shown& s) { s.window.hide(); }}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// The picture is a native window of its own; its mouse input is the
// control's.
TEST(MpvGl, ReportsMouseInputOnThePicture)
{
    REQUIRE_DISPLAY();
    Shown s;
    QWindow* picture = nullptr;
    for (QWindow* window : QGuiApplication::allWindows())
        if (window->objectName() == "mpvVideoWindow")
            picture = window;
    ASSERT_NE(picture, nullptr);
    QSignalSpy ups(&s.player, &MediaPlayer::MouseUp);
    QSignalSpy clicks(&s.player, &MediaPlayer::Click);
    QTest::mouseClick(picture, Qt::MiddleButton, Qt::ShiftModifier, QPoint(30, 40));
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0], (QVariantList{4, 1, 450.0, 600.0}));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 4);
}

} // namespace
